// tarvia-calc run as a user scripts it: the built program on a reference file.
#include "core/archivo.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvia {
namespace {

const QString kReferencia = QStringLiteral(TARVIA_BIN_DIR "/Baremario/Articulado Carga General.brm");

struct Ejecucion {
    int codigo = -1;
    QByteArray salida;
    QString errores;
    QJsonObject json(const char* clave) const
    {
        return QJsonDocument::fromJson(salida).object()[QString::fromUtf8(clave)].toObject();
    }
};

Ejecucion Calc(const QStringList& args, const QProcessEnvironment& entorno = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(entorno);
    p.start(QStringLiteral(TARVIA_BIN_DIR "/tarvia-calc"), args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

// Outputs reviewed once by hand and kept in tests/data/golden: standard
// output, standard error (NAME.err, none when empty) and the exit code of
// each case, run without any locale configured. Any change to a figure, a box
// text, a message or a key shows here. After a deliberate change,
// scripts/regenerar_salidas_fijadas rewrites them for review.
TEST(Calc, SalidasFijadas)
{
    const QDir carpeta(QStringLiteral(TARVIA_TEST_DATA "/golden"));
    const auto leer = [&](const QString& nombre) {
        QFile f(carpeta.filePath(nombre));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QJsonArray casos = QJsonDocument::fromJson(leer(QStringLiteral("casos.json"))).array();
    ASSERT_GE(casos.size(), 10);
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    for (const QString& v : entorno.keys())
        if (v == QStringLiteral("LANG") || v == QStringLiteral("LANGUAGE") || v.startsWith(QStringLiteral("LC_")))
            entorno.remove(v);
    entorno.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    const QString datos = QDir(QStringLiteral(TARVIA_BIN_DIR)).relativeFilePath(QStringLiteral(TARVIA_TEST_DATA));
    for (const QJsonValue& v : casos) {
        const QJsonObject caso = v.toObject();
        const QString nombre = caso[QStringLiteral("nombre")].toString();
        SCOPED_TRACE(nombre.toStdString());
        const QString tipo = caso[QStringLiteral("salida")].toString();
        QStringList args;
        for (const QJsonValue& a : caso[QStringLiteral("args")].toArray())
            args << a.toString()
                        .replace(QStringLiteral("@BAREMARIO@"), QStringLiteral("Baremario"))
                        .replace(QStringLiteral("@CALCULOS@"), QStringLiteral("Cálculos"))
                        .replace(QStringLiteral("@DATOS@"), datos);
        QProcess p;
        p.setProcessEnvironment(entorno);
        p.setWorkingDirectory(QStringLiteral(TARVIA_BIN_DIR)); // relative paths, as in the fixed outputs
        p.start(QStringLiteral(TARVIA_BIN_DIR "/tarvia-calc"), args);
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), caso[QStringLiteral("codigo")].toInt(0));
        const QByteArray salida = p.readAllStandardOutput(), fijada = leer(nombre + u'.' + tipo);
        if (tipo == QStringLiteral("json"))
            EXPECT_EQ(QJsonDocument::fromJson(salida), QJsonDocument::fromJson(fijada));
        else
            EXPECT_EQ(salida.toStdString(), fijada.toStdString());
        EXPECT_EQ(p.readAllStandardError().toStdString(), leer(nombre + QStringLiteral(".err")).toStdString());
    }
}

TEST(Calc, CodigosDeSalida)
{
    const QString f = kReferencia;
    const struct {
        QStringList args;
        int codigo;
    } casos[] = {
        {{QStringLiteral("/no/existe/nada.trv")}, 2},
        {{}, 64},
        {{"--desconocida", f}, 64},
        {{"--locale", "xx_ZZ", f}, 64},
        {{"--hoy", "2026-13-01", f}, 64},
        {{f, "--set", "Z.1=3"}, 64},
        {{f, "--set", "C.22=3"}, 64},
        {{f, "--opcion", "C.2=1"}, 64},
        {{f, "--opcion", "F1.1=3"}, 64},
        {{f, "--set", "C.9=5"}, 65},     // derived
        {{f, "--set", "R.19=5"}, 65},    // a result
        {{f, "--set", "F1.1=2"}, 65},    // an option
        {{f, "--set", "F1.12=500"}, 65}, // its frame is hidden while bought
        {{f, "--opcion", "F1.1=2", "--set", "F1.2=500"}, 65},
        {{f, "--sensibilidad", "F1.1=1:2:2"}, 64}, // an option
        {{f, "--sensibilidad", "R.19=1:2:2"}, 64},
        {{f, "--sensibilidad", "C.7=1:2:1"}, 64}, // too few steps
        {{f, "--sensibilidad", "C.9=1:2:3"}, 64},
    };
    for (const auto& c : casos) {
        const Ejecucion e = Calc(c.args);
        const std::string args = c.args.join(u' ').toStdString();
        EXPECT_EQ(e.codigo, c.codigo) << args << "\n" << e.errores.toStdString();
        EXPECT_TRUE(e.salida.isEmpty()) << args;
        EXPECT_FALSE(e.errores.trimmed().isEmpty()) << args;
        if (c.codigo == 2) {
            EXPECT_EQ(e.errores.trimmed(), MensajeArchivo(FalloArchivo::DirectorioNoExiste)) << args;
        }
        if (c.codigo == 65) { // one line naming the field
            EXPECT_FALSE(e.errores.trimmed().contains(u'\n')) << args;
            EXPECT_TRUE(e.errores.contains(c.args.last().section(u'=', 0, 0))) << args;
        }
    }
}

// --guardar writes the calculation as it stands: reopened, every stored value
// comes back, the services priced with the unit costs after the change.
TEST(Calc, GuardarYVolverAAbrir)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("prueba.trv"));
    const Ejecucion e = Calc({"--locale", "es_ES", "--hoy", "2027-01-15", kReferencia, "--set", "S.3=250", "--set",
                              "S.4=5,5", "--opcion", "F1.1=2", "--guardar", ruta});
    ASSERT_EQ(e.codigo, 0) << e.errores.toStdString();
    EXPECT_FALSE(QJsonDocument::fromJson(e.salida).object()[QStringLiteral("hayCambios")].toBool(true));
    const QJsonObject p = e.json("personal");
    EXPECT_EQ(p[QStringLiteral("Fecha")].toString(), QStringLiteral("2027-01-15"));
    EXPECT_NE(p[QStringLiteral("S")].toObject()[QStringLiteral("7")].toDouble(), 0);
    EXPECT_EQ(Calc({"--locale", "es_ES", ruta}).json("personal"), p);
}

} // namespace
} // namespace tarvia

// tarvia-calc run as a user scripts it: the built program on a reference file.
#include "core/archivo.h"
#include "core/formato.h"
#include "engine/abrir.h"

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

const QString kPrograma = QStringLiteral(TARVIA_BIN_DIR "/tarvia-calc");
const QString kReferencia = QStringLiteral(TARVIA_BIN_DIR "/Baremario/Articulado Carga General.brm");

struct Ejecucion {
    int codigo = -1;
    QByteArray salida;
    QString errores;
    QJsonObject json() const { return QJsonDocument::fromJson(salida).object(); }
};

Ejecucion Ejecutar(QStringList args)
{
    QProcess p;
    p.start(kPrograma, args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

bool EsMensajeDeArchivo(const QString& texto)
{
    for (FalloArchivo f : {FalloArchivo::NoEncontrado, FalloArchivo::DirectorioNoExiste,
                           FalloArchivo::NombreNoValido, FalloArchivo::AccesoDenegado,
                           FalloArchivo::MalEstado})
        if (texto == MensajeArchivo(f))
            return true;
    return false;
}

// Every element of every sheet present, keyed "1".."n".
void ComprobarColumna(const QJsonObject& col, bool conFecha)
{
    ASSERT_TRUE(col.contains(QStringLiteral("Fecha")));
    if (conFecha) {
        EXPECT_TRUE(QDate::fromString(col[QStringLiteral("Fecha")].toString(), Qt::ISODate).isValid());
    }
    for (Hoja h : TodasLasHojas) {
        const QJsonObject hoja = col[QString::fromUtf8(Codigo(h))].toObject();
        EXPECT_EQ(hoja.size(), NumeroDeCampos(h)) << Codigo(h);
        for (int i = 1; i <= NumeroDeCampos(h); ++i)
            EXPECT_TRUE(hoja.contains(QString::number(i))) << Codigo(h) << i;
    }
}

TEST(Calc, JsonCompletoYNumerosExactos)
{
    const Ejecucion e = Ejecutar({QStringLiteral("--pantalla"), QStringLiteral("--locale"),
                                  QStringLiteral("es_ES"), kReferencia});
    ASSERT_EQ(e.codigo, 0) << e.errores.toStdString();
    QJsonParseError error;
    const QJsonObject j = QJsonDocument::fromJson(e.salida, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_EQ(j.keys(), (QStringList{"hayCambios", "mensajes", "pantalla", "personal", "referencia"}));
    ComprobarColumna(j[QStringLiteral("personal")].toObject(), true);
    ComprobarColumna(j[QStringLiteral("referencia")].toObject(), true);
    EXPECT_FALSE(j[QStringLiteral("hayCambios")].toBool(true));
    EXPECT_TRUE(j[QStringLiteral("mensajes")].toArray().isEmpty());

    // The same file opened here: every number reads back as the same double.
    Documento doc;
    InicializarCalculo(doc.calculo);
    doc.calculo.Local = Localizacion::Desde(QLocale(QStringLiteral("es_ES")));
    ASSERT_EQ(LeerArchivo(doc, kReferencia), FalloArchivo::Ninguno);
    const QJsonObject personal = j[QStringLiteral("personal")].toObject();
    for (Hoja h : TodasLasHojas) {
        const QJsonObject hoja = personal[QString::fromUtf8(Codigo(h))].toObject();
        for (int i = 1; i <= NumeroDeCampos(h); ++i) {
            const Valor& v = doc.calculo.Personal[h](i);
            const QJsonValue x = hoja[QString::number(i)];
            if (v.esNumero()) {
                EXPECT_EQ(x.toDouble(), v.numero()) << Codigo(h) << i;
            } else if (v.esTexto()) {
                EXPECT_EQ(x.toString(), v.texto()) << Codigo(h) << i;
            } else if (v.esLogico()) {
                EXPECT_EQ(x.toBool(!v.logico()), v.logico()) << Codigo(h) << i;
            } else if (v.esVacio()) {
                EXPECT_TRUE(x.isNull()) << Codigo(h) << i;
            }
        }
    }

    // Boxes of both columns; the service sheet has no reference boxes.
    const QJsonObject pantalla = j[QStringLiteral("pantalla")].toObject();
    const QJsonObject cajasS = pantalla[QStringLiteral("personal")].toObject();
    const QJsonObject cajasO = pantalla[QStringLiteral("referencia")].toObject();
    EXPECT_EQ(cajasS.size(), 8);
    EXPECT_EQ(cajasO.size(), 7);
    EXPECT_FALSE(cajasO.contains(QStringLiteral("S")));
    const QJsonObject total = cajasS[QStringLiteral("R")].toObject()[QStringLiteral("19")].toObject();
    EXPECT_EQ(total[QStringLiteral("texto")].toString(), doc.pantalla.caja(Hoja::R, Columna::S, 19).texto);
    EXPECT_TRUE(total.contains(QStringLiteral("habilitado")));
    EXPECT_TRUE(total[QStringLiteral("visible")].toBool());
    EXPECT_FALSE(cajasO[QStringLiteral("R")].toObject()[QStringLiteral("54")].toObject()
                     [QStringLiteral("visible")].toBool(true));
}

TEST(Calc, CodigosDeSalida)
{
    struct {
        QStringList args;
        int codigo;
    } casos[] = {
        {{QStringLiteral("/no/existe/nada.trv")}, 2},
        {{}, 64},
        {{QStringLiteral("--desconocida"), kReferencia}, 64},
        {{QStringLiteral("--locale"), QStringLiteral("xx_ZZ"), kReferencia}, 64},
        {{QStringLiteral("--hoy"), QStringLiteral("2026-13-01"), kReferencia}, 64},
        {{QStringLiteral("--formato"), QStringLiteral("xml"), kReferencia}, 64},
        {{kReferencia, QStringLiteral("--set"), QStringLiteral("Z.1=3")}, 64},
        {{kReferencia, QStringLiteral("--set"), QStringLiteral("C.22=3")}, 64},
        {{kReferencia, QStringLiteral("--opcion"), QStringLiteral("C.2=1")}, 64},
        {{kReferencia, QStringLiteral("--opcion"), QStringLiteral("F1.1=3")}, 64},
        {{kReferencia, QStringLiteral("--ver"), QStringLiteral("X")}, 64},
        {{kReferencia, QStringLiteral("--set"), QStringLiteral("C.7=100000")}, 64}, // not yet
        {{kReferencia, QStringLiteral("--set"), QStringLiteral("C.9=5")}, 65},      // derived
        {{kReferencia, QStringLiteral("--set"), QStringLiteral("R.19=5")}, 65},     // a result
        {{kReferencia, QStringLiteral("--set"), QStringLiteral("F1.1=2")}, 65},     // an option
        {{kReferencia, QStringLiteral("--set"), QStringLiteral("F1.12=500")}, 65},  // frame hidden
        {{kReferencia, QStringLiteral("--opcion"), QStringLiteral("F1.1=2"), QStringLiteral("--set"),
          QStringLiteral("F1.12=500")}, 64}, // rented: the yearly cost is editable
        {{kReferencia, QStringLiteral("--opcion"), QStringLiteral("F1.1=2"), QStringLiteral("--set"),
          QStringLiteral("F1.2=500")}, 65},
    };
    for (const auto& c : casos) {
        const Ejecucion e = Ejecutar(c.args);
        const std::string args = c.args.join(u' ').toStdString();
        EXPECT_EQ(e.codigo, c.codigo) << args << "\n" << e.errores.toStdString();
        if (c.codigo != 0) {
            EXPECT_TRUE(e.salida.isEmpty()) << args;
            EXPECT_FALSE(e.errores.trimmed().isEmpty()) << args;
        }
    }
    EXPECT_TRUE(EsMensajeDeArchivo(Ejecutar({QStringLiteral("/no/existe/nada.trv")}).errores.trimmed()));
    EXPECT_TRUE(Ejecutar({kReferencia, QStringLiteral("--set"), QStringLiteral("C.9=5")})
                    .errores.contains(QStringLiteral("C.9")));
}

TEST(Calc, GuardarYVolverAAbrir)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ruta = dir.filePath(QStringLiteral("prueba.trv"));
    const Ejecucion e = Ejecutar({QStringLiteral("--hoy"), QStringLiteral("2027-01-15"), kReferencia,
                                  QStringLiteral("--opcion"), QStringLiteral("F1.1=2"),
                                  QStringLiteral("--ver"), QStringLiteral("R"), // results current
                                  QStringLiteral("--guardar"), ruta});
    ASSERT_EQ(e.codigo, 0) << e.errores.toStdString();
    const QJsonObject j = e.json();
    EXPECT_TRUE(j[QStringLiteral("mensajes")].toArray().isEmpty());
    EXPECT_FALSE(j[QStringLiteral("hayCambios")].toBool(true));
    const QJsonObject personal = j[QStringLiteral("personal")].toObject();
    EXPECT_EQ(personal[QStringLiteral("Fecha")].toString(), QStringLiteral("2027-01-15"));

    const Ejecucion otra = Ejecutar({ruta, QStringLiteral("--formato"), QStringLiteral("json")});
    ASSERT_EQ(otra.codigo, 0) << otra.errores.toStdString();
    EXPECT_EQ(otra.json()[QStringLiteral("personal")], personal);
    EXPECT_FALSE(personal[QStringLiteral("F1")].toObject()[QStringLiteral("1")].toBool(true));
}

TEST(Calc, CambioSinGuardarYFalloAlGuardar)
{
    const Ejecucion e = Ejecutar({kReferencia, QStringLiteral("--opcion"), QStringLiteral("F1.1=2"),
                                  QStringLiteral("--guardar"), QStringLiteral("/no/existe/dir/x.trv"),
                                  QStringLiteral("--ver"), QStringLiteral("R")});
    ASSERT_EQ(e.codigo, 0) << e.errores.toStdString();
    const QJsonObject j = e.json();
    EXPECT_TRUE(j[QStringLiteral("hayCambios")].toBool(false));
    const QJsonArray mensajes = j[QStringLiteral("mensajes")].toArray();
    ASSERT_EQ(mensajes.size(), 1);
    const QJsonObject m = mensajes[0].toObject();
    EXPECT_EQ(m[QStringLiteral("titulo")].toString(), QStringLiteral("Error"));
    EXPECT_TRUE(EsMensajeDeArchivo(m[QStringLiteral("texto")].toString()));

    // The run went on: with the tractor rented, only its yearly cost and the
    // bought semitrailer are amortised (the file buys no equipment).
    const QJsonObject p = j[QStringLiteral("personal")].toObject();
    const auto n = [&p](const char* hoja, int i) {
        return p[QString::fromUtf8(hoja)].toObject()[QString::number(i)].toDouble();
    };
    ASSERT_TRUE(p[QStringLiteral("F2")].toObject()[QStringLiteral("1")].toBool());
    ASSERT_EQ(n("F2", 14), 0);
    EXPECT_NEAR(n("R", 1), n("F1", 12) + (n("F2", 26) - n("F2", 7)) / n("F2", 5), 0.005);
}

TEST(Calc, ResumenEnTextoConLaLocalizacion)
{
    const Ejecucion json = Ejecutar({QStringLiteral("--locale"), QStringLiteral("es_ES"), kReferencia});
    const double total = json.json()[QStringLiteral("personal")].toObject()[QStringLiteral("R")]
                             .toObject()[QStringLiteral("19")].toDouble();
    for (const char* nombre : {"es_ES", "en_US"}) {
        const Ejecucion e = Ejecutar({QStringLiteral("--formato"), QStringLiteral("texto"),
                                      QStringLiteral("--locale"), QString::fromUtf8(nombre), kReferencia});
        ASSERT_EQ(e.codigo, 0) << e.errores.toStdString();
        const QString texto = QString::fromUtf8(e.salida);
        const QString cifra = FormatearNumero(total, 2, Localizacion::Desde(QLocale(QString::fromUtf8(nombre))));
        EXPECT_TRUE(texto.contains(cifra)) << nombre << " " << cifra.toStdString();
        for (const char* rotulo : {"Costes Totales", "Costes Directos", "Costes Indirectos", "C1 = ",
                                   "C4 = ", "C5 = ", "€/km en carga"})
            EXPECT_TRUE(texto.contains(QString::fromUtf8(rotulo))) << rotulo;
        EXPECT_EQ(texto.count(QStringLiteral("C5 = ")), 1); // the reference has no tonnage
    }
}

} // namespace
} // namespace tarvia

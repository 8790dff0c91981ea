// tarvia-calc run as a user scripts it: the built program on a reference file.
#include "core/archivo.h"
#include "engine/abrir.h"
#include "presentacion/documento.h"
#include "presentacion/marcos.h"

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

bool EsMensajeDeArchivo(const QString& texto)
{
    for (auto f : {FalloArchivo::NoEncontrado, FalloArchivo::DirectorioNoExiste, FalloArchivo::NombreNoValido,
                   FalloArchivo::AccesoDenegado, FalloArchivo::MalEstado})
        if (texto == MensajeArchivo(f))
            return true;
    return false;
}

// Outputs reviewed once by hand and kept in tests/data/golden: any change to
// a figure, a box text, a message or a key shows here. After a deliberate
// change, scripts/regenerar_salidas_fijadas rewrites them for review.
TEST(Calc, SalidasFijadas)
{
    const QDir carpeta(QStringLiteral(TARVIA_TEST_DATA "/golden"));
    QFile f(carpeta.filePath(QStringLiteral("casos.json")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QJsonArray casos = QJsonDocument::fromJson(f.readAll()).array();
    ASSERT_GE(casos.size(), 5);
    for (const QJsonValue& v : casos) {
        const QJsonObject caso = v.toObject();
        const QString nombre = caso[QStringLiteral("nombre")].toString();
        const QString tipo = caso[QStringLiteral("salida")].toString();
        QStringList args;
        for (const QJsonValue& a : caso[QStringLiteral("args")].toArray())
            args << a.toString()
                        .replace(QStringLiteral("@BAREMARIO@"), QStringLiteral("Baremario"))
                        .replace(QStringLiteral("@CALCULOS@"), QStringLiteral("Cálculos"));
        QProcess p;
        p.setWorkingDirectory(QStringLiteral(TARVIA_BIN_DIR)); // relative paths, as in the fixed outputs
        p.start(QStringLiteral(TARVIA_BIN_DIR "/tarvia-calc"), args);
        ASSERT_TRUE(p.waitForFinished(30000)) << nombre.toStdString();
        const QByteArray salida = p.readAllStandardOutput();
        QFile esperado(carpeta.filePath(nombre + u'.' + tipo));
        ASSERT_TRUE(esperado.open(QIODevice::ReadOnly)) << esperado.fileName().toStdString();
        const QByteArray fijada = esperado.readAll();
        if (tipo == QStringLiteral("json"))
            EXPECT_EQ(QJsonDocument::fromJson(salida), QJsonDocument::fromJson(fijada)) << nombre.toStdString();
        else
            EXPECT_EQ(QString::fromUtf8(salida), QString::fromUtf8(fijada)) << nombre.toStdString();
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
    };
    for (const auto& c : casos) {
        const Ejecucion e = Calc(c.args);
        const std::string args = c.args.join(u' ').toStdString();
        EXPECT_EQ(e.codigo, c.codigo) << args << "\n" << e.errores.toStdString();
        EXPECT_TRUE(e.salida.isEmpty()) << args;
        EXPECT_FALSE(e.errores.trimmed().isEmpty()) << args;
        if (c.codigo == 2) {
            EXPECT_TRUE(EsMensajeDeArchivo(e.errores.trimmed())) << args;
        }
        if (c.codigo == 65) { // one line naming the field
            EXPECT_FALSE(e.errores.trimmed().contains(u'\n')) << args;
            EXPECT_TRUE(e.errores.contains(c.args.last().section(u'=', 0, 0))) << args;
        }
    }
    // No file needed to learn the fields.
    const Ejecucion campos = Calc({"--locale", "es_ES", "--campos", "F1"});
    EXPECT_EQ(campos.codigo, 0);
    EXPECT_TRUE(
        campos.salida.contains("F1.11\tInterés anual de la financiación (%)\tentrada, 2 decimales, de 0,10 a 25,00"))
        << campos.salida.toStdString();
    EXPECT_FALSE(campos.salida.contains("C.7"));
}

// --guardar writes the calculation as it stands: reopened, every stored value
// comes back, the services priced with the unit costs after the change. A save
// that fails is reported and the run goes on.
TEST(Calc, GuardarVolverAAbrirYFalloAlGuardar)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("prueba.trv"));
    const Ejecucion e = Calc({"--locale", "es_ES", "--hoy", "2027-01-15", kReferencia, "--set", "S.3=250", "--set",
                              "S.4=5,5", "--opcion", "F1.1=2", "--ver", "R", "--ver", "S", "--guardar",
                              dir.filePath("no/existe/x.trv"), "--guardar", ruta});
    ASSERT_EQ(e.codigo, 73) << e.errores.toStdString(); // one save could not be written
    const QJsonArray mensajes = QJsonDocument::fromJson(e.salida).object()[QStringLiteral("mensajes")].toArray();
    ASSERT_EQ(mensajes.size(), 1); // the failed save; the run went on
    EXPECT_EQ(mensajes[0].toObject()[QStringLiteral("titulo")].toString(), QStringLiteral("Error"));
    EXPECT_TRUE(EsMensajeDeArchivo(mensajes[0].toObject()[QStringLiteral("texto")].toString()));
    EXPECT_FALSE(QJsonDocument::fromJson(e.salida).object()[QStringLiteral("hayCambios")].toBool(true));

    const QJsonObject p = e.json("personal");
    EXPECT_EQ(p[QStringLiteral("Fecha")].toString(), QStringLiteral("2027-01-15"));
    EXPECT_NE(p[QStringLiteral("S")].toObject()[QStringLiteral("7")].toDouble(), 0);
    EXPECT_EQ(Calc({"--locale", "es_ES", ruta}).json("personal"), p);
    EXPECT_TRUE(QJsonDocument::fromJson(Calc({kReferencia, "--opcion", "F1.1=2"}).salida)
                    .object()[QStringLiteral("hayCambios")]
                    .toBool(false));
}

// "visible" is what the user sees: a box inside a frame that an option hides
// is not, although the box itself is not hidden.
TEST(Calc, VisibleDentroDeUnMarcoOculto)
{
    const Ejecucion e = Calc({"--pantalla", kReferencia, "--opcion", "F1.1=2", "--opcion", "F2.1=2"});
    ASSERT_EQ(e.codigo, 0);
    const QJsonObject cajas = e.json("pantalla")[QStringLiteral("personal")].toObject();
    const auto visible = [&](Hoja h, int i) {
        return cajas[QString::fromUtf8(Codigo(h))]
            .toObject()[QString::number(i)]
            .toObject()[QStringLiteral("visible")]
            .toBool();
    };
    int ocultas = 0;
    for (Hoja h : {Hoja::F1, Hoja::F2}) {
        for (int i = 1; i <= NumeroDeCampos(h); ++i) {
            const auto marco = MarcoDeCampo(h, i);
            if (!marco)
                continue;
            // Bought or financed frames hide; the yearly-cost frame shows.
            const bool anual = *marco == Marco::F1CosteAnual || *marco == Marco::F2SemiCosteAnual;
            const bool equipo = *marco == Marco::F2EquipoAmortizacion || *marco == Marco::F2EquipoFinanciacion ||
                                *marco == Marco::F2EquipoCosteAnual; // its own option, untouched
            if (equipo)
                continue;
            EXPECT_EQ(visible(h, i), anual) << Codigo(h) << i;
            ocultas += !anual;
        }
    }
    EXPECT_GT(ocultas, 20);
}

QJsonObject ResultadosR(const QByteArray& salida)
{
    return QJsonDocument::fromJson(salida)
        .object()[QStringLiteral("personal")]
        .toObject()[QStringLiteral("R")]
        .toObject();
}

// Several files side by side: each element is what --ver R gives for its
// file; a file that cannot be opened is listed with its reason, and the run
// ends with 2.
TEST(Analisis, CompararVariosFicheros)
{
    const QString furgoneta = QStringLiteral(TARVIA_BIN_DIR "/Baremario/Furgoneta.brm");
    const QStringList ficheros{kReferencia, QStringLiteral("/no/existe.trv"), furgoneta};
    const Ejecucion e = Calc(QStringList{"--comparar"} + ficheros);
    EXPECT_EQ(e.codigo, 2);
    const QJsonArray c = QJsonDocument::fromJson(e.salida).object()[QStringLiteral("comparacion")].toArray();
    ASSERT_EQ(c.size(), 3);
    EXPECT_EQ(c[0].toObject()[QStringLiteral("R")].toObject(), ResultadosR(Calc({kReferencia, "--ver", "R"}).salida));
    EXPECT_EQ(c[2].toObject()[QStringLiteral("R")].toObject(), ResultadosR(Calc({furgoneta, "--ver", "R"}).salida));
    EXPECT_FALSE(c[1].toObject()[QStringLiteral("error")].toString().isEmpty());
}

// A refused sensitivity point says why; a price no distance reaches has no
// break-even; a range that is no input or has too few steps is a usage error.
TEST(Analisis, SensibilidadYEquilibrio)
{
    const Ejecucion e =
        Calc({"--locale", "es_ES", kReferencia, "--sensibilidad", "C.7=1000:120000:3", "--equilibrio", "0.5"});
    ASSERT_EQ(e.codigo, 0);
    const QJsonObject j = QJsonDocument::fromJson(e.salida).object();
    const QJsonObject punto =
        j[QStringLiteral("sensibilidad")].toObject()[QStringLiteral("puntos")].toArray()[0].toObject();
    EXPECT_TRUE(punto[QStringLiteral("rechazado")].toBool()); // below 5.000 km
    EXPECT_TRUE(punto[QStringLiteral("mensaje")].toString().startsWith(QStringLiteral("Valor mínimo")));
    EXPECT_TRUE(j[QStringLiteral("equilibrio")].toObject()[QStringLiteral("km_anuales")].isNull());
    for (const char* malo : {"F1.1=1:2:2", "R.19=1:2:2", "C.7=1:2:1", "C.9=1:2:3"})
        EXPECT_EQ(Calc({kReferencia, "--sensibilidad", malo}).codigo, 64) << malo;
}

// A disk that refuses to grow the file (the kernel's file-size limit, as a full
// disk would): the old calculation keeps every byte, the run reports it and
// ends with 73.
TEST(Calc, DiscoLlenoDejaElArchivoYTerminaCon73)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("calc.trv"));
    ASSERT_TRUE(QFile::copy(kReferencia, ruta));
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray viejo = f.readAll();
    f.close();
    QProcess p;
    p.start(QStringLiteral("/bin/sh"), {"-c", "trap '' XFSZ; ulimit -f 1; exec \"$0\" \"$@\"",
                                        TARVIA_BIN_DIR "/tarvia-calc", ruta, "--set", "C.7=150000", "--guardar", ruta});
    p.waitForFinished(30000);
    EXPECT_EQ(p.exitCode(), 73) << p.readAllStandardError().toStdString();
    const QJsonArray m =
        QJsonDocument::fromJson(p.readAllStandardOutput()).object()[QStringLiteral("mensajes")].toArray();
    ASSERT_EQ(m.size(), 1);
    EXPECT_EQ(m[0].toObject()[QStringLiteral("texto")].toString(), MensajeArchivo(FalloArchivo::MalEstado));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), viejo);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"calc.trv"});
}

// Values the sheets would refuse are kept as read, and named for the script.
TEST(Calc, AvisosDeUnArchivoDudoso)
{
    QTemporaryDir dir;
    Calculo c;
    InicializarCalculo(c);
    ASSERT_EQ(LeerValores(kReferencia, c), FalloArchivo::Ninguno);
    c.Personal.C(7) = Valor(1000.0);                 // below 5.000 km
    c.Personal.V(1) = Valor(QStringLiteral("caro")); // text for a price
    c.Personal.V(16) = Valor(5.0);                   // an odd number of tyres
    c.Referencia.C(7) = Valor(500000.0);             // above 400.000 km
    const QString ruta = dir.filePath(QStringLiteral("dudoso.trv"));
    ASSERT_EQ(EscribirValores(ruta, c, QDate(2026, 1, 2)), FalloArchivo::Ninguno);

    const Ejecucion e = Calc({"--locale", "es_ES", ruta});
    ASSERT_EQ(e.codigo, 0);
    QStringList nombrados;
    for (const QJsonValue& v : QJsonDocument::fromJson(e.salida).object()[QStringLiteral("avisos")].toArray()) {
        const QJsonObject a = v.toObject();
        nombrados << a[QStringLiteral("columna")].toString() + u' ' + a[QStringLiteral("campo")].toString();
        EXPECT_FALSE(a[QStringLiteral("mensaje")].toString().isEmpty());
    }
    // V.41, the diesel refund, now exceeds a price that counts as 0.
    EXPECT_EQ(nombrados.join(u','), "personal C.7,personal V.1,personal V.16,personal V.41,referencia C.7");
    EXPECT_EQ(e.json("personal")[QStringLiteral("C")].toObject()[QStringLiteral("7")].toDouble(), 1000); // kept

    // The twenty reference files are clean.
    for (const QString& brm : QDir(QStringLiteral(TARVIA_BIN_DIR "/Baremario")).entryList({"*.brm"})) {
        const Ejecucion r = Calc({QStringLiteral(TARVIA_BIN_DIR "/Baremario/") + brm});
        EXPECT_EQ(QJsonDocument::fromJson(r.salida).object()[QStringLiteral("avisos")].toArray(), QJsonArray())
            << brm.toStdString();
    }
}

// A script on a machine set to another language: entries that are refused
// or read as another number are named, and --estricto fails the run.
TEST(Calc, EntradasRechazadasOMalLeidas)
{
    const struct {
        const char* locale;
        const char* set;
        const char* leido; // misread: as the box shows it; refused: null
    } casos[] = {
        {"en_US", "V.1=1,60", nullptr},    // read as 160 €/l: refused by the limits
        {"es_ES", "V.1=1.45", nullptr},    // the same with a point in Spain
        {"es_ES", "C.7=150.00", "15.000"}, // within the limits
        {"es_ES", "C.7=-150000", "150.000"}, {"es_ES", "C.19=17,25", "17,2"}, // cut to the box's four characters
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.set);
        for (bool estricto : {false, true}) {
            QStringList args{"--locale", k.locale, kReferencia, "--set", k.set};
            if (estricto)
                args.prepend("--estricto");
            const Ejecucion e = Calc(args);
            EXPECT_EQ(e.codigo, estricto ? 65 : 0);
            const QJsonObject j = QJsonDocument::fromJson(e.salida).object();
            const QString campo = QString::fromUtf8(k.set).section(u'=', 0, 0);
            const QString texto = QString::fromUtf8(k.set).section(u'=', 1);
            if (!k.leido) {
                const QJsonObject m = j[QStringLiteral("mensajes")].toArray()[0].toObject();
                EXPECT_EQ(m[QStringLiteral("campo")].toString(), campo);
                EXPECT_EQ(m[QStringLiteral("texto_introducido")].toString(), texto);
            } else {
                const QJsonObject a = j[QStringLiteral("avisos")].toArray()[0].toObject();
                EXPECT_EQ(a[QStringLiteral("campo")].toString(), campo);
                EXPECT_TRUE(a[QStringLiteral("mensaje")].toString().contains(
                    QStringLiteral("«%1» en %2 se ha leído como %3").arg(texto, campo, QString::fromUtf8(k.leido))));
            }
        }
    }
    // A plain number in the locale, grouped or not, is no warning.
    const Ejecucion bien =
        Calc({"--estricto", "--locale", "es_ES", kReferencia, "--set", "C.7=150.000", "--set", "V.1=1,45"});
    EXPECT_EQ(bien.codigo, 0) << bien.salida.toStdString();
}

// The text summary in the locale asked for, or Spain's where none is
// configured; refused entries on standard error; the services with data.
TEST(Calc, ResumenDeTextoSegunElLocale)
{
    const double total =
        Calc({kReferencia}).json("personal")[QStringLiteral("R")].toObject()[QStringLiteral("19")].toDouble();
    const Ejecucion ingles = Calc({"--formato", "texto", "--locale", "en_US", kReferencia});
    EXPECT_TRUE(QString::fromUtf8(ingles.salida)
                    .contains(FormatearNumero(total, 2, Localizacion::Desde(QLocale(QLocale::English)))));

    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"LANG", "LANGUAGE", "LC_MESSAGES", "LC_NUMERIC"})
        entorno.remove(QString::fromUtf8(v));
    entorno.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    const Ejecucion e = Calc({"--formato", "texto", "--hoy", "2026-12-15", kReferencia, "--set", "C.7=10", "--set",
                              "S.3=250", "--set", "S.4=5,5"},
                             entorno);
    ASSERT_EQ(e.codigo, 0);
    const QString texto = QString::fromUtf8(e.salida);
    EXPECT_TRUE(
        texto.contains(FormatearNumero(total, 2, Localizacion::Desde(QLocale(QLocale::Spanish, QLocale::Spain)))));
    EXPECT_TRUE(texto.contains(QStringLiteral("Servicio 1"))) << texto.toStdString();
    EXPECT_FALSE(texto.contains(QStringLiteral("Servicio 2")));
    EXPECT_TRUE(texto.contains(QStringLiteral("250,0")));
    EXPECT_TRUE(e.errores.startsWith(QStringLiteral("Error (C.7 = «10»): Valor mínimo = 5.000")))
        << e.errores.toStdString();
}

} // namespace
} // namespace tarvia

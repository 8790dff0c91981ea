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
        if (c.codigo == 65) {
            EXPECT_FALSE(e.errores.trimmed().contains(u'\n')) << args; // one line
        }
    }
    EXPECT_TRUE(EsMensajeDeArchivo(Calc({QStringLiteral("/no/existe/nada.trv")}).errores.trimmed()));
    // No file needed to learn the fields.
    const Ejecucion campos = Calc({"--locale", "es_ES", "--campos", "F1"});
    EXPECT_EQ(campos.codigo, 0);
    EXPECT_TRUE(
        campos.salida.contains("F1.11\tInterés anual de la financiación (%)\tentrada, 2 decimales, de 0,10 a 25,00"))
        << campos.salida.toStdString();
    EXPECT_FALSE(campos.salida.contains("C.7"));
    EXPECT_TRUE(Calc({f, QStringLiteral("--set"), QStringLiteral("C.9=5")}).errores.contains(QStringLiteral("C.9")));
}

TEST(Calc, FijarCampoComoElUsuario)
{
    // Accepted: stored with the locale's separator, recalculated, a change to save.
    const Ejecucion e = Calc({"--locale", "es_ES", "--pantalla", kReferencia, "--set", "C.7=120.000", "--set",
                              "C.19=17,25", "--opcion", "F1.1=2", "--set", "F1.12=9000"});
    ASSERT_EQ(e.codigo, 0) << e.errores.toStdString();
    const QJsonObject p = e.json("personal");
    const auto n = [&p](const char* h, int i) {
        return p[QString::fromUtf8(h)].toObject()[QString::number(i)].toDouble();
    };
    EXPECT_EQ(n("C", 7), 120000);
    EXPECT_EQ(n("C", 9), 120000 * n("C", 8) / 100);
    EXPECT_EQ(n("C", 19), 17.2); // MaxLength 4 cuts the pasted text to "17,2"
    EXPECT_EQ(n("F1", 12), 9000);
    EXPECT_TRUE(QJsonDocument::fromJson(e.salida).object()[QStringLiteral("hayCambios")].toBool());
    const QJsonObject caja = e.json("pantalla")[QStringLiteral("personal")]
                                 .toObject()[QStringLiteral("C")]
                                 .toObject()[QStringLiteral("7")]
                                 .toObject();
    EXPECT_EQ(caja[QStringLiteral("texto")].toString(), QStringLiteral("120.000"));

    // Refused: the old value stays and the message window says why.
    const Ejecucion r = Calc({"--locale", "es_ES", kReferencia, "--set", "C.7=100"});
    ASSERT_EQ(r.codigo, 0);
    EXPECT_EQ(r.json("personal")[QStringLiteral("C")].toObject()[QStringLiteral("7")].toDouble(),
              r.json("referencia")[QStringLiteral("C")].toObject()[QStringLiteral("7")].toDouble());
    const QJsonArray mensajes = QJsonDocument::fromJson(r.salida).object()[QStringLiteral("mensajes")].toArray();
    ASSERT_EQ(mensajes.size(), 1);
    EXPECT_EQ(mensajes[0].toObject()[QStringLiteral("texto")].toString(),
              QStringLiteral("Valor mínimo = 5.000\r\n\r\nValor máximo = 400.000\r\n\r\n"));
    EXPECT_FALSE(QJsonDocument::fromJson(r.salida).object()[QStringLiteral("hayCambios")].toBool(true));
}

TEST(Calc, GuardarVolverAAbrirYFalloAlGuardar)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("prueba.trv"));
    const Ejecucion e = Calc({"--hoy", "2027-01-15", kReferencia, "--opcion", "F1.1=2", "--ver", "R", "--guardar",
                              dir.filePath("no/existe/x.trv"), "--guardar", ruta});
    ASSERT_EQ(e.codigo, 73) << e.errores.toStdString(); // one save could not be written
    const QJsonArray mensajes = QJsonDocument::fromJson(e.salida).object()[QStringLiteral("mensajes")].toArray();
    ASSERT_EQ(mensajes.size(), 1); // the failed save; the run went on
    EXPECT_EQ(mensajes[0].toObject()[QStringLiteral("titulo")].toString(), QStringLiteral("Error"));
    EXPECT_TRUE(EsMensajeDeArchivo(mensajes[0].toObject()[QStringLiteral("texto")].toString()));
    EXPECT_FALSE(QJsonDocument::fromJson(e.salida).object()[QStringLiteral("hayCambios")].toBool(true));

    const QJsonObject p = e.json("personal");
    EXPECT_EQ(p[QStringLiteral("Fecha")].toString(), QStringLiteral("2027-01-15"));
    EXPECT_EQ(Calc({ruta}).json("personal"), p);
    // Rented tractor: its yearly cost plus the bought semitrailer (the file buys no equipment).
    const auto n = [&p](const char* h, int i) {
        return p[QString::fromUtf8(h)].toObject()[QString::number(i)].toDouble();
    };
    ASSERT_EQ(n("F2", 14), 0);
    EXPECT_NEAR(n("R", 1), n("F1", 12) + (n("F2", 26) - n("F2", 7)) / n("F2", 5), 0.005);

    EXPECT_TRUE(QJsonDocument::fromJson(Calc({kReferencia, "--opcion", "F1.1=2"}).salida)
                    .object()[QStringLiteral("hayCambios")]
                    .toBool(false));
}

TEST(Calc, ResumenEnTextoConLaLocalizacion)
{
    const double total =
        Calc({kReferencia}).json("personal")[QStringLiteral("R")].toObject()[QStringLiteral("19")].toDouble();
    for (const char* nombre : {"es_ES", "en_US"}) {
        const Ejecucion e = Calc({"--formato", "texto", "--locale", nombre, kReferencia});
        ASSERT_EQ(e.codigo, 0) << e.errores.toStdString();
        const QString texto = QString::fromUtf8(e.salida);
        EXPECT_TRUE(texto.contains(FormatearNumero(total, 2, Localizacion::Desde(QLocale(QString::fromUtf8(nombre))))))
            << nombre;
        for (const char* rotulo : {"Costes Totales", "Costes Indirectos", "C1 = ", "C4 = ", "€/km en carga"})
            EXPECT_TRUE(texto.contains(QString::fromUtf8(rotulo))) << rotulo;
        EXPECT_EQ(texto.count(QStringLiteral("C5 = ")), 1); // the reference has no tonnage
    }
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

// The service sheet prices with the unit costs as they are after a change on
// sheet C, exactly as a fresh opening of the same data would.
TEST(Calc, ServiciosConLosCostesUnitariosActuales)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("servicios.trv"));
    const Ejecucion e = Calc({"--locale", "es_ES", kReferencia, "--set", "S.2=100", "--set", "S.3=250", "--set",
                              "S.4=5,5", "--set", "C.7=60.000", "--ver", "S", "--guardar", ruta});
    ASSERT_EQ(e.codigo, 0) << e.errores.toStdString();
    const QJsonObject ahora = e.json("personal")[QStringLiteral("S")].toObject();
    const QJsonObject antes =
        Calc({"--locale", "es_ES", kReferencia, "--set", "S.2=100", "--set", "S.3=250", "--set", "S.4=5,5"})
            .json("personal")[QStringLiteral("S")]
            .toObject();
    EXPECT_NE(ahora[QStringLiteral("5")], antes[QStringLiteral("5")]) << "half the kilometres: dearer per km";
    EXPECT_EQ(ahora, Calc({"--locale", "es_ES", ruta}).json("personal")[QStringLiteral("S")].toObject());
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

    // CSV: a header and one row per file, 2 + 54 fields each.
    const Ejecucion csv = Calc({"--locale", "es_ES", "--formato", "csv", "--comparar", kReferencia, furgoneta});
    ASSERT_EQ(csv.codigo, 0);
    const QStringList filas = QString::fromUtf8(csv.salida).trimmed().split(u'\n');
    ASSERT_EQ(filas.size(), 3);
    for (const QString& f : filas)
        EXPECT_EQ(f.count(u';'), 55) << f.toStdString();
    EXPECT_TRUE(filas[1].contains(QStringLiteral("1,3172"))); // C1 in Spanish figures
}

// A sensitivity point is what typing that value and showing the results
// gives; the calculation itself is left as it was; a refused value says why.
TEST(Analisis, SensibilidadYEquilibrio)
{
    const Ejecucion e =
        Calc({"--locale", "es_ES", kReferencia, "--sensibilidad", "C.7=1000:120000:3", "--equilibrio", "1.30"});
    ASSERT_EQ(e.codigo, 0);
    const QJsonObject j = QJsonDocument::fromJson(e.salida).object();
    EXPECT_EQ(j[QStringLiteral("personal")], Calc({"--locale", "es_ES", kReferencia}).json("personal"));
    const QJsonArray puntos = j[QStringLiteral("sensibilidad")].toObject()[QStringLiteral("puntos")].toArray();
    ASSERT_EQ(puntos.size(), 3);
    EXPECT_TRUE(puntos[0].toObject()[QStringLiteral("rechazado")].toBool()); // below 5.000 km
    EXPECT_TRUE(puntos[0].toObject()[QStringLiteral("mensaje")].toString().startsWith(QStringLiteral("Valor mínimo")));
    EXPECT_EQ(puntos[1].toObject()[QStringLiteral("valor")].toDouble(), 60500);
    EXPECT_EQ(puntos[1].toObject()[QStringLiteral("R")].toObject(),
              ResultadosR(Calc({"--locale", "es_ES", kReferencia, "--set", "C.7=60500", "--ver", "R"}).salida));

    // Break-even exact to the km: C1 at x is at or below the price, at x − 1 above.
    const QJsonValue km = j[QStringLiteral("equilibrio")].toObject()[QStringLiteral("km_anuales")];
    ASSERT_TRUE(km.isDouble());
    const auto c1 = [](int x) {
        return ResultadosR(
                   Calc({"--locale", "es_ES", kReferencia, "--set", QStringLiteral("C.7=%1").arg(x), "--ver", "R"})
                       .salida)[QStringLiteral("43")]
            .toDouble();
    };
    EXPECT_LE(c1(km.toInt()), 1.30);
    EXPECT_GT(c1(km.toInt() - 1), 1.30);
    // Not even 400.000 km bring it this low.
    EXPECT_TRUE(Calc({kReferencia, "--equilibrio", "0.5"}).json("equilibrio")[QStringLiteral("km_anuales")].isNull());
    // Not an input, or too few steps: a usage error.
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
        bool rechazada; // otherwise misread
    } casos[] = {
        {"en_US", "V.1=1,60", true},     // read as 160 €/l: refused by the limits
        {"es_ES", "V.1=1.45", true},     // the same with a point in Spain
        {"es_ES", "C.7=150.00", false},  // read as 15.000 km: within the limits
        {"es_ES", "C.7=-150000", false}, // never negative: read as 150.000
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
            if (k.rechazada) {
                const QJsonObject m = j[QStringLiteral("mensajes")].toArray()[0].toObject();
                EXPECT_EQ(m[QStringLiteral("campo")].toString(), campo);
                EXPECT_EQ(m[QStringLiteral("texto_introducido")].toString(), texto);
            } else {
                const QJsonObject a = j[QStringLiteral("avisos")].toArray()[0].toObject();
                EXPECT_EQ(a[QStringLiteral("campo")].toString(), campo);
                EXPECT_TRUE(a[QStringLiteral("mensaje")].toString().contains(texto));
            }
        }
    }
    // A plain number in the locale is no warning.
    const Ejecucion bien =
        Calc({"--estricto", "--locale", "es_ES", kReferencia, "--set", "C.7=150.000", "--set", "V.1=1,45"});
    EXPECT_EQ(bien.codigo, 0) << bien.salida.toStdString();
}

// The text summary: messages on standard error, the services when any has
// data, and Spain's figures where no locale is configured.
TEST(Calc, ResumenDeTextoSinLocaleConServiciosYMensajes)
{
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"LANG", "LANGUAGE", "LC_MESSAGES", "LC_NUMERIC"})
        entorno.remove(QString::fromUtf8(v));
    entorno.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    const Ejecucion e = Calc({"--formato", "texto", "--hoy", "2026-12-15", kReferencia, "--set", "C.7=10", "--set",
                              "S.3=250", "--set", "S.4=5,5"},
                             entorno);
    ASSERT_EQ(e.codigo, 0);
    const QString texto = QString::fromUtf8(e.salida);
    const double total =
        Calc({kReferencia}).json("personal")[QStringLiteral("R")].toObject()[QStringLiteral("19")].toDouble();
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

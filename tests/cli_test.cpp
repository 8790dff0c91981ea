// tarvia-calc run as a user scripts it: the built program on a reference file.
#include "csv_prueba.h"

#include "core/campos.h"
#include "core/catalogo.h"
#include "core/formato.h"
#include "core/grupos.h"
#include "engine/abrir.h"
#include "engine/precios_gasoleo.h"
#include "presentacion/cifras.h"
#include "presentacion/edicion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <unistd.h>

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

// Run from the program's folder, so that relative paths read as in the fixed
// outputs; a run that does not end, or crashes, gives -1.
Ejecucion Calc(const QStringList& args, const QProcessEnvironment& entorno = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(entorno);
    p.setWorkingDirectory(QStringLiteral(TARVIA_BIN_DIR));
    p.start(QStringLiteral(TARVIA_BIN_DIR "/tarvia-calc"), args);
    const bool terminado = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit;
    return {terminado ? p.exitCode() : -1, p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
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
        const Ejecucion e = Calc(args, entorno);
        EXPECT_EQ(e.codigo, caso[QStringLiteral("codigo")].toInt(0));
        // "err": a run that ends before any output; its standard error says why.
        const QByteArray fijada = tipo == QStringLiteral("err") ? QByteArray() : leer(nombre + u'.' + tipo);
        if (tipo == QStringLiteral("json"))
            EXPECT_EQ(QJsonDocument::fromJson(e.salida), QJsonDocument::fromJson(fijada));
        else
            EXPECT_EQ(e.salida.toStdString(), fijada.toStdString());
        EXPECT_EQ(e.errores.toStdString(), leer(nombre + QStringLiteral(".err")).toStdString());
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

// --pdf and --resumen never replace the calculation read, however its path is
// written (another spelling, a symbolic link, a hard link), nor a file ending
// in .trv: the run ends with 65 and the file keeps every byte.
TEST(Calc, PdfNoSustituyeUnCalculo)
{
    QTemporaryDir dir;
    const QString calculo = dir.filePath(QStringLiteral("camion.trv"));
    const QString copia = dir.filePath(QStringLiteral("camion.brm"));
    ASSERT_EQ(Calc({"--locale", "es_ES", kReferencia, "--guardar", calculo}).codigo, 0);
    ASSERT_TRUE(QFile::copy(kReferencia, copia));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    ASSERT_TRUE(QFile::link(copia, dir.filePath(QStringLiteral("enlace.pdf"))));
    ASSERT_EQ(::link(QFile::encodeName(copia).constData(), QFile::encodeName(dir.filePath("duro.pdf")).constData()), 0);
    const auto bytes = [](const QString& ruta) {
        QFile f(ruta);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray antesTrv = bytes(calculo), antesBrm = bytes(copia);
    const struct {
        QString leido, pdf;
        const char* motivo;
    } casos[] = {
        {calculo, calculo, "no escribe sobre el cálculo abierto"},
        {calculo, dir.filePath(QStringLiteral("sub/../camion.trv")), "no escribe sobre el cálculo abierto"},
        {copia, dir.path() + QStringLiteral("/./sub/../camion.brm"), "no escribe sobre el cálculo abierto"},
        {copia, dir.filePath(QStringLiteral("enlace.pdf")), "no escribe sobre el cálculo abierto"},
        {copia, dir.filePath(QStringLiteral("duro.pdf")), "no escribe sobre el cálculo abierto"},
        {copia, dir.filePath(QStringLiteral("otro.TRV")), "no escribe en un archivo .trv, que es un cálculo"},
    };
    for (const QString opcion : {"--pdf", "--resumen"})
        for (const auto& c : casos) {
            SCOPED_TRACE((opcion + u' ' + c.pdf).toStdString());
            const Ejecucion e = Calc({"--locale", "es_ES", c.leido, opcion, c.pdf});
            EXPECT_EQ(e.codigo, 65);
            EXPECT_TRUE(e.salida.isEmpty());
            EXPECT_EQ(e.errores.toStdString(), QStringLiteral("tarvia-calc: %1 %2: «%3»\n")
                                                   .arg(opcion, QString::fromUtf8(c.motivo), c.pdf)
                                                   .toStdString());
        }
    // Nor the calculation saved on the way, which the run then reads as its own.
    const QString guardado = dir.filePath(QStringLiteral("guardado.pdf"));
    const Ejecucion e = Calc({"--locale", "es_ES", copia, "--guardar", guardado, "--resumen", guardado});
    EXPECT_EQ(e.codigo, 65);
    EXPECT_EQ(e.errores.toStdString(),
              QStringLiteral("tarvia-calc: --resumen no escribe sobre el cálculo abierto: «%1»\n")
                  .arg(guardado)
                  .toStdString());
    EXPECT_EQ(Calc({"--locale", "es_ES", guardado}).codigo, 0); // still the calculation, not a PDF
    EXPECT_EQ(bytes(calculo), antesTrv);
    EXPECT_EQ(bytes(copia), antesBrm);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("otro.TRV"))));
}

// A PDF's pages and text as poppler reads them back; -1 and "" when it cannot.
int PaginasPdf(const QString& ruta)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {ruta});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return -1;
    const auto m = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption)
                       .match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
QString TextoPdf(const QString& ruta)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), ruta, QStringLiteral("-")});
    return p.waitForFinished(30000) && p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

// --resumen writes one page for every reference vehicle and for the longest
// descriptions its fields take, with the calculation's C1 and total cost as
// the JSON gives them, in the locale's figures, after the actions' changes.
TEST(Calc, ResumenEnUnaPagina)
{
    QTemporaryDir dir;
    const Localizacion es = Localizacion::Desde(QLocale(QLocale::Spanish, QLocale::Spain));
    struct Caso {
        QString archivo;
        QStringList acciones;
        QString texto; // on the page besides the figures
    };
    std::vector<Caso> casos;
    for (const QFileInfo& f : QDir(QStringLiteral(TARVIA_BIN_DIR "/Baremario"))
                                  .entryInfoList({QStringLiteral("*.brm")}, QDir::Files, QDir::Name))
        casos.push_back({f.filePath(), {}, f.fileName()});
    ASSERT_EQ(casos.size(), 20u);
    const QString frigorifico = QStringLiteral(TARVIA_BIN_DIR "/Baremario/Frigorifico Articulado.brm");
    // 55 and 45 characters, the most C.1 and C.6 hold: real words, and letters as wide as they come.
    casos.push_back({frigorifico,
                     {"--set", "C.1=Tráiler frigorífico de Transportes García e Hijos, S.L.", "--set",
                      "C.6=Reparto nocturno Zaragoza–Sevilla–Algeciras.", "--set", "C.7=150000"},
                     "Tráiler frigorífico de Transportes García e Hijos, S.L."});
    casos.push_back({kReferencia,
                     {"--set", "C.1=" + QString(55, u'W'), "--set", "C.6=" + QString(45, u'M'), "--opcion", "F1.1=2"},
                     QString(20, u'W')});
    for (const Caso& c : casos) {
        SCOPED_TRACE((c.archivo + u' ' + c.acciones.join(u' ')).toStdString());
        const QString pdf = dir.filePath(QStringLiteral("resumen.pdf"));
        QFile::remove(pdf);
        const Ejecucion e =
            Calc(QStringList{"--locale", "es_ES", c.archivo} + c.acciones + QStringList{"--resumen", pdf});
        ASSERT_EQ(e.codigo, 0) << e.errores.toStdString();
        EXPECT_EQ(PaginasPdf(pdf), 1);
        const QJsonObject r = e.json("personal")[QStringLiteral("R")].toObject();
        const QString texto = TextoPdf(pdf);
        for (CampoDeHoja campo : {campos::R::C1, campos::R::Totales}) {
            const QString cifra = FormatearNumero(r[QString::number(campo.i)].toDouble(), Decimales(campo), es);
            EXPECT_TRUE(texto.contains(cifra)) << cifra.toStdString();
        }
        EXPECT_TRUE(texto.contains(c.texto)) << texto.toStdString();
        // Each heading of the pie whole on its line in the table and in the legend.
        for (CampoDeHoja porcion : campos::kPorcionesDelGrafico)
            EXPECT_GE(texto.count(RotuloDeResultado(porcion)), 2) << RotuloDeResultado(porcion).toStdString();
    }
}

// A reference data file is never written, whatever way --guardar names it:
// the user's copy that was opened, a new ".BRM", a calculation's name linked
// to one. Each run says why in its messages and ends with 73; the file keeps
// its bytes and nothing new appears beside it.
TEST(Calc, GuardarNuncaEscribeDatosDeReferencia)
{
    QTemporaryDir dir;
    const QString copia = dir.filePath(QStringLiteral("Copia.brm"));
    ASSERT_TRUE(QFile::copy(kReferencia, copia));
    ASSERT_TRUE(QFile::link(copia, dir.filePath(QStringLiteral("enlace.trv"))));
    QFile f(copia);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    const QStringList antes = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const char* destino : {"Copia.brm", "OTRA.BRM", "enlace.trv"}) {
        SCOPED_TRACE(destino);
        const QString ruta = dir.filePath(QString::fromUtf8(destino));
        const Ejecucion e = Calc({"--locale", "es_ES", copia, "--set", "C.7=150000", "--guardar", ruta, "--ver", "R"});
        EXPECT_EQ(e.codigo, 73) << e.errores.toStdString();
        const QJsonArray mensajes = QJsonDocument::fromJson(e.salida).object()[QStringLiteral("mensajes")].toArray();
        ASSERT_EQ(mensajes.size(), 1);
        EXPECT_TRUE(mensajes[0].toObject()[QStringLiteral("texto")].toString().startsWith(
            QStringLiteral("Los datos de referencia (los ficheros .brm y la carpeta Baremario) no se modifican")));
        EXPECT_TRUE(QJsonDocument::fromJson(e.salida).object()[QStringLiteral("hayCambios")].toBool(false));
    }
    QFile otra(copia);
    ASSERT_TRUE(otra.open(QIODevice::ReadOnly));
    EXPECT_EQ(otra.readAll(), bytes);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), antes);
}

// Every analysis gives the same exit code in json and texto, a refusal
// included; csv draws only the sensitivity series and is a usage error for
// the rest. Where the run succeeds, the text shows the analysis's block.
TEST(Calc, CadaAnalisisTerminaIgualEnCadaFormato)
{
    const struct {
        QStringList args;
        int codigo;    // json and texto
        int codigoCsv; // csv
        const char* bloque;
    } casos[] = {
        {{"--sensibilidad", "C.7=60.000:180.000:3"}, 0, 0, "Sensibilidad de C.7"},
        {{"--sensibilidad", "C.9=1:2:2"}, 65, 65, nullptr},   // computed from C.7
        {{"--sensibilidad", "F1.14=1:2:2"}, 65, 65, nullptr}, // closed while the vehicle is bought
        {{"--sensibilidad", "C.1=1:2:2"}, 64, 64, nullptr},   // a text holds no figure
        {{"--equilibrio", "1,30"}, 0, 64, "Punto de equilibrio"},
        {{"--equilibrio", "0,01"}, 0, 64, "Ninguno"},
        {{"--revision", "1000:1,40:1.54"}, 0, 64, "Revisión del precio por el gasóleo"},
        {{"--set", "S.3=250", "--set", "S.4=5,5", "--presupuesto", "1:10"}, 0, 64, "Presupuesto del servicio 1"},
        {{"--presupuesto", "1:10"}, 65, 64, nullptr}, // the service has no cost
        {{"--equilibrio", "1,2,3"}, 64, 64, nullptr},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        for (const char* formato : {"json", "texto", "csv"}) {
            SCOPED_TRACE(formato);
            const Ejecucion e = Calc(QStringList{"--locale", "es_ES", "--formato", formato, kReferencia} + c.args);
            const bool csv = QByteArrayView(formato) == "csv";
            EXPECT_EQ(e.codigo, csv ? c.codigoCsv : c.codigo) << e.errores.toStdString();
            if (e.codigo != 0) {
                EXPECT_TRUE(e.salida.isEmpty());
            } else if (QByteArrayView(formato) == "texto") {
                EXPECT_TRUE(QString::fromUtf8(e.salida).contains(QString::fromUtf8(c.bloque)));
            }
        }
    }
}

// The CSV on standard output as a spreadsheet or a script reads it: no
// byte-order mark, one header row, every row as wide; after the texts each
// figure a plain number in the locale, the JSON's value at the field's decimals.
TEST(Calc, CsvConCifrasQueSeLeenComoNumeros)
{
    const QString furgoneta = QStringLiteral(TARVIA_BIN_DIR "/Baremario/Furgoneta.brm");
    const struct {
        QStringList args;
        const char* lista; // in the JSON: "comparacion" or "sensibilidad"
        QChar decimal;
        int filas;
    } casos[] = {
        {{"--locale", "es_ES", "--comparar", kReferencia, furgoneta}, "comparacion", u',', 2},
        {{"--locale", "en_US", "--comparar", kReferencia, furgoneta}, "comparacion", u'.', 2},
        {{"--locale", "es_ES", kReferencia, "--sensibilidad", "C.7=60.000:180.000:4"}, "sensibilidad", u',', 4},
        {{"--locale", "en_US", kReferencia, "--sensibilidad", "V.1=1.234:1.5:3"}, "sensibilidad", u'.', 3},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const Ejecucion csv = Calc(QStringList{"--formato", "csv"} + c.args);
        const Ejecucion json = Calc(QStringList{"--formato", "json"} + c.args);
        ASSERT_EQ(csv.codigo, 0) << csv.errores.toStdString();
        ASSERT_EQ(json.codigo, 0) << json.errores.toStdString();
        EXPECT_FALSE(csv.salida.startsWith("\xEF\xBB\xBF"));
        const auto filas = prueba::LeerFilasCsv(QString::fromUtf8(csv.salida));
        ASSERT_TRUE(filas) << csv.salida.toStdString();
        ASSERT_EQ(filas->size(), c.filas + 1);
        const int resultados = NumeroDeCampos(Hoja::R);
        const bool comparacion = QByteArrayView(c.lista) == "comparacion";
        const QJsonObject documento = QJsonDocument::fromJson(json.salida).object();
        const QJsonArray elementos = comparacion ? documento[QStringLiteral("comparacion")].toArray()
                                                 : json.json("sensibilidad")[QStringLiteral("puntos")].toArray();
        ASSERT_EQ(elementos.size(), c.filas);
        const auto leer = [&](const QString& campo) { return QString(campo).replace(c.decimal, u'.').toDouble(); };
        for (int f = 1; f <= c.filas; ++f) {
            const QStringList& fila = (*filas)[f];
            ASSERT_EQ(fila.size(), 2 + resultados) << "fila " << f;
            const QJsonObject e = elementos[f - 1].toObject();
            if (!comparacion) {
                EXPECT_TRUE(prueba::EsNumeroCsv(fila[0], c.decimal)) << fila[0].toStdString();
                EXPECT_DOUBLE_EQ(leer(fila[0]), e[QStringLiteral("valor")].toDouble());
            }
            for (int i = 1; i <= resultados; ++i) {
                const QString& campo = fila[1 + i];
                EXPECT_TRUE(prueba::EsNumeroCsv(campo, c.decimal)) << "R." << i << ": " << campo.toStdString();
                const double x = e[QStringLiteral("R")].toObject()[QString::number(i)].toDouble();
                EXPECT_NEAR(leer(campo), x, 0.5 * std::pow(10.0, -Decimales(Hoja::R, i)) + 1e-9)
                    << "R." << i << ": " << campo.toStdString();
            }
        }
    }
}

// An analysis works on a copy: the calculation written (both columns, the
// unsaved mark, the messages) is what the actions alone leave, even where
// the analysis needs the results or the services refreshed.
TEST(Calc, UnAnalisisNoCambiaElCalculo)
{
    const struct {
        QStringList acciones, analisis;
    } casos[] = {
        {{"--set", "C.3=1500"}, {"--revision", "1000:1.40:1.54"}},
        {{"--set", "S.3=250", "--set", "S.4=5,5", "--set", "C.7=60000"}, {"--presupuesto", "1:10"}},
        {{"--set", "C.7=60000"}, {"--sensibilidad", "V.1=1:2:3"}},
        {{"--opcion", "F1.1=2"}, {"--equilibrio", "1,40"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.analisis.join(u' ').toStdString());
        const QStringList base = QStringList{"--locale", "es_ES", "--hoy", "2026-12-04", kReferencia} + c.acciones;
        const Ejecucion solo = Calc(base);
        const Ejecucion con = Calc(base + c.analisis);
        ASSERT_EQ(solo.codigo, 0) << solo.errores.toStdString();
        ASSERT_EQ(con.codigo, 0) << con.errores.toStdString();
        const QJsonObject a = QJsonDocument::fromJson(solo.salida).object();
        QJsonObject b = QJsonDocument::fromJson(con.salida).object();
        for (const char* clave : {"sensibilidad", "equilibrio", "revision", "presupuesto"})
            b.remove(QString::fromUtf8(clave));
        EXPECT_EQ(a, b);
    }
}

// A point of a sensitivity series is what typing its value with --set and
// showing the results gives: the same results, or the same refusal. Over
// input fields of several sheets, with ends that fall between the
// decimals the box keeps, and in both a comma and a point locale.
TEST(Calc, UnPuntoDeSensibilidadEsLoMismoQueEscribirlo)
{
    const QString cisterna = QStringLiteral(TARVIA_BIN_DIR "/Baremario/Cisterna Pulverulentos.brm");
    const struct {
        const char* locale;
        const char* campo;
        const char* serie; // in the locale
    } casos[] = {
        {"C", "F2.11", "0:27.49:5"},          // 6.8725 would be cut to the box's length
        {"es_ES", "V.1", "1,0005:1,4555:3"},  // 1,2280 is the decimal halfway
        {"es_ES", "C.7", "60.000,4:90000:3"}, // a field with no decimals
        {"C", "F1.3", "1000.333:2000:3"},     {"es_ES", "F3.1", "20000:35000,555:4"},
        {"es_ES", "V.16", "0:20:3"}, // refused past the field's limit
        {"C", "I.2", "1.5:9.995:3"},          {"es_ES", "S.3", "100:300,5:3"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.campo) + " " + c.locale);
        const QString campo = QString::fromUtf8(c.campo);
        const Ejecucion serie = Calc({"--locale", c.locale, cisterna, "--sensibilidad", campo + u'=' + c.serie});
        ASSERT_EQ(serie.codigo, 0) << serie.errores.toStdString();
        const QJsonArray puntos = serie.json("sensibilidad")[QStringLiteral("puntos")].toArray();
        ASSERT_GE(puntos.size(), 3);
        for (const QJsonValue v : puntos) {
            const QJsonObject punto = v.toObject();
            QString valor =
                QString::number(punto[QStringLiteral("valor")].toDouble(), 'g', QLocale::FloatingPointShortest);
            if (QByteArrayView(c.locale) == "es_ES")
                valor.replace(u'.', u',');
            SCOPED_TRACE(valor.toStdString());
            const Ejecucion tecleado =
                Calc({"--locale", c.locale, cisterna, "--set", campo + u'=' + valor, "--ver", "R"});
            ASSERT_EQ(tecleado.codigo, 0) << tecleado.errores.toStdString();
            const QJsonObject todo = QJsonDocument::fromJson(tecleado.salida).object();
            QJsonArray mensajes; // the refusals: a note such as a discount's is no refusal
            for (const QJsonValue m : todo[QStringLiteral("mensajes")].toArray())
                if (m.toObject()[QStringLiteral("titulo")].toString() == u"Error")
                    mensajes.append(m);
            if (punto[QStringLiteral("rechazado")].toBool()) {
                ASSERT_EQ(mensajes.size(), 1);
                EXPECT_EQ(mensajes[0].toObject()[QStringLiteral("texto")], punto[QStringLiteral("mensaje")]);
            } else {
                EXPECT_TRUE(mensajes.isEmpty());
                EXPECT_EQ(todo[QStringLiteral("personal")].toObject()[QStringLiteral("R")], punto[QStringLiteral("R")]);
            }
        }
    }
}

// A tarvia-calc whose user data folder is `carpeta`: the user's diesel months
// are read from carpeta/TARVIA/precios_gasoleo.tsv.
QProcessEnvironment ConDatosDeUsuario(const QString& carpeta)
{
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(QStringLiteral("XDG_DATA_HOME"), carpeta);
    return e;
}

void EscribirFichero(const QString& ruta, const QByteArray& bytes)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// --revision by dates against the hand computation from the table: the two
// shipped months, the user's own months (which take the place of the shipped
// one), the index of the contract's period, and a missing month that stops
// the run with 65 naming it.
TEST(Calc, RevisionPorFechasComoLaCuentaAMano)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("TARVIA")));
    EscribirFichero(dir.filePath(QStringLiteral("TARVIA/precios_gasoleo.tsv")), "2022-09\t2,000\n2026-03\t1,645\n");
    EscribirFichero(dir.filePath(QStringLiteral("otros.tsv")), "2015-11\t1,0600\n");
    const QString otros = dir.filePath(QStringLiteral("otros.tsv"));
    const struct {
        QStringList fechas;
        QStringList extra;
        double g, ir, incremento; // P = 1.000 €, articulated 44 t
        const char* origenContrato;
        const char* origenServicio;
    } casos[] = {
        // May 2011 (1,2568) → November 2015 (1,0592): −0,1976 / 1,2568 = −15,72 %; × 1000 × 0,30 / 100.
        {{"05/05/2011", "30/11/2015"}, {}, -15.72, 0.30, -47.16, "oficial", "oficial"},
        // November 2015 (1,0592) → the user's March 2026 (1,645): 0,5858 / 1,0592 = 55,31 %.
        {{"2015-11-02", "20/03/2026"}, {}, 55.31, 0.30, 165.93, "oficial", "usuario"},
        // A contract of September 2022 (2,000) is under 0,40: −0,355 / 2 = −17,75 % → −71,00.
        {{"15/09/2022", "2026-03-31"}, {}, -17.75, 0.40, -71.00, "usuario", "usuario"},
        // Another file of the user's months: its November 2015 (1,0600) replaces the shipped one.
        {{"01/11/2015", "30/11/2015"}, {"--precios-gasoleo", otros}, 0, 0.30, 0, "usuario", "usuario"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.fechas.join(u' ').toStdString());
        const Ejecucion e = Calc(QStringList{kReferencia, "--revision", "1000", "--fecha-contrato", c.fechas[0],
                                             "--fecha-servicio", c.fechas[1]} +
                                     c.extra,
                                 ConDatosDeUsuario(dir.path()));
        ASSERT_EQ(e.codigo, 0) << e.errores.toStdString();
        const QJsonObject r = e.json("revision");
        EXPECT_DOUBLE_EQ(r[QStringLiteral("variacion_gasoleo_pct")].toDouble(), c.g);
        EXPECT_DOUBLE_EQ(r[QStringLiteral("indice_repercusion")].toDouble(), c.ir);
        EXPECT_DOUBLE_EQ(r[QStringLiteral("incremento")].toDouble(), c.incremento);
        EXPECT_DOUBLE_EQ(r[QStringLiteral("precio_revisado")].toDouble(), 1000 + c.incremento);
        EXPECT_EQ(r[QStringLiteral("origen_contrato")].toString(), QString::fromUtf8(c.origenContrato));
        EXPECT_EQ(r[QStringLiteral("origen_servicio")].toString(), QString::fromUtf8(c.origenServicio));
        EXPECT_EQ(r[QStringLiteral("mes_contrato")].toString(),
                  LeerFechaEscrita(c.fechas[0])->toString(QStringLiteral("yyyy-MM")));
    }
    // The user's file lacks March 2026 there: the month is named, nothing else is written.
    const Ejecucion falta = Calc({kReferencia, "--revision", "1000", "--fecha-contrato", "01/11/2015",
                                  "--fecha-servicio", "20/03/2026", "--precios-gasoleo", otros},
                                 ConDatosDeUsuario(dir.path()));
    EXPECT_EQ(falta.codigo, 65);
    EXPECT_TRUE(falta.salida.isEmpty());
    EXPECT_TRUE(falta.errores.contains(QStringLiteral("Falta el precio medio del gasóleo de marzo de 2026")))
        << falta.errores.toStdString();
    // Dates without a price to look up, or a lookup without dates, are usage errors.
    EXPECT_EQ(Calc({kReferencia, "--revision", "1000", "--fecha-contrato", "01/11/2015"}).codigo, 64);
    EXPECT_EQ(Calc({kReferencia, "--revision", "1000:1,4:1,5", "--fecha-servicio", "01/11/2015"}).codigo, 64);
    EXPECT_EQ(
        Calc({kReferencia, "--revision", "1000", "--fecha-contrato", "31/11/2015", "--fecha-servicio", "01/12/2015"})
            .codigo,
        64);
}

// A month of invoices: 500 services, five of them bad; the CSV holds the 495
// others and the total, the five are named on standard error, and the run
// ends with 65 after writing.
TEST(Calc, RevisarListaDeQuinientosServicios)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("TARVIA")));
    EscribirFichero(dir.filePath(QStringLiteral("TARVIA/precios_gasoleo.tsv")), "2026-01\t1,441\n2026-03\t1,645\n");
    QByteArray lista = "referencia;contrato;servicio;precio\n";
    const QSet<int> malas = {7, 150, 151, 320, 500};
    for (int linea = 2; linea <= 501; ++linea) {
        if (!malas.contains(linea))
            lista += QStringLiteral("S%1;15/01/2026;%2/03/2026;1250,00\n").arg(linea).arg(1 + linea % 28).toUtf8();
        else if (linea == 7)
            lista += "S7;15/01/2026;20/03/2026\n"; // no price
        else if (linea == 150)
            lista += "S150;15/01/2026;20/02/2026;1250,00\n"; // February has no price
        else if (linea == 151)
            lista += "S151;15/13/2026;20/03/2026;1250,00\n";
        else if (linea == 320)
            lista += "S320;15/01/2026;20/03/2026;1.250,00;0\n";
        else
            lista += "S500;15/01/2026;20/03/2026;doce\n";
    }
    EscribirFichero(dir.filePath(QStringLiteral("servicios.csv")), lista);
    const Ejecucion e =
        Calc({"--formato", "csv", kReferencia, "--revisar-lista", dir.filePath(QStringLiteral("servicios.csv"))},
             ConDatosDeUsuario(dir.path()));
    EXPECT_EQ(e.codigo, 65);
    const QStringList filas = QString::fromUtf8(e.salida).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(filas.size(), 1 + 495 + 1);
    // 14,16 % × 1.250 × 0,30 / 100 = 53,10 each.
    EXPECT_TRUE(filas[1].endsWith(QStringLiteral(";14,16;0,30;53,10;1303,10"))) << filas[1].toStdString();
    EXPECT_EQ(filas.back(), QStringLiteral("Total;;;618750,00;;;;;;;;;26284,50;645034,50"));
    const QStringList errores = e.errores.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(errores.size(), 5) << e.errores.toStdString();
    const char* const esperados[] = {"línea 7, línea:",
                                     "línea 150, fecha de servicio: Falta el precio medio del "
                                     "gasóleo de febrero de 2026",
                                     "línea 151, fecha de contrato:", "línea 320, MMA:", "línea 500, precio pactado:"};
    for (int k = 0; k < 5; ++k)
        EXPECT_TRUE(errores[k].startsWith(QString::fromUtf8(esperados[k]))) << errores[k].toStdString();

    // The same list in JSON: the rows, the errors and the totals.
    const Ejecucion j = Calc({kReferencia, "--revisar-lista", dir.filePath(QStringLiteral("servicios.csv"))},
                             ConDatosDeUsuario(dir.path()));
    EXPECT_EQ(j.codigo, 65);
    const QJsonObject r = j.json("revision_lista");
    EXPECT_EQ(r[QStringLiteral("filas")].toArray().size(), 495);
    EXPECT_EQ(r[QStringLiteral("errores")].toArray().size(), 5);
    EXPECT_DOUBLE_EQ(r[QStringLiteral("total_incremento")].toDouble(), 26284.50);
    // A list that cannot be read is a file not loaded.
    EXPECT_EQ(Calc({kReferencia, "--revisar-lista", dir.filePath(QStringLiteral("no_existe.csv"))}).codigo, 2);
}

// --help and the manual page describe the same options: one added to either
// and not to the other shows here.
TEST(Calc, LaAyudaYLaPaginaDeManualNombranLasMismasOpciones)
{
    const Ejecucion ayuda = Calc({"--help"});
    ASSERT_EQ(ayuda.codigo, 0);
    QFile pagina(QStringLiteral(TARVIA_TEST_DATA "/../../docs/tarvia-calc.1"));
    ASSERT_TRUE(pagina.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(pagina.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-"));
    const auto opciones = [](const QString& texto) {
        QSet<QString> o;
        const QRegularExpression opcion(QStringLiteral("--[a-z][a-z-]*[a-z]"));
        for (auto it = opcion.globalMatch(texto); it.hasNext();)
            o.insert(it.next().captured());
        return o;
    };
    const QSet<QString> enLaAyuda = opciones(QString::fromUtf8(ayuda.salida));
    EXPECT_GE(enLaAyuda.size(), 20);
    EXPECT_EQ(enLaAyuda, opciones(manual));
}

} // namespace

// The window's box and tarvia-calc read the same text alike: the same value
// kept, or the same refusal, and an aviso exactly where the dot was taken
// for the decimal point.
TEST(Calc, UnaSolaLecturaDeCifrasEnLaVentanaYEnElGuion)
{
    Documento base;
    InicializarCalculo(base.calculo);
    base.calculo.Local = Localizacion::Desde(QLocale(QLocale::Spanish, QLocale::Spain));
    ASSERT_EQ(LeerArchivo(base, kReferencia), FalloArchivo::Ninguno);
    const struct {
        const char* campo; // "V.1"
        Hoja hoja;
        int indice;
        const char* texto;
    } casos[] = {
        {"V.1", Hoja::V, 1, "1.52"},      {"V.1", Hoja::V, 1, "1,52"},    {"C.19", Hoja::C, 19, "31.5"},
        {"C.7", Hoja::C, 7, "98.000"},    {"C.7", Hoja::C, 7, "98000"},   {"C.7", Hoja::C, 7, "1.2.3"},
        {"V.1", Hoja::V, 1, "12,5,3"},    {"C.7", Hoja::C, 7, "98000,5"}, {"C.7", Hoja::C, 7, "-98000"},
        {"F1.2", Hoja::F1, 2, "1.234,5"}, {"V.1", Hoja::V, 1, "1.5.2"},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(std::string(k.campo) + "=" + k.texto);
        Documento doc = base;
        MostrarParaEditar(doc, k.hoja, k.indice);
        const bool aceptado = ConfirmarCampo(doc, k.hoja, k.indice, QString::fromUtf8(k.texto), kTeclaSalida);
        const Ejecucion e = Calc({"--locale", "es_ES", kReferencia, "--set",
                                  QString::fromUtf8(k.campo) + u'=' + QString::fromUtf8(k.texto)});
        ASSERT_EQ(e.codigo, 0) << e.errores.toStdString();
        const QJsonObject todo = QJsonDocument::fromJson(e.salida).object();
        const double leido = todo[QStringLiteral("personal")]
                                 .toObject()[QString::fromUtf8(Codigo(k.hoja))]
                                 .toObject()[QString::number(k.indice)]
                                 .toDouble();
        EXPECT_DOUBLE_EQ(leido, doc.calculo.Personal[k.hoja](k.indice).numeroOCero());
        bool rechazadoEnElGuion = false;
        for (const QJsonValue m : todo[QStringLiteral("mensajes")].toArray())
            rechazadoEnElGuion = rechazadoEnElGuion || m.toObject()[QStringLiteral("titulo")].toString() == u"Error";
        EXPECT_EQ(rechazadoEnElGuion, !aceptado);
        const bool punto = LeerCifra(QString::fromUtf8(k.texto), Decimales(k.hoja, k.indice), u',').como ==
                           LecturaCifra::Como::PuntoDecimal;
        EXPECT_EQ(todo[QStringLiteral("avisos")].toArray().size(), punto ? 1 : 0);
    }
}

} // namespace tarvia

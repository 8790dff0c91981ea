// The analyses' reports as a reader gets them: the PDF read back with
// pdftotext, from tarvia-calc --informe and from the windows' PDF buttons.
#include "ayuda_ventanas.h"

#include "core/catalogo.h"
#include "core/formato.h"
#include "core/grupos.h"
#include "presentacion/informes.h"
#include "results/pintar_informe.h"
#include "results/ventana_comparar.h"
#include "results/ventana_presupuesto.h"
#include "results/ventana_revision.h"
#include "results/ventana_revision_lista.h"
#include "results/ventana_sensibilidad.h"

#include <QDoubleSpinBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

using namespace tarvia;
using namespace tarvia::prueba;

namespace {

const QString kBaremario = DirectorioPrograma() + QStringLiteral("/Baremario/");
const QString kMiArticulado = DirectorioPrograma() + QStringLiteral("/Cálculos/Mi articulado.trv");

// The text of a PDF (one page, or all with 0) in drawing order, with
// every run of spaces and line ends folded into one space.
QString TextoPdf(const QString& ruta, int pagina = 0)
{
    QStringList args = {QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (pagina > 0)
        args << QStringLiteral("-f") << QString::number(pagina) << QStringLiteral("-l") << QString::number(pagina);
    args << ruta << QStringLiteral("-");
    QProcess p;
    p.start(QStringLiteral("pdftotext"), args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("(pdftotext no pudo leer %1)").arg(ruta);
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

struct Corrida {
    int codigo = -1;
    QJsonObject json;
    QString errores;
};

// tarvia-calc with no locale configured: the figures are Spain's.
Corrida Calc(const QStringList& args)
{
    QProcess p;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.remove(QStringLiteral("LANG"));
    entorno.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    p.setProcessEnvironment(entorno);
    p.start(DirectorioPrograma() + QStringLiteral("/tarvia-calc"), QStringList{"--formato", "json"} + args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), QJsonDocument::fromJson(p.readAllStandardOutput()).object(),
            QString::fromUtf8(p.readAllStandardError())};
}

QString Es(double x, int decimales) { return FormatearNumero(x, decimales, Localizacion{}); }

// The figure as a whole number in the text: "0,30" is not found in "0,300"
// nor "1.260" in "11.260".
bool ContieneCifra(const QString& texto, const QString& cifra)
{
    const QRegularExpression sola(
        QStringLiteral("(?<!\\d)(?<!\\d[.,])%1(?!\\d)(?![.,]\\d)").arg(QRegularExpression::escape(cifra)));
    return texto.contains(sola);
}

// Every result of a JSON "R" object, with its caption, is in the text.
void ResultadosEnElTexto(const QJsonObject& R, const QString& texto)
{
    ASSERT_EQ(R.size(), NumeroDeCampos(Hoja::R));
    for (auto it = R.begin(); it != R.end(); ++it) {
        const int i = it.key().toInt();
        EXPECT_TRUE(texto.contains(RotuloDeResultado({Hoja::R, i}))) << RotuloDeResultado({Hoja::R, i}).toStdString();
        if (it.value().isDouble()) {
            const QString cifra = Es(it.value().toDouble(), Decimales(Hoja::R, i));
            EXPECT_TRUE(ContieneCifra(texto, cifra)) << "R(" << i << ") = " << cifra.toStdString();
        }
    }
}

QStringList Referencias(int n)
{
    static const char* const kTipos[] = {
        "Articulado Carga General", "Furgoneta",         "Portavehiculos",           "2 Ejes Distribucion",
        "3 Ejes Carga General",     "Cisterna Quimicos", "Articulado Internacional", "3 Ejes Animales"};
    QStringList r;
    for (int k = 0; k < n; ++k)
        r << kBaremario + QString::fromUtf8(kTipos[k]) + QStringLiteral(".brm");
    return r;
}

} // namespace

// What a script asks for is what the PDF holds: every figure of the JSON and
// every caption, in the figures' own decimals.
TEST(Informe, ComparacionConCadaCifraDelJson)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("comparacion.pdf"));
    const Corrida c = Calc(QStringList{"--comparar"} + Referencias(3) + QStringList{"--informe", pdf});
    ASSERT_EQ(c.codigo, 0) << c.errores.toStdString();
    const QString texto = TextoPdf(pdf);
    const QJsonArray archivos = c.json[QStringLiteral("comparacion")].toArray();
    ASSERT_EQ(archivos.size(), 3);
    for (const QJsonValue& a : archivos) {
        EXPECT_TRUE(texto.contains(a[QStringLiteral("descripcion")].toString()));
        ResultadosEnElTexto(a[QStringLiteral("R")].toObject(), texto);
    }
    // The chart's legend names every heading of the pie.
    for (CampoDeHoja r : campos::kPorcionesDelGrafico)
        EXPECT_GE(texto.count(RotuloDeResultado(r)), 2) << RotuloDeResultado(r).toStdString();
}

TEST(Informe, SensibilidadDeOncePuntosConCadaCifraDelJson)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sensibilidad.pdf"));
    const Corrida c = Calc({kBaremario + QStringLiteral("Articulado Carga General.brm"), "--sensibilidad",
                            "C.7=60000:180000:11", "--informe", pdf});
    ASSERT_EQ(c.codigo, 0) << c.errores.toStdString();
    const QString texto = TextoPdf(pdf);
    const QJsonArray puntos = c.json[QStringLiteral("sensibilidad")][QStringLiteral("puntos")].toArray();
    ASSERT_EQ(puntos.size(), 11);
    for (const QJsonValue& p : puntos) {
        EXPECT_TRUE(ContieneCifra(texto, Es(p[QStringLiteral("valor")].toDouble(), 0)));
        ResultadosEnElTexto(p[QStringLiteral("R")].toObject(), texto);
    }
}

TEST(Informe, RevisionYPresupuestoConSusCifras)
{
    QTemporaryDir dir;
    struct Caso {
        QStringList args;
        const char* clave;
        std::vector<std::pair<const char*, int>> cifras; // JSON key, decimals shown
    };
    const Caso casos[] = {
        {{"--revision", "1260:1,40:1,54", "--fecha-contrato", "2025-03-01"},
         "revision",
         {{"precio", 2},
          {"variacion_gasoleo_pct", 2},
          {"indice_repercusion", 2},
          {"incremento", 2},
          {"precio_revisado", 2},
          {"cuota_combustible_pct", 1},
          {"incremento_cuota_propia", 2}}},
        // The client's quotation: the price, its VAT and the total.
        {{"--presupuesto", "1:10"}, "presupuesto", {{"precio", 2}, {"iva_pct", 0}, {"iva", 2}, {"total", 2}}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.clave);
        const QString pdf = dir.filePath(QString::fromLatin1(caso.clave) + QStringLiteral(".pdf"));
        const Corrida c = Calc(QStringList{kMiArticulado} + caso.args + QStringList{"--informe", pdf});
        ASSERT_EQ(c.codigo, 0) << c.errores.toStdString();
        const QJsonObject j = c.json[QString::fromLatin1(caso.clave)].toObject();
        const QString texto = TextoPdf(pdf);
        for (const auto& [clave, decimales] : caso.cifras) {
            const QString cifra = Es(j[QString::fromLatin1(clave)].toDouble(), decimales);
            EXPECT_TRUE(ContieneCifra(texto, cifra)) << clave << " = " << cifra.toStdString();
        }
    }
}

// Eight files: fifteen columns in groups, and long tables over several
// pages, each page with its headings.
TEST(Informe, OchoArchivosPaginanConCabecerasRepetidas)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("ocho.pdf"));
    const Corrida c = Calc(QStringList{"--comparar"} + Referencias(8) + QStringList{"--informe", pdf});
    ASSERT_EQ(c.codigo, 0) << c.errores.toStdString();
    const int paginas = PaginasPdf(pdf);
    ASSERT_GE(paginas, 3);
    int conTabla = 0;
    for (int k = 1; k <= paginas; ++k) {
        const QString texto = TextoPdf(pdf, k);
        EXPECT_TRUE(texto.contains(QStringLiteral("Página %1 de %2").arg(k).arg(paginas))) << k;
        // A page with rows of a table has its headings.
        const bool filas = texto.contains(RotuloDeResultado(campos::R::Amortizacion)) ||
                           texto.contains(RotuloDeResultado(campos::R::C1));
        if (filas) {
            ++conTabla;
            EXPECT_TRUE(texto.contains(QStringLiteral("Concepto"))) << "página " << k;
        }
    }
    EXPECT_GE(conTabla, 2);
    const QString todo = TextoPdf(pdf);
    EXPECT_TRUE(todo.contains(QStringLiteral("(continuación)")));
    for (const char* columna : {"[8] − [1]", "(columnas 1 a"})
        EXPECT_TRUE(todo.contains(QString::fromUtf8(columna))) << columna;
}

TEST(Informe, SinAnalisisDestinoProhibidoOCarpetaQueNoExiste)
{
    QTemporaryDir dir;
    const QString calculo = kBaremario + QStringLiteral("Furgoneta.brm");
    EXPECT_EQ(Calc({calculo, "--informe", dir.filePath("x.pdf")}).codigo, 64);
    EXPECT_EQ(Calc({calculo, "--equilibrio", "1", "--informe", dir.filePath("x.trv")}).codigo, 65);
    const Corrida c = Calc({calculo, "--equilibrio", "1", "--informe", dir.filePath("no/existe/x.pdf")});
    EXPECT_EQ(c.codigo, 73);
    EXPECT_TRUE(c.errores.contains(QStringLiteral("--informe"))) << c.errores.toStdString();
    EXPECT_TRUE(c.json.contains(QStringLiteral("equilibrio"))); // the output is still written
}

// The windows' "Guardar como PDF…" and tarvia-calc --informe write the same
// text for the same inputs.
TEST(Informe, LasVentanasEscribenLoMismoQueTarviaCalc)
{
    Documento doc;
    PrepararDocumento(doc);
    ASSERT_EQ(LeerArchivo(doc, kMiArticulado), FalloArchivo::Ninguno);
    doc.calculo.RutaArchivo = kMiArticulado;
    QTemporaryDir dir;
    QSettings ajustes(dir.filePath(QStringLiteral("ajustes.ini")), QSettings::IniFormat);
    const auto comparar = [&](const char* nombre, auto guardar, const QStringList& args) {
        SCOPED_TRACE(nombre);
        const QString ventana = dir.filePath(QString::fromLatin1(nombre) + QStringLiteral("-ventana.pdf"));
        const QString calc = dir.filePath(QString::fromLatin1(nombre) + QStringLiteral("-calc.pdf"));
        ASSERT_EQ(guardar(ventana), FalloArchivo::Ninguno);
        const Corrida c = Calc(args + QStringList{"--informe", calc});
        ASSERT_EQ(c.codigo, 0) << c.errores.toStdString();
        const QString texto = TextoPdf(ventana);
        EXPECT_GT(texto.size(), 100);
        EXPECT_EQ(texto.toStdString(), TextoPdf(calc).toStdString());
    };

    const QStringList otros = Referencias(3).mid(1);
    VentanaComparar comparacion(doc, otros, {});
    comparar(
        "comparar", [&](const QString& r) { return comparacion.GuardarPdf(r); },
        QStringList{"--comparar", kMiArticulado} + otros);

    VentanaSensibilidad sensibilidad(doc, {}); // C.7 from half to one and a half times, 11 points
    const QString serie = QStringLiteral("C.7=%1:%2:11")
                              .arg(sensibilidad.findChildren<QDoubleSpinBox*>()[0]->value())
                              .arg(sensibilidad.findChildren<QDoubleSpinBox*>()[1]->value());
    comparar("sensibilidad", [&](const QString& r) { return sensibilidad.GuardarPdf(r); },
             {kMiArticulado, "--sensibilidad", serie});

    VentanaRevision revision(doc, LeerIndices(kBaremario + QStringLiteral("indices_repercusion.tsv")), {}, ajustes);
    revision.FijarDatos(1260, 1.40, 1.54);
    comparar("revision", [&](const QString& r) { return revision.GuardarPdf(r); },
             {kMiArticulado, "--revision", "1260:1,40:1,54"});

    // By dates, with the user's months (one with four decimals) and a shipped one.
    const QString suyos = dir.filePath(QStringLiteral("precios_gasoleo.tsv"));
    {
        QFile f(suyos);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("2025-09\t1,389\n2026-03\t1,6452\n");
    }
    const TablaGasoleo precios = CargarPreciosGasoleo(RutaPreciosOficiales(DirectorioPrograma()), suyos);
    const TablaIndices indices = LeerIndices(kBaremario + QStringLiteral("indices_repercusion.tsv"));
    VentanaRevision porFechas(doc, indices, precios, ajustes);
    porFechas.FijarFechas(1260, QDate(2011, 5, 20), QDate(2026, 3, 10));
    ASSERT_TRUE(porFechas.HayResultado());
    comparar("revision por fechas", [&](const QString& r) { return porFechas.GuardarPdf(r); },
             {kMiArticulado, "--revision", "1260", "--fecha-contrato", "2011-05-20", "--fecha-servicio", "2026-03-10",
              "--precios-gasoleo", suyos});
    EXPECT_TRUE(ContieneCifra(TextoPdf(dir.filePath(QStringLiteral("revision por fechas-calc.pdf"))),
                              QStringLiteral("1,2568")));

    // A list with a bad line and a missing month.
    const QString servicios = dir.filePath(QStringLiteral("servicios.csv"));
    const QByteArray lista = "A-1;15/09/2025;10/03/2026;1250,00\nA-2;20/05/2011;12/03/2026;980\n"
                             "A-3;15/09/2025;32/03/2026;900\nA-4;15/09/2025;10/04/2026;900\n";
    {
        QFile f(servicios);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(lista);
    }
    VentanaRevisionLista revisionLista(doc, indices, precios, false, {});
    ASSERT_TRUE(revisionLista.Importar(servicios));
    ASSERT_EQ(revisionLista.Resultado().filas.size(), 2u);
    // tarvia-calc names the bad lines with exit code 65, and still writes the report.
    {
        SCOPED_TRACE("lista");
        const QString ventana = dir.filePath(QStringLiteral("lista-ventana.pdf"));
        const QString calc = dir.filePath(QStringLiteral("lista-calc.pdf"));
        ASSERT_EQ(revisionLista.GuardarPdf(ventana), FalloArchivo::Ninguno);
        const Corrida c =
            Calc({kMiArticulado, "--revisar-lista", servicios, "--precios-gasoleo", suyos, "--informe", calc});
        EXPECT_EQ(c.codigo, 65) << c.errores.toStdString();
        const QString texto = TextoPdf(ventana);
        EXPECT_TRUE(texto.contains(QStringLiteral("línea 3, fecha de servicio"))) << texto.toStdString();
        EXPECT_EQ(texto.toStdString(), TextoPdf(calc).toStdString());
    }

    VentanaPresupuesto presupuesto(doc, ajustes, {});
    presupuesto.Elegir(1, BaseCoste::Ambos, 10);
    comparar("presupuesto", [&](const QString& r) { return presupuesto.GuardarPdf(r); },
             {kMiArticulado, "--presupuesto", "1:10:ambos"});
}

// The renderer on its own: long and wide tables, and a report that must fit
// one page.
TEST(Informe, TablasLargasYAnchasYUnaSolaPagina)
{
    Informe inf;
    inf.titulo = QStringLiteral("Prueba");
    inf.pie = PieDeInforme();
    TablaInforme t;
    t.esquina = QStringLiteral("Fila");
    for (int c = 0; c < 30; ++c)
        t.columnas << QStringLiteral("Columna %1").arg(c + 1);
    for (int f = 0; f < 120; ++f) {
        TablaInforme::Fila fila{QStringLiteral("Fila número %1").arg(f + 1), {}, f % 10 == 0};
        for (int c = 0; c < 30; ++c)
            fila.celdas << Es(1000.0 * f + c + 0.25, 2);
        t.filas.push_back(fila);
    }
    inf.bloques.emplace_back(t);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("tabla.pdf"));
    ASSERT_EQ(InformeAPdf(inf, pdf), FalloArchivo::Ninguno);
    const int paginas = PaginasDeInforme(inf);
    EXPECT_EQ(PaginasPdf(pdf), paginas);
    EXPECT_GE(paginas, 6); // 120 rows do not fit a page, and 30 columns not its width
    const QString texto = TextoPdf(pdf);
    for (int f = 0; f < 120; f += 7)
        for (int c = 0; c < 30; c += 5)
            EXPECT_TRUE(ContieneCifra(texto, Es(1000.0 * f + c + 0.25, 2))) << f << ", " << c;
    for (int c = 0; c < 30; ++c)
        EXPECT_TRUE(texto.contains(QStringLiteral("Columna %1").arg(c + 1))) << c;
    for (int k = 1; k <= paginas; ++k)
        EXPECT_TRUE(TextoPdf(pdf, k).contains(QStringLiteral("Columna"))) << "página " << k;

    // The same rows with three columns, told to fit one page: they shrink.
    for (auto& fila : t.filas)
        fila.celdas = fila.celdas.mid(0, 3);
    t.columnas = t.columnas.mid(0, 3);
    t.filas.resize(70);
    inf.bloques = {t};
    ASSERT_GT(PaginasDeInforme(inf), 1);
    inf.unaPagina = true;
    EXPECT_EQ(PaginasDeInforme(inf), 1);
}

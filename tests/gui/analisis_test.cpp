// The analysis windows on the offscreen platform: they open on a loaded
// calculation, export a CSV that reads back as their table, and print to PDF.
#include "ayuda_ventanas.h"

#include "results/ventana_comparar.h"
#include "results/ventana_sensibilidad.h"

#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace tarvia;
using namespace tarvia::prueba;

namespace {

// The CSV's rows, split into fields, as the table holds them.
QList<QStringList> LeerCsv(const QString& ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> filas;
    for (const QString& linea : QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts))
        filas << linea.split(u';');
    return filas;
}

template <typename Ventana>
void EsperarCsvYPdf(Ventana& ventana, int columnasDeRotulo)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("tabla.csv"));
    ASSERT_TRUE(ventana.ExportarCsv(csv));
    const QList<QStringList> filas = LeerCsv(csv);
    QTableWidget* t = ventana.tabla();
    ASSERT_EQ(filas.size(), t->rowCount() + 1); // the header, then the rows
    for (int f = 0; f < t->rowCount(); ++f)
        for (int c = 0; c < t->columnCount(); ++c)
            EXPECT_EQ(filas[f + 1][c + columnasDeRotulo], t->item(f, c) ? t->item(f, c)->text() : QString());
    const QString pdf = dir.filePath(QStringLiteral("analisis.pdf"));
    EXPECT_EQ(ventana.GuardarPdf(pdf), FalloArchivo::Ninguno);
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5).startsWith("%PDF"));
}

TEST(VentanasAnalisis, CompararTablaCsvYPdf)
{
    Documento doc;
    CargarReferencia(doc);
    const QString furgoneta = DirectorioPrograma() + QStringLiteral("/Baremario/Furgoneta.brm");
    VentanaComparar ventana(doc, {furgoneta});
    QTableWidget* t = ventana.tabla();
    ASSERT_EQ(t->columnCount(), 3); // the open one, the van, the difference
    // Costes Totales: the van's difference to the first is its total minus the first's.
    int fila = -1;
    for (int f = 0; f < t->rowCount(); ++f)
        if (t->verticalHeaderItem(f)->text() == QStringLiteral("Costes Totales"))
            fila = f;
    ASSERT_GE(fila, 0);
    EXPECT_EQ(t->item(fila, 0)->text(), QStringLiteral("144.663,51"));
    EXPECT_FALSE(t->item(fila, 2)->text().isEmpty());
    EsperarCsvYPdf(ventana, 1);
}

TEST(VentanasAnalisis, SensibilidadTablaEquilibrioCsvYPdf)
{
    Documento doc;
    CargarReferencia(doc);
    const Documento antes = doc;
    VentanaSensibilidad ventana(doc);
    QTableWidget* t = ventana.tabla();
    ASSERT_EQ(t->rowCount(), 11); // yearly km from 60.000 to 180.000
    EXPECT_EQ(t->item(5, 0)->text(), QStringLiteral("120.000"));
    EXPECT_EQ(t->item(5, 1)->text(), QStringLiteral("1,2055")); // today's C1
    ventana.precio()->setValue(1.30);
    ventana.Calcular();
    EXPECT_TRUE(ventana.equilibrio()->text().contains(QStringLiteral("105.877")))
        << ventana.equilibrio()->text().toStdString();
    EXPECT_TRUE(doc.calculo.Personal == antes.calculo.Personal) << "the open calculation is untouched";
    EsperarCsvYPdf(ventana, 0);
}

} // namespace

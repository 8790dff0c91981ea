// The analysis windows on the offscreen platform: they open on a loaded
// calculation, export a CSV that reads back as their table, and print to PDF.
#include "../bytes_prueba.h"
#include "../csv_prueba.h"
#include "ayuda_ventanas.h"

#include "core/campos.h"
#include "core/catalogo.h"
#include "core/csv.h"
#include "core/formato.h"
#include "core/redondear.h"
#include "presentacion/edicion.h"
#include "presentacion/resumen.h"

#include "results/ventana_comparar.h"
#include "results/ventana_presupuesto.h"
#include "results/ventana_resumen.h"
#include "results/ventana_revision.h"
#include "results/ventana_revision_lista.h"
#include "results/ventana_sensibilidad.h"

#include <QChartView>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsTextItem>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tarvia;
using namespace tarvia::prueba;

namespace {

// The exported CSV as a spreadsheet reads it: the byte-order mark, one
// header row with the table's headings, then a row per table row of the same
// width; a figure as a plain number (the one shown, without its thousands
// points), any other cell as shown. Returns its rows.
template <typename Ventana>
QList<QStringList> CsvComoLaTabla(Ventana& ventana, int columnasDeRotulo)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("tabla.csv"));
    EXPECT_EQ(ventana.ExportarCsv(csv), FalloArchivo::Ninguno);
    const QByteArray bytes = Contenido(csv);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const auto leidas = LeerFilasCsv(QString::fromUtf8(bytes.mid(3)));
    if (!leidas) {
        ADD_FAILURE() << "no se lee como CSV: " << bytes.toStdString();
        return {};
    }
    const QList<QStringList>& filas = *leidas;
    QTableWidget* t = ventana.tabla();
    const auto texto = [](const QTableWidgetItem* i) { return i ? i->text() : QString(); };
    EXPECT_EQ(filas.size(), t->rowCount() + 1);
    for (qsizetype f = 0; f < filas.size(); ++f)
        EXPECT_EQ(filas[f].size(), t->columnCount() + columnasDeRotulo) << "fila " << f;
    if (filas.size() != t->rowCount() + 1)
        return filas;
    for (int c = 0; c < t->columnCount(); ++c)
        EXPECT_EQ(filas[0].value(c + columnasDeRotulo), texto(t->horizontalHeaderItem(c)));
    static const QRegularExpression cifra(QStringLiteral("^-?\\d{1,3}(\\.\\d{3})*(,\\d+)?$"));
    int numeros = 0;
    for (int f = 0; f < t->rowCount(); ++f) {
        if (columnasDeRotulo > 0) {
            EXPECT_EQ(filas[f + 1].value(0), texto(t->verticalHeaderItem(f)));
        }
        for (int c = 0; c < t->columnCount(); ++c) {
            const QString visto = texto(t->item(f, c));
            const QString escrito = filas[f + 1].value(c + columnasDeRotulo);
            if (cifra.match(visto).hasMatch()) {
                EXPECT_TRUE(EsNumeroCsv(escrito)) << escrito.toStdString();
                EXPECT_EQ(escrito, QString(visto).remove(u'.'));
                ++numeros;
            } else {
                EXPECT_EQ(escrito, visto);
            }
        }
    }
    EXPECT_GE(numeros, t->rowCount());
    return filas;
}

template <typename Ventana>
void EsperarCsvYPdf(Ventana& ventana, int columnasDeRotulo)
{
    CsvComoLaTabla(ventana, columnasDeRotulo);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("analisis.pdf"));
    EXPECT_EQ(ventana.GuardarPdf(pdf), FalloArchivo::Ninguno);
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5).startsWith("%PDF"));
}

// Shown at its size, the chart's value axes tick at round steps (1, 2, 2.5
// or 5 times a power of ten, from a multiple of the step) and its legend has
// room for every line: Qt clips the ones that do not fit.
static void EjesRedondosYLeyendaEntera(QWidget& ventana, bool alMinimo)
{
    // The chart at its minimum size when it has one.
    ventana.show();
    if (alMinimo)
        ventana.resize(1, 1);
    QCoreApplication::processEvents();
    auto* vista = ventana.findChild<QChartView*>();
    ASSERT_TRUE(vista);
    QChart* grafico = vista->chart();
    for (QAbstractAxis* eje : grafico->axes()) {
        auto* valores = qobject_cast<QValueAxis*>(eje);
        if (!valores)
            continue;
        SCOPED_TRACE(valores->titleText().toStdString());
        ASSERT_GE(valores->tickCount(), 2);
        const double paso = (valores->max() - valores->min()) / (valores->tickCount() - 1);
        const double mantisa = paso / std::pow(10, std::floor(std::log10(paso) + 1e-9));
        EXPECT_TRUE(std::abs(mantisa - 1) < 1e-9 || std::abs(mantisa - 2) < 1e-9 || std::abs(mantisa - 2.5) < 1e-9 ||
                    std::abs(mantisa - 5) < 1e-9)
            << valores->min() << " .. " << valores->max() << " en " << valores->tickCount();
        EXPECT_NEAR(valores->min() / paso, std::round(valores->min() / paso), 1e-6);
    }
    // Each line's text lies inside the legend, none clipped off.
    QLegend* leyenda = grafico->legend();
    const QRectF marco = leyenda->sceneBoundingRect().adjusted(-0.5, -0.5, 0.5, 0.5);
    QStringList enteras;
    QList<QGraphicsItem*> pendientes = leyenda->childItems();
    while (!pendientes.isEmpty()) {
        QGraphicsItem* item = pendientes.takeLast();
        pendientes << item->childItems();
        if (auto* texto = dynamic_cast<QGraphicsTextItem*>(item);
            texto && texto->isVisible() && marco.contains(texto->sceneBoundingRect()))
            enteras << texto->toPlainText();
    }
    for (QLegendMarker* marcador : leyenda->markers())
        EXPECT_TRUE(enteras.contains(marcador->label())) << marcador->label().toStdString();
    ventana.hide();
}

QPushButton* Boton(QWidget& ventana, const QString& texto)
{
    for (QPushButton* b : ventana.findChildren<QPushButton*>())
        if (b->text() == texto)
            return b;
    return nullptr;
}

// What the user types in the name box (selectFile leaves a focused box alone).
void Teclear(QFileDialog* dialogo, const QString& nombre)
{
    auto* caja = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(caja, nullptr);
    caja->setText(nombre);
}

// Types `nombre` in the save dialog about to open and accepts it; then
// `despues` gets the next modal window (nullptr: none expected).
void EscribirEnDialogo(const QString& nombre, std::function<void(QWidget*)> despues = {})
{
    AlAbrirModal([nombre, despues](QWidget* modal) {
        auto* dialogo = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialogo, nullptr) << modal->metaObject()->className();
        Teclear(dialogo, nombre);
        if (despues)
            AlAbrirModal(despues);
        static_cast<QDialog*>(dialogo)->accept(); // as the "Guardar" button does
    });
}

TEST(VentanasAnalisis, ExportarNoReemplazaSinPreguntarYDiceDondeGuarda)
{
    GuardiaModal guardia;
    Documento doc;
    CargarReferencia(doc);
    MensajesCapturados mensajes;
    VentanaComparar ventana(doc, {}, MostrarMensaje);
    QTemporaryDir dir;
    const QString calculos = dir.filePath(QStringLiteral("Cálculos"));
    const QString baremario = dir.filePath(QStringLiteral("Baremario"));
    ASSERT_TRUE(QDir().mkpath(calculos) && QDir().mkpath(baremario));
    QFile brm(baremario + QStringLiteral("/Camion.brm"));
    ASSERT_TRUE(brm.open(QIODevice::WriteOnly));
    brm.close();
    FijarCarpetaCalculos(calculos);
    const QString csv = calculos + QStringLiteral("/tabla.csv");
    QFile anterior(csv);
    ASSERT_TRUE(anterior.open(QIODevice::WriteOnly));
    anterior.write("anterior\n");
    anterior.close();
    QPushButton* exportar = Boton(ventana, QStringLiteral("Exportar CSV…"));
    ASSERT_NE(exportar, nullptr);
    const auto contenido = [&] {
        QFile f(csv);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };

    // Typed without the extension: the existing "tabla.csv" is the one asked
    // about, and Enter keeps it.
    QString pregunta;
    QString carpetaDelDialogo;
    AlAbrirModal([&](QWidget* modal) {
        auto* dialogo = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialogo, nullptr);
        carpetaDelDialogo = dialogo->directory().absolutePath();
        Teclear(dialogo, calculos + QStringLiteral("/tabla"));
        AlAbrirModal([&](QWidget* q) {
            auto* caja = qobject_cast<QMessageBox*>(q);
            ASSERT_NE(caja, nullptr);
            pregunta = caja->text();
            QTest::keyClick(caja, Qt::Key_Return);
        });
        static_cast<QDialog*>(dialogo)->accept(); // as the "Guardar" button does
    });
    exportar->click();
    EXPECT_EQ(carpetaDelDialogo, QDir(calculos).absolutePath());
    EXPECT_EQ(pregunta,
              QStringLiteral("El archivo «%1» ya existe. ¿Desea reemplazarlo?").arg(QDir::toNativeSeparators(csv)));
    EXPECT_EQ(contenido(), QByteArray("anterior\n"));
    EXPECT_TRUE(mensajes.lista.empty());

    // "Sí" replaces it and says where.
    EscribirEnDialogo(csv, [](QWidget* q) {
        auto* caja = qobject_cast<QMessageBox*>(q);
        ASSERT_NE(caja, nullptr);
        for (QAbstractButton* b : caja->buttons())
            if (b->text() == QStringLiteral("Sí"))
                b->click();
    });
    exportar->click();
    EXPECT_EQ(contenido(), BytesCsv(ventana.Csv(), true));
    ASSERT_EQ(mensajes.lista.size(), 1u);
    EXPECT_EQ(mensajes.lista[0].texto, QStringLiteral("Se ha guardado «%1».").arg(QDir::toNativeSeparators(csv)));

    // Into the reference data: refused, with a reason, nothing written.
    EscribirEnDialogo(baremario + QStringLiteral("/tabla.csv"));
    exportar->click();
    ASSERT_EQ(mensajes.lista.size(), 2u);
    EXPECT_EQ(mensajes.lista[1].titulo, QStringLiteral("Error"));
    EXPECT_TRUE(mensajes.lista[1].texto.contains(QDir::toNativeSeparators(baremario)));
    EXPECT_EQ(QDir(baremario).entryList(QDir::Files), QStringList{QStringLiteral("Camion.brm")});
    FijarCarpetaCalculos({});
}

TEST(VentanasAnalisis, ImprimirSinImpresoraOfreceElPdf)
{
    if (HayImpresora())
        GTEST_SKIP() << "hay una impresora: no se imprime de verdad en una prueba";
    GuardiaModal guardia;
    Documento doc;
    CargarReferencia(doc);
    MensajesCapturados mensajes;
    VentanaSensibilidad ventana(doc, MostrarMensaje);
    QTemporaryDir dir;
    QPushButton* imprimir = Boton(ventana, QStringLiteral("Imprimir"));
    ASSERT_NE(imprimir, nullptr);

    // "Cerrar": nothing written, nothing else said.
    QString aviso;
    AlAbrirModal([&](QWidget* modal) {
        auto* caja = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(caja, nullptr);
        aviso = caja->text();
        QTest::keyClick(caja, Qt::Key_Escape);
    });
    imprimir->click();
    EXPECT_EQ(aviso, QStringLiteral("No hay ninguna impresora instalada."));
    EXPECT_TRUE(mensajes.lista.empty());

    // Every analysis window says so, none prints into the void.
    QSettings ajustes(dir.filePath(QStringLiteral("ajustes.ini")), QSettings::IniFormat);
    VentanaComparar comparar(doc, {}, MostrarMensaje);
    VentanaRevision revision(doc, IndicesPorDefecto(), {}, ajustes);
    VentanaPresupuesto presupuesto(doc, ajustes, MostrarMensaje);
    VentanaResumen resumen(ResumenDeCostes(doc, QDate(2026, 12, 7)), MostrarMensaje);
    VentanaRevisionLista lista(doc, IndicesPorDefecto(), {}, false, MostrarMensaje);
    const struct {
        const char* nombre;
        QWidget* ventana;
    } otras[] = {{"comparar", &comparar},
                 {"revisión", &revision},
                 {"presupuesto", &presupuesto},
                 {"resumen", &resumen},
                 {"lista de servicios", &lista}};
    for (const auto& o : otras) {
        QPushButton* boton = Boton(*o.ventana, QStringLiteral("Imprimir"));
        ASSERT_NE(boton, nullptr) << o.nombre;
        QString visto;
        AlAbrirModal([&](QWidget* modal) {
            if (auto* caja = qobject_cast<QMessageBox*>(modal))
                visto = caja->text();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        boton->click();
        EXPECT_EQ(visto, QStringLiteral("No hay ninguna impresora instalada.")) << o.nombre;
    }
    EXPECT_TRUE(mensajes.lista.empty());

    // "Guardar como PDF…" goes on to the window's PDF.
    const QString pdf = dir.filePath(QStringLiteral("sensibilidad.pdf"));
    AlAbrirModal([&](QWidget* modal) {
        auto* caja = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(caja, nullptr);
        EscribirEnDialogo(dir.filePath(QStringLiteral("sensibilidad")));
        for (QAbstractButton* b : caja->buttons())
            if (b->text() == QStringLiteral("Guardar como PDF…"))
                b->click();
    });
    imprimir->click();
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5).startsWith("%PDF"));
    ASSERT_EQ(mensajes.lista.size(), 1u);
    EXPECT_EQ(mensajes.lista[0].texto, QStringLiteral("Se ha guardado «%1».").arg(QDir::toNativeSeparators(pdf)));
}

// The summary's window shows one page and saves that page: the name it
// proposes is the calculation's, the file gets its extension, and the user
// is told where it went.
TEST(VentanasAnalisis, ResumenGuardaLaPaginaQueMuestra)
{
    GuardiaModal guardia;
    Documento doc;
    CargarReferencia(doc, "Furgoneta");
    MensajesCapturados mensajes;
    QTemporaryDir dir;
    VentanaResumen ventana(ResumenDeCostes(doc, QDate(2026, 12, 7)), MostrarMensaje,
                           QStringLiteral("Resumen de costes - Furgoneta.pdf"));
    ventana.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    EXPECT_EQ(ventana.vista()->pageCount(), 1);
    QString propuesto;
    AlAbrirModal([&](QWidget* modal) {
        auto* dialogo = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialogo, nullptr) << modal->metaObject()->className();
        propuesto = QFileInfo(dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text()).fileName();
        Teclear(dialogo, dir.filePath(QStringLiteral("furgoneta")));
        static_cast<QDialog*>(dialogo)->accept();
    });
    ventana.botonPdf()->click();
    EXPECT_EQ(propuesto, QStringLiteral("Resumen de costes - Furgoneta.pdf"));
    const QString pdf = dir.filePath(QStringLiteral("furgoneta.pdf"));
    EXPECT_EQ(PaginasPdf(pdf), 1);
    ASSERT_EQ(mensajes.lista.size(), 1u);
    EXPECT_EQ(mensajes.lista[0].texto, QStringLiteral("Se ha guardado «%1».").arg(QDir::toNativeSeparators(pdf)));
}

TEST(VentanasAnalisis, CompararTablaCsvYPdf)
{
    Documento doc;
    CargarReferencia(doc);
    const QString furgoneta = DirectorioPrograma() + QStringLiteral("/Baremario/Furgoneta.brm");
    VentanaComparar ventana(doc, {furgoneta}, MostrarMensaje);
    QTableWidget* t = ventana.tabla();
    ASSERT_EQ(t->columnCount(), 3); // the open one, the van, the difference
    // Costes Totales: the van's difference to the first is its total minus the first's.
    int fila = -1;
    for (int f = 0; f < t->rowCount(); ++f)
        if (t->verticalHeaderItem(f)->text() == QStringLiteral("Costes Totales"))
            fila = f;
    ASSERT_GE(fila, 0);
    EXPECT_EQ(t->item(fila, 0)->text(), QStringLiteral("158.060,36"));
    EXPECT_FALSE(t->item(fila, 2)->text().isEmpty());
    EjesRedondosYLeyendaEntera(ventana, true);
    EsperarCsvYPdf(ventana, 1);
}

// Texts that look like figures or hold the separator and quotes stay texts
// and read back whole; the figures are plain numbers, the first column's
// total among them.
TEST(VentanasAnalisis, CompararCsvConTextosQueParecenCifras)
{
    Documento doc;
    CargarReferencia(doc);
    const QString descripcion = QStringLiteral("Camión 1.000 kg; el \"grande\"");
    doc.calculo.Personal[campos::C::Descripcion] = Valor(descripcion);
    const QString falta = QStringLiteral("no;existe \"ni\" esto.trv");
    VentanaComparar ventana(doc, {QStringLiteral(TARVIA_TEST_DATA "/punto_y_coma.trv"), falta}, MostrarMensaje);
    const QList<QStringList> filas = CsvComoLaTabla(ventana, 1);
    ASSERT_FALSE(filas.isEmpty());
    EXPECT_EQ(filas[0].value(0), QStringLiteral("Concepto"));
    EXPECT_EQ(filas[0].value(1), QStringLiteral("[1] ") + descripcion);
    EXPECT_EQ(filas[0].value(2), QStringLiteral("[2] Mi;camión 'grande'"));
    EXPECT_EQ(filas[0].value(4), QStringLiteral("[3] ") + falta);
    bool total = false;
    for (const QStringList& f : filas)
        if (f.value(0) == QStringLiteral("Costes Totales")) {
            total = true;
            EXPECT_EQ(f.value(1), QStringLiteral("158060,36"));
            EXPECT_EQ(f.value(3), QStringLiteral("0,00")); // the same vehicle: no difference
            EXPECT_FALSE(EsNumeroCsv(f.value(4))) << "the missing file's reason, as a text";
        }
    EXPECT_TRUE(total);
}

TEST(VentanasAnalisis, SensibilidadTablaEquilibrioCsvYPdf)
{
    Documento doc;
    CargarReferencia(doc);
    const Documento antes = doc;
    VentanaSensibilidad ventana(doc, MostrarMensaje);
    QTableWidget* t = ventana.tabla();
    ASSERT_EQ(t->rowCount(), 11); // yearly km from 60.000 to 180.000
    EXPECT_EQ(t->item(5, 0)->text(), QStringLiteral("120.000"));
    EXPECT_EQ(t->item(5, 1)->text(), QStringLiteral("1,3172")); // today's C1
    ventana.precio()->setValue(1.30);
    ventana.Calcular();
    EXPECT_TRUE(ventana.equilibrio()->text().contains(QStringLiteral("122.780")))
        << ventana.equilibrio()->text().toStdString();
    EXPECT_TRUE(doc.calculo.Personal == antes.calculo.Personal) << "the open calculation is untouched";
    EjesRedondosYLeyendaEntera(ventana, false);
    EsperarCsvYPdf(ventana, 0);
}

// The revision explained in one sentence (its figures are the engine's), and a
// history kept per vehicle.
TEST(VentanasAnalisis, RevisionPorGasoleo)
{
    Documento doc;
    CargarReferencia(doc); // 44.000 kg: index 0,30; fuel 30,9 % of the costs
    QTemporaryDir dir;
    QSettings ajustes(dir.filePath(QStringLiteral("ajustes.ini")), QSettings::IniFormat);
    VentanaRevision ventana(doc, IndicesPorDefecto(), {}, ajustes);
    ventana.FijarDatos(1260, 1.40, 1.54);
    EXPECT_EQ(ventana.Explicacion().left(33), QStringLiteral("El precio sube 37,80 € (3,00 %): "));
    ventana.Guardar();
    VentanaRevision otra(doc, IndicesPorDefecto(), {}, ajustes);
    ASSERT_EQ(otra.historial()->count(), 1);
    EXPECT_TRUE(otra.historial()->item(0)->text().contains(QStringLiteral("37,80")));
    ventana.FijarDatos(1260, 1.40, 1.45); // 3,57 %: below the threshold
    EXPECT_TRUE(ventana.Explicacion().contains(QStringLiteral("no se revisa")));
    // A threshold above the law's is refused in place of the result, and not kept.
    ventana.FijarDatos(1260, 1.40, 1.48, 7); // 5,71 %
    EXPECT_TRUE(ventana.Explicacion().contains(QStringLiteral("no puede pasar del 5 %")))
        << ventana.Explicacion().toStdString();
    ventana.Guardar();
    EXPECT_EQ(ventana.historial()->count(), 1);
    ventana.FijarDatos(1260, 1.40, 1.48, 5);
    EXPECT_EQ(ventana.Explicacion().left(14), QStringLiteral("El precio sube"));
}

// The quotation (its figures are the engine's): a target price gives back its
// margin, the client goes into the page, the PDF is one A4 page.
TEST(VentanasAnalisis, PresupuestoDeUnServicio)
{
    Documento doc;
    CargarReferencia(doc);
    ASSERT_TRUE(ConfirmarCampo(doc, Hoja::S, 3, QStringLiteral("250"), kTeclaSalida));
    ASSERT_TRUE(ConfirmarCampo(doc, Hoja::S, 4, QStringLiteral("5,5"), kTeclaSalida));
    QTemporaryDir dir;
    QSettings ajustes(dir.filePath(QStringLiteral("ajustes.ini")), QSettings::IniFormat);
    VentanaPresupuesto ventana(doc, ajustes, MostrarMensaje);
    ventana.Elegir(1, BaseCoste::Ambos, 15);
    ASSERT_TRUE(ventana.Resultado());
    // A target price is the price to the cent (with the margin rounded to 2
    // decimals and worked back, 1.500 came out at 1.500,02 and 600 at 600,01);
    // the margin is only what it gives.
    for (const double objetivo : {1150.0, 1500.0, 600.0, 2000.0}) {
        SCOPED_TRACE(objetivo);
        ventana.PrecioObjetivo(objetivo);
        ASSERT_TRUE(ventana.Resultado());
        EXPECT_DOUBLE_EQ(ventana.Resultado()->precio, objetivo);
        EXPECT_NEAR(ventana.Resultado()->margenPct, MargenDePrecio(495.71, objetivo), 0.005);
        EXPECT_TRUE(ventana.Html().contains(FormatearNumero(objetivo, 2, doc.calculo.Local) + QStringLiteral(" €")));
    }
    // A margin typed afterwards sets the price again.
    ventana.Elegir(1, BaseCoste::Ambos, 15);
    EXPECT_DOUBLE_EQ(ventana.Resultado()->precio, Redondear(495.71 * 1.15, 2));
    // The fuel clause is on, referred to the diesel the costs were worked out
    // with, and can be left out.
    const double gasoleo = doc.calculo.Personal[campos::V::PrecioGasoleoEspana].numeroOCero();
    ASSERT_GT(gasoleo, 0);
    EXPECT_DOUBLE_EQ(ventana.gasoleo()->value(), Redondear(gasoleo, 3));
    EXPECT_TRUE(ventana.clausula()->isChecked());
    EXPECT_TRUE(ventana.Html().contains(QStringLiteral("artículo 38")));
    EXPECT_TRUE(ventana.Html().contains(FormatearNumero(gasoleo, 3, doc.calculo.Local) + QStringLiteral(" €/l")));
    ventana.clausula()->setChecked(false);
    EXPECT_FALSE(ventana.Html().contains(QStringLiteral("artículo 38")));
    ventana.clausula()->setChecked(true);
    ventana.cliente()->setText(QStringLiteral("Transportes Ejemplo"));
    EXPECT_TRUE(ventana.Html().contains(QStringLiteral("Transportes Ejemplo")));
    const QString pdf = dir.filePath(QStringLiteral("presupuesto.pdf"));
    ASSERT_EQ(ventana.GuardarPdf(pdf), FalloArchivo::Ninguno);
    EXPECT_EQ(PaginasPdf(pdf), 1);
    ventana.Elegir(2, BaseCoste::Ambos, 15); // a service with no cost
    EXPECT_FALSE(ventana.Resultado());
}

// The revision and the quotation of a window are tarvia-calc's, one function
// assembling each; and neither touches the open calculation, whose results
// and services are stale after the changes (the results sheet is not shown).
TEST(VentanasAnalisis, RevisionYPresupuestoComoElGuionSinTocarElCalculo)
{
    Documento doc;
    CargarReferencia(doc);
    const QStringList cambios = {"C.3=1500", "S.3=250", "S.4=5,5", "C.7=60000"};
    for (const QString& c : cambios) {
        const Hoja h = *HojaPorCodigo(c.section(u'.', 0, 0).toStdString());
        const int i = c.section(u'.', 1).section(u'=', 0, 0).toInt();
        ASSERT_TRUE(ConfirmarCampo(doc, h, i, c.section(u'=', 1), kTeclaSalida)) << c.toStdString();
    }
    const Calculo antes = doc.calculo;
    QTemporaryDir dir;
    QSettings ajustes(dir.filePath(QStringLiteral("ajustes.ini")), QSettings::IniFormat);
    VentanaRevision revision(doc, IndicesPorDefecto(), {}, ajustes);
    revision.FijarDatos(1000, 1.40, 1.54);
    VentanaPresupuesto presupuesto(doc, ajustes, MostrarMensaje);
    presupuesto.Elegir(1, BaseCoste::Ambos, 10);
    EXPECT_EQ(doc.calculo.Personal, antes.Personal);
    EXPECT_EQ(HayCambios(doc.calculo), HayCambios(antes));

    QStringList args = {"--locale", "es_ES",
                        DirectorioPrograma() + QStringLiteral("/Baremario/Articulado Carga General.brm")};
    for (const QString& c : cambios)
        args << QStringLiteral("--set") << c;
    args << "--revision"
         << "1000:1,40:1,54"
         << "--presupuesto"
         << "1:10";
    QProcess calc;
    calc.start(DirectorioPrograma() + QStringLiteral("/tarvia-calc"), args);
    ASSERT_TRUE(calc.waitForFinished(30000));
    ASSERT_EQ(calc.exitCode(), 0) << calc.readAllStandardError().toStdString();
    const QJsonObject todo = QJsonDocument::fromJson(calc.readAllStandardOutput()).object();
    const QJsonObject r = todo[QStringLiteral("revision")].toObject();
    EXPECT_DOUBLE_EQ(r[QStringLiteral("indice_repercusion")].toDouble(), revision.Resultado().indice);
    EXPECT_DOUBLE_EQ(r[QStringLiteral("cuota_combustible_pct")].toDouble(), revision.Resultado().cuotaCombustiblePct);
    EXPECT_DOUBLE_EQ(r[QStringLiteral("precio_revisado")].toDouble(), revision.Resultado().precioRevisado);
    ASSERT_TRUE(presupuesto.Resultado());
    const QJsonObject p = todo[QStringLiteral("presupuesto")].toObject();
    EXPECT_DOUBLE_EQ(p[QStringLiteral("coste")].toDouble(), presupuesto.Resultado()->coste);
    EXPECT_DOUBLE_EQ(p[QStringLiteral("total")].toDouble(), presupuesto.Resultado()->total);
}

// A file that cannot be written is never silent: each export of each window
// tells which file and why, in the message window, titled "Error". The folder
// is a regular file (ENOTDIR, which root meets too).
TEST(VentanasAnalisis, ExportacionFallidaDaUnMensaje)
{
    Documento doc;
    CargarReferencia(doc);
    ASSERT_TRUE(ConfirmarCampo(doc, Hoja::S, 3, QStringLiteral("250"), kTeclaSalida));
    QTemporaryDir dir;
    QFile fichero(dir.filePath(QStringLiteral("no_es_carpeta")));
    ASSERT_TRUE(fichero.open(QIODevice::WriteOnly));
    fichero.close();
    const QString csv = dir.filePath(QStringLiteral("no_es_carpeta/tabla.csv"));
    const QString pdf = dir.filePath(QStringLiteral("no_es_carpeta/informe.pdf"));
    QSettings ajustes(dir.filePath(QStringLiteral("ajustes.ini")), QSettings::IniFormat);
    VentanaComparar comparar(doc, {}, MostrarMensaje);
    VentanaSensibilidad sensibilidad(doc, MostrarMensaje);
    VentanaPresupuesto presupuesto(doc, ajustes, MostrarMensaje);
    VentanaRevisionLista lista(doc, IndicesPorDefecto(), {}, false, MostrarMensaje);
    const struct {
        const char* exportacion;
        std::function<FalloArchivo()> exportar;
        QString ruta;
    } casos[] = {
        {"comparar, CSV", [&] { return comparar.ExportarCsv(csv); }, csv},
        {"comparar, PDF", [&] { return comparar.GuardarPdf(pdf); }, pdf},
        {"sensibilidad, CSV", [&] { return sensibilidad.ExportarCsv(csv); }, csv},
        {"sensibilidad, PDF", [&] { return sensibilidad.GuardarPdf(pdf); }, pdf},
        {"presupuesto, PDF", [&] { return presupuesto.GuardarPdf(pdf); }, pdf},
        {"lista de servicios, CSV", [&] { return lista.ExportarCsv(csv); }, csv},
        {"lista de servicios, PDF", [&] { return lista.GuardarPdf(pdf); }, pdf},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.exportacion);
        MensajesCapturados mensajes;
        const FalloArchivo fallo = c.exportar();
        EXPECT_NE(fallo, FalloArchivo::Ninguno);
        ASSERT_EQ(mensajes.lista.size(), 1u);
        EXPECT_EQ(mensajes.lista[0].titulo, QStringLiteral("Error"));
        EXPECT_TRUE(mensajes.lista[0].texto.startsWith(MensajeEscritura(fallo, c.ruta)));
        EXPECT_TRUE(mensajes.lista[0].texto.contains(QDir::toNativeSeparators(c.ruta)))
            << mensajes.lista[0].texto.toStdString();
        EXPECT_FALSE(QFileInfo::exists(c.ruta));
    }
}

// The disk fills while the CSV is written (RLIMIT_FSIZE in a child: EFBIG on
// the write past the limit): the message comes, and the CSV exported before
// stays as it was.
TEST(VentanasAnalisis, CsvQueNoCabeDaUnMensajeYConservaElAnterior)
{
    Documento doc;
    CargarReferencia(doc);
    VentanaComparar ventana(doc, {}, MostrarMensaje);
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("tabla.csv"));
    QFile anterior(csv);
    ASSERT_TRUE(anterior.open(QIODevice::WriteOnly));
    anterior.write("anterior\n");
    anterior.close();
    ASSERT_GT(ventana.Csv().toUtf8().size(), 64);
    const pid_t hijo = fork();
    if (hijo == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{64, 64};
        if (setrlimit(RLIMIT_FSIZE, &limite) != 0)
            _exit(100);
        MensajesCapturados mensajes;
        const FalloArchivo fallo = ventana.ExportarCsv(csv);
        const bool avisado = mensajes.lista.size() == 1 && mensajes.lista[0].titulo == QStringLiteral("Error") &&
                             mensajes.lista[0].texto == MensajeEscritura(fallo, csv) &&
                             mensajes.lista[0].texto.contains(QDir::toNativeSeparators(csv));
        _exit(fallo == FalloArchivo::Ninguno ? 101 : avisado ? 0 : 102);
    }
    int estado = -1;
    ASSERT_EQ(waitpid(hijo, &estado, 0), hijo);
    ASSERT_TRUE(WIFEXITED(estado));
    EXPECT_EQ(WEXITSTATUS(estado), 0) << "100: sin límite; 101: se grabó entero; 102: sin mensaje";
    ASSERT_TRUE(anterior.open(QIODevice::ReadOnly));
    EXPECT_EQ(anterior.readAll(), QByteArray("anterior\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("tabla.csv")}) << "no temporary left";
}

} // namespace

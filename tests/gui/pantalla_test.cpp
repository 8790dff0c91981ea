// Every window of the program on the smallest screen it is made for: a
// 1366 × 768 laptop with a 40-pixel desktop panel, i.e. a work area of
// 1366 × 728, with the window manager's frame around each window.
#include "ayuda_ventanas.h"

#include "engine/revision.h"
#include "presentacion/resumen.h"
#include "results/ventana_comparar.h"
#include "results/ventana_precios_gasoleo.h"
#include "results/ventana_presupuesto.h"
#include "results/ventana_resumen.h"
#include "results/ventana_revision.h"
#include "results/ventana_revision_lista.h"
#include "results/ventana_sensibilidad.h"
#include "shell/ayuda.h"
#include "shell/frm_about.h"
#include "shell/frm_archivo.h"
#include "shell/frm_main.h"
#include "shell/frm_nueva.h"
#include "shell/frm_pregunta_grabar.h"
#include "shell/frm_splash.h"
#include "shell/frm_tipo_veh.h"
#include "shell/tipos_vehiculo.h"
#include "shell/visor_ayuda.h"

#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

using namespace tarvia;
using namespace tarvia::prueba;

namespace {

constexpr QSize kTrabajo(1366, 728);
// The frame openbox's default theme puts around a resizable window, as
// _NET_FRAME_EXTENTS tells it; a fixed-size dialog has 4 pixels less below.
const QMargins kMarco(1, 20, 1, 5);

// What a window takes on the screen: the offscreen platform draws no frame.
QSize ConMarco(const QSize& s) { return s.grownBy(kMarco); }

struct Caso {
    const char* id; // the test's name
    const char* nombre;
    std::function<std::unique_ptr<QWidget>(Documento&, QSettings&)> crear;
};

// The longest message the program shows: a save into a folder as deep as the
// system allows, under the longest file name.
QString MensajeMasLargo()
{
    QString carpeta;
    while (carpeta.size() < 4000)
        carpeta += QStringLiteral("/Transportes García e Hijos");
    return QStringLiteral("El archivo se ha grabado en: \r\n%1\r\nCon el nombre: \r\n%2.trv")
        .arg(carpeta, QString(251, u'X'));
}

// A help viewer, owned by the test.
std::unique_ptr<QWidget> Visor(VisorAyuda* (*abrir)(QWidget*, const AvisoAyuda&, const QString&))
{
    VisorAyuda* v = abrir(
        nullptr, [](const QString&, const QString&) {}, DirectorioPrograma());
    if (v)
        v->setAttribute(Qt::WA_DeleteOnClose, false);
    return std::unique_ptr<QWidget>(v);
}

const std::vector<Caso>& Casos()
{
    static const std::vector<Caso> casos = {
        {"Principal", "Ventana principal",
         [](Documento& doc, QSettings&) {
             auto v = std::make_unique<FrmMain>(doc, DirectorioPrograma());
             v->show();
             v->SituarConMarco(kMarco);
             return std::unique_ptr<QWidget>(std::move(v));
         }},
        {"Presentacion", "Presentación",
         [](Documento&, QSettings&) { return std::unique_ptr<QWidget>(new FrmSplash); }},
        {"TipoDeCalculo", "Tipo de Cálculo",
         [](Documento&, QSettings&) { return std::unique_ptr<QWidget>(new FrmNueva); }},
        {"TipoDeVehiculo", "Tipo de Vehículo",
         [](Documento& doc, QSettings&) {
             auto* v = new FrmTipoVeh(doc, DirectorioPrograma());
             v->setAttribute(Qt::WA_DeleteOnClose, false);
             return std::unique_ptr<QWidget>(v);
         }},
        {"Abrir", "Abrir",
         [](Documento& doc, QSettings&) {
             return std::unique_ptr<QWidget>(new FrmArchivo(doc, FrmArchivo::Modo::Abrir, DirectorioPrograma()));
         }},
        {"GrabarComo", "Grabar como",
         [](Documento& doc, QSettings&) {
             return std::unique_ptr<QWidget>(new FrmArchivo(doc, FrmArchivo::Modo::Grabar, DirectorioPrograma()));
         }},
        {"ExportarCsv", "Exportar CSV",
         [](Documento&, QSettings&) {
             // Qt's own dialog, as the analysis windows ask for a file name.
             auto* v =
                 new QFileDialog(nullptr, QStringLiteral("Exportar CSV"), QString(), QStringLiteral("CSV (*.csv)"));
             v->setAcceptMode(QFileDialog::AcceptSave);
             v->setOption(QFileDialog::DontUseNativeDialog);
             return std::unique_ptr<QWidget>(v);
         }},
        {"PreguntaGrabar", "Pregunta grabar",
         [](Documento&, QSettings&) {
             return std::unique_ptr<QWidget>(new FrmPreguntaGrabar(QStringLiteral("Cerrar"), [] { return false; }));
         }},
        {"Mensaje", "Mensaje",
         [](Documento&, QSettings&) {
             return std::unique_ptr<QWidget>(
                 new FrmMensaje(QStringLiteral("Valor fuera de límites."), QStringLiteral("Error")));
         }},
        {"MensajeMasLargo", "Mensaje más largo",
         [](Documento&, QSettings&) {
             return std::unique_ptr<QWidget>(new FrmMensaje(MensajeMasLargo(), QStringLiteral("Grabar")));
         }},
        {"AcercaDe", "Acerca de", [](Documento&, QSettings&) { return std::unique_ptr<QWidget>(new FrmAbout({})); }},
        {"Ayuda", "Ayuda", [](Documento&, QSettings&) { return Visor(AbrirAyuda); }},
        {"Acuerdos", "Acuerdos", [](Documento&, QSettings&) { return Visor(AbrirAcuerdos); }},
        {"Comparar", "Comparar",
         [](Documento& doc, QSettings&) {
             QStringList archivos;
             for (int i = 0; i < 4; ++i)
                 archivos << RutaBaremario(DirectorioPrograma(), i);
             return std::unique_ptr<QWidget>(new VentanaComparar(doc, archivos, MostrarMensaje));
         }},
        {"Sensibilidad", "Sensibilidad",
         [](Documento& doc, QSettings&) {
             return std::unique_ptr<QWidget>(new VentanaSensibilidad(doc, MostrarMensaje));
         }},
        {"Revision", "Revisión",
         [](Documento& doc, QSettings& ajustes) {
             // Today's month in the table: the months used are named under the prices.
             TablaGasoleo precios;
             precios.oficiales[Mes::De(QDate::currentDate())] = {1.6452, 4};
             return std::unique_ptr<QWidget>(new VentanaRevision(doc, IndicesPorDefecto(), precios, ajustes));
         }},
        {"RevisionLista", "Revisión de una lista",
         [](Documento& doc, QSettings&) {
             return std::unique_ptr<QWidget>(
                 new VentanaRevisionLista(doc, IndicesPorDefecto(), {}, false, MostrarMensaje));
         }},
        {"PreciosGasoleo", "Precios oficiales del gasóleo",
         [](Documento&, QSettings&) {
             return std::unique_ptr<QWidget>(new VentanaPreciosGasoleo(
                 CargarPreciosGasoleo(RutaPreciosOficiales(DirectorioPrograma()), {}), MostrarMensaje));
         }},
        {"Presupuesto", "Presupuesto",
         [](Documento& doc, QSettings& ajustes) {
             return std::unique_ptr<QWidget>(new VentanaPresupuesto(doc, ajustes, MostrarMensaje));
         }},
        {"Resumen", "Resumen de costes",
         [](Documento& doc, QSettings&) {
             return std::unique_ptr<QWidget>(
                 new VentanaResumen(ResumenDeCostes(doc, QDate(2026, 12, 7)), MostrarMensaje));
         }},
    };
    return casos;
}

class Pantalla : public ::testing::TestWithParam<size_t> {};

std::string NombreCaso(const testing::TestParamInfo<size_t>& info) { return Casos()[info.param].id; }

// Each window, shown, with its frame, fits the work area; so does the least
// it can be shrunk to, or the window manager could not make it fit.
TEST_P(Pantalla, LaVentanaConSuMarcoCabe)
{
    const Caso& caso = Casos()[GetParam()];
    QTemporaryDir dir;
    QSettings ajustes(dir.filePath(QStringLiteral("ajustes.ini")), QSettings::IniFormat);
    GuardiaModal guardia;
    MensajesCapturados mensajes;
    Documento doc;
    CargarReferencia(doc);
    const std::unique_ptr<QWidget> ventana = caso.crear(doc, ajustes);
    ASSERT_NE(ventana, nullptr) << caso.nombre;
    ventana->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(ventana.get()));
    const QSize ocupa = ConMarco(ventana->size());
    EXPECT_LE(ocupa.width(), kTrabajo.width()) << caso.nombre << ": " << ventana->width() << " × " << ventana->height();
    EXPECT_LE(ocupa.height(), kTrabajo.height())
        << caso.nombre << ": " << ventana->width() << " × " << ventana->height();
    const QSize minimo = ConMarco(ventana->minimumSizeHint().expandedTo(ventana->minimumSize()));
    EXPECT_LE(minimo.width(), kTrabajo.width()) << caso.nombre;
    EXPECT_LE(minimo.height(), kTrabajo.height()) << caso.nombre;
    // What the test measured, for the record of each window's size.
    RecordProperty("tamano", QStringLiteral("%1x%2").arg(ventana->width()).arg(ventana->height()).toStdString());
    ventana->close();
}

INSTANTIATE_TEST_SUITE_P(Ventanas, Pantalla, testing::Range<size_t>(0, Casos().size()), NombreCaso);

} // namespace

// Switching sheets from the strip: the button's click until the main window
// has painted the new sheet, with the sheets already created; and what the
// first showing costs, when a sheet window is built.
#include "engine/abrir.h"
#include "sheets/frm_costes_fijos1.h"
#include "sheets/frm_costes_fijos2.h"
#include "sheets/frm_costes_variables.h"
#include "sheets/twips.h"
#include "shell/frm_main.h"
#include "shell/frm_tipo_veh.h"
#include "shell/patillas.h"

#include <QApplication>
#include <QToolButton>
#include <benchmark/benchmark.h>

#include <array>
#include <clocale>
#include <memory>

namespace tarvia {
namespace {

// Shares the one application object with the other window benchmarks.
void Aplicacion()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char nombre[] = "tarvia-bench";
    static char* argv[] = {nombre, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
}

struct Principal {
    Documento doc;
    std::unique_ptr<FrmMain> ventana;
    Principal()
    {
        Aplicacion();
        doc.calculo.Local = Localizacion::Desde(QLocale(QLocale::Spanish, QLocale::Spain));
        InicializarCalculo(doc.calculo);
        doc.pantalla.Restablecer();
        ventana = std::make_unique<FrmMain>(doc, QStringLiteral(TARVIA_BIN_DIR));
        ventana->resize(Px(12000), Px(15000));
        ventana->show();
        ventana->MostrarTipoVeh()->cmbVehiculos(0)->click();
        QApplication::processEvents();
    }
};

// One switch per iteration, round the sheets of this work; each is painted
// before the next click.
void BM_CambiarDeHoja(benchmark::State& state)
{
    Principal p;
    constexpr std::array<Hoja, 4> ronda = {Hoja::C, Hoja::F1, Hoja::F2, Hoja::V};
    for (Hoja h : ronda) // created outside the timing
        p.ventana->patillas()->Boton(h)->click();
    size_t k = 0;
    for (auto _ : state) {
        p.ventana->patillas()->Boton(ronda[k++ % ronda.size()])->click();
        p.ventana->repaint();
    }
    if (p.ventana->FormularioActual() == nullptr)
        state.SkipWithError("ninguna hoja a la vista");
}
BENCHMARK(BM_CambiarDeHoja)->Unit(benchmark::kMillisecond);

// Building a sheet window, both columns, from its layout table.
template <class Hoja>
void BM_CrearHoja(benchmark::State& state)
{
    Principal p;
    for (auto _ : state) {
        Hoja hoja(p.doc);
        benchmark::DoNotOptimize(&hoja);
    }
}
BENCHMARK_TEMPLATE(BM_CrearHoja, FrmCostesFijos1)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_CrearHoja, FrmCostesFijos2)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_CrearHoja, FrmCostesVariables)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvia

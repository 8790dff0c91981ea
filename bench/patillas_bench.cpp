// Switching sheets from the strip: the button's click until the main window
// has painted the new sheet, with the sheets already created; showing one
// sheet again; and what the first showing costs, when a sheet window is built.
#include "bench/ventanas_bench.h"
#include "sheets/frm_costes_fijos1.h"
#include "sheets/frm_costes_fijos2.h"
#include "sheets/frm_costes_fijos3.h"
#include "sheets/frm_costes_indirectos.h"
#include "sheets/frm_costes_variables.h"
#include "sheets/frm_servicio.h"
#include "shell/patillas.h"

#include <benchmark/benchmark.h>

#include <array>

namespace tarvia::bench {
namespace {

// The container carrier: insurance and indirect costs entered as totals.
constexpr int kPortacontenedores = 19;

// One switch per iteration round four sheets, each painted before the next
// click. Range 0: the purchase and variable sheets of the articulated truck;
// range 1: the personnel, indirect and service sheets of the container carrier.
void BM_CambiarDeHoja(benchmark::State& state)
{
    const bool personal = state.range(0) == 1;
    Principal p(personal ? kPortacontenedores : 0);
    const std::array<Hoja, 4> ronda =
        personal ? std::array{Hoja::C, Hoja::F3, Hoja::I, Hoja::S} : std::array{Hoja::C, Hoja::F1, Hoja::F2, Hoja::V};
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
BENCHMARK(BM_CambiarDeHoja)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same sheet shown again and again: its activation and repaint.
void BM_MostrarHoja(benchmark::State& state)
{
    Principal p(kPortacontenedores);
    const auto h = static_cast<Hoja>(state.range(0));
    p.ventana->patillas()->Boton(h)->click();
    for (auto _ : state) {
        p.ventana->MostrarFormulario(h);
        p.ventana->repaint();
    }
}
BENCHMARK(BM_MostrarHoja)
    ->Arg(static_cast<int>(Hoja::F3))
    ->Arg(static_cast<int>(Hoja::I))
    ->Arg(static_cast<int>(Hoja::S))
    ->Unit(benchmark::kMillisecond);

// Building a sheet window, both columns, from its layout table.
template <class Ventana>
void BM_CrearHoja(benchmark::State& state)
{
    Principal p;
    for (auto _ : state) {
        Ventana hoja(p.doc);
        benchmark::DoNotOptimize(&hoja);
    }
}
BENCHMARK_TEMPLATE(BM_CrearHoja, FrmCostesFijos1)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_CrearHoja, FrmCostesFijos2)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_CrearHoja, FrmCostesFijos3)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_CrearHoja, FrmCostesIndirectos)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_CrearHoja, FrmCostesVariables)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_CrearHoja, FrmServicio)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvia::bench

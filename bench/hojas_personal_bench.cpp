// Switching between sheets C, F3, I and S from the strip, each painted before
// the next click: the service sheet reviews its services and the indirect
// sheet rewrites its comment on every showing and repaint. And what building
// each of these sheet windows costs on its first showing.
#include "engine/abrir.h"
#include "sheets/frm_costes_fijos3.h"
#include "sheets/frm_costes_indirectos.h"
#include "sheets/frm_servicio.h"
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

// The container carrier: insurance and indirect costs entered as totals.
constexpr int kPortacontenedores = 19;

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
        ventana->MostrarTipoVeh()->cmbVehiculos(kPortacontenedores)->click();
        QApplication::processEvents();
    }
};

void BM_CambiarEntreC_F3_I_S(benchmark::State& state)
{
    Principal p;
    constexpr std::array<Hoja, 4> ronda = {Hoja::C, Hoja::F3, Hoja::I, Hoja::S};
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
BENCHMARK(BM_CambiarEntreC_F3_I_S)->Unit(benchmark::kMillisecond);

// Showing one sheet again and again: the cost of its activation and repaint.
void BM_MostrarHoja(benchmark::State& state)
{
    Principal p;
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

template <class Ventana>
void BM_CrearHojaPersonal(benchmark::State& state)
{
    Principal p;
    for (auto _ : state) {
        Ventana hoja(p.doc);
        benchmark::DoNotOptimize(&hoja);
    }
}
BENCHMARK(BM_CrearHojaPersonal<FrmCostesFijos3>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CrearHojaPersonal<FrmCostesIndirectos>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CrearHojaPersonal<FrmServicio>)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvia

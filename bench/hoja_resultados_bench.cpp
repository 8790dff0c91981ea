// A repaint of the results sheet: Actualizar of both columns, mirroring the
// labels, composing and painting both charts, offscreen.
#include "bench/ventanas_bench.h"
#include "engine/abrir.h"
#include "results/tarta.h"
#include "results/ventana_resultados.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <clocale>

namespace tarvia {
namespace {

struct Hoja {
    Documento doc;
    Hoja()
    {
        bench::Aplicacion();
        InicializarCalculo(doc.calculo);
        LeerArchivo(doc, QStringLiteral(TARVIA_BIN_DIR "/Baremario/Articulado Carga General.brm"));
    }
};

// What an activation does: compute, mirror, compose both charts.
void BM_ActivarHojaResultados(benchmark::State& state)
{
    Hoja h;
    VentanaResultados hoja(h.doc);
    for (auto _ : state)
        hoja.Activar();
}
BENCHMARK(BM_ActivarHojaResultados)->Unit(benchmark::kMicrosecond);

// The whole sheet repainted into an image: its paint runs Actualizar, then
// every frame, label and both charts are drawn.
void BM_RepintarHojaResultados(benchmark::State& state)
{
    Hoja h;
    VentanaResultados hoja(h.doc);
    QImage imagen(hoja.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        hoja.render(&imagen);
        benchmark::DoNotOptimize(imagen.constBits());
    }
}
BENCHMARK(BM_RepintarHojaResultados)->Unit(benchmark::kMillisecond);

// One chart alone, antialiased, at screen size.
void BM_PintarTarta(benchmark::State& state)
{
    Hoja h;
    VentanaResultados hoja(h.doc);
    hoja.Activar();
    const Tarta& t = hoja.tarta(Columna::S);
    QImage imagen(hoja.picture(Columna::S)->size(), QImage::Format_ARGB32_Premultiplied);
    const double escala = static_cast<double>(imagen.width()) / t.tamano.width();
    for (auto _ : state) {
        QPainter p(&imagen);
        PintarTarta(p, t, escala);
    }
}
BENCHMARK(BM_PintarTarta)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tarvia

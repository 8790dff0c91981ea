#include "engine/abrir.h"
#include "engine/resultados.h"
#include "presentacion/documento.h"

#include <benchmark/benchmark.h>

namespace {

// Results of both columns of a loaded reference vehicle: what every
// activation and repaint of the results sheet costs.
void BM_Actualizar(benchmark::State& state)
{
    tarvia::Documento doc;
    tarvia::InicializarCalculo(doc.calculo);
    const QString ruta = QStringLiteral(TARVIA_BIN_DIR "/Baremario/Articulado Carga General.brm");
    if (tarvia::LeerArchivo(doc, ruta) != tarvia::FalloArchivo::Ninguno) {
        state.SkipWithError("no se pudo leer el archivo del Baremario");
        return;
    }
    for (auto _ : state) {
        tarvia::Actualizar(doc);
        benchmark::DoNotOptimize(doc.calculo.Personal.R(19));
    }
}
BENCHMARK(BM_Actualizar)->Unit(benchmark::kMicrosecond);

} // namespace

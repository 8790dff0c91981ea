// Showing a loaded calculation: every value of both columns, every chain,
// the results and the services.
#include "bench/ejemplo.h"
#include "core/archivo.h"
#include "engine/abrir.h"
#include "engine/recalcular.h"
#include "engine/repartir.h"
#include "presentacion/documento.h"

#include <benchmark/benchmark.h>

#include <QFileInfo>

using namespace tarvia;

namespace {

// The reference data of the first vehicle type when it is beside the
// program, otherwise the same kind of calculation built in memory.
Calculo CalculoCargado()
{
    Calculo c;
    InicializarCalculo(c);
    const QString ruta = QStringLiteral(TARVIA_BIN_DIR "/Baremario/Articulado Carga General.brm");
    if (QFileInfo::exists(ruta) && LeerValores(ruta, c) == FalloArchivo::Ninguno)
        return c;
    ejemplo::Llenar(c);
    return c;
}

void CargarYRepartir(benchmark::State& state)
{
    const Calculo cargado = CalculoCargado();
    Documento doc;
    for (auto _ : state) {
        doc.calculo = cargado;
        RepartirValores(doc);
        benchmark::DoNotOptimize(doc.calculo.Personal.R(54));
    }
}
BENCHMARK(CargarYRepartir)->Unit(benchmark::kMicrosecond);

// The cost of one accepted edit of the yearly kilometres.
void RecalcularKilometros(benchmark::State& state)
{
    Documento doc;
    doc.calculo = CalculoCargado();
    RepartirValores(doc);
    for (auto _ : state) {
        Recalcular(doc, Hoja::C, Columna::S, 7);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(RecalcularKilometros);

// The normalisation pass that every call of the driver starts with.
void NormalizarAmbasColumnas(benchmark::State& state)
{
    Calculo c = CalculoCargado();
    for (auto _ : state) {
        Normalizar(c);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(NormalizarAmbasColumnas);

} // namespace

// One field commit as the user makes it: parse, check, store, recalculate, show.
#include "core/archivo.h"
#include "engine/abrir.h"
#include "presentacion/edicion.h"

#include <benchmark/benchmark.h>

using namespace tarvia;

namespace {

Documento Abierto()
{
    Documento doc;
    InicializarCalculo(doc.calculo);
    LeerArchivo(doc, QStringLiteral(TARVIA_BIN_DIR "/Baremario/Articulado Carga General.brm"));
    return doc;
}

// The yearly kilometres: the longest chain of the input sheets.
void ConfirmarCampo(benchmark::State& state)
{
    Documento doc = Abierto();
    bool alterno = false;
    for (auto _ : state) {
        MostrarParaEditar(doc, Hoja::C, 7);
        ConfirmarCampo(doc, Hoja::C, 7, alterno ? QStringLiteral("120000") : QStringLiteral("110000"), -1);
        alterno = !alterno;
    }
}
BENCHMARK(ConfirmarCampo);

// A service field: the results are recomputed before the service is priced.
void ConfirmarCampoServicio(benchmark::State& state)
{
    Documento doc = Abierto();
    bool alterno = false;
    for (auto _ : state) {
        MostrarParaEditar(doc, Hoja::S, 3);
        ConfirmarCampo(doc, Hoja::S, 3, alterno ? QStringLiteral("250") : QStringLiteral("300"), -1);
        alterno = !alterno;
    }
}
BENCHMARK(ConfirmarCampoServicio);

} // namespace

// tarvia-calc --comparar reads and loads one file after another: files a second.
#include "presentacion/analisis.h"

#include <QDir>
#include <benchmark/benchmark.h>

namespace {

void CompararBaremario(benchmark::State& state)
{
    const QDir carpeta(QStringLiteral(TARVIA_BIN_DIR "/Baremario"));
    QStringList archivos;
    for (const QString& f : carpeta.entryList({QStringLiteral("*.brm")}))
        archivos << carpeta.filePath(f);
    const tarvia::Localizacion loc;
    for (auto _ : state)
        benchmark::DoNotOptimize(tarvia::Comparar(archivos, loc));
    state.SetItemsProcessed(state.iterations() * archivos.size());
}
BENCHMARK(CompararBaremario)->Unit(benchmark::kMillisecond);

} // namespace

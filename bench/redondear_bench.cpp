#include "core/redondear.h"

#include <benchmark/benchmark.h>

static void BM_Redondear(benchmark::State& state)
{
    double x = 1234.56789;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tarvia::Redondear(x, 2));
        x += 0.001;
    }
}
BENCHMARK(BM_Redondear);

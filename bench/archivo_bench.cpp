// Loading and saving a calculation file, and the worst files a user could
// pick by mistake: each must take well under a second.
#include "core/archivo.h"
#include "core/archivo_bytes.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tarvia;

namespace {

struct Archivos {
    QTemporaryDir dir;
    QString normal = dir.filePath("normal.trv");
    QString enorme = dir.filePath("enorme.trv"); // 256 lines and 100 MB behind
    QString millon = dir.filePath("millon.trv"); // a first line of a million characters
    Calculo calculo;

    Archivos()
    {
        InicializarCalculo(calculo);
        calculo.Personal.C(1) = Valor(QStringLiteral("Vehículo articulado de carga general"));
        EscribirValores(normal, calculo, QDate(2026, 1, 2));
        QFile::copy(normal, enorme);
        QFile(enorme).resize(100 << 20);
        QFile f(millon);
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray(1'000'000, 'x'));
        QFile n(normal);
        n.open(QIODevice::ReadOnly);
        f.write(n.readAll());
    }
};

Archivos& Datos()
{
    static Archivos a;
    return a;
}

void Leer(benchmark::State& state, const QString& ruta)
{
    Calculo c = Datos().calculo;
    for (auto _ : state)
        benchmark::DoNotOptimize(LeerValores(ruta, c));
}

} // namespace

static void BM_LeerValores(benchmark::State& s) { Leer(s, Datos().normal); }
static void BM_LeerValoresEnorme(benchmark::State& s) { Leer(s, Datos().enorme); }
static void BM_LeerValoresLineaDeUnMillon(benchmark::State& s) { Leer(s, Datos().millon); }
BENCHMARK(BM_LeerValores)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LeerValoresEnorme)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LeerValoresLineaDeUnMillon)->Unit(benchmark::kMillisecond);

static void BM_EscribirValores(benchmark::State& state)
{
    Calculo c = Datos().calculo;
    const QString ruta = Datos().dir.filePath("grabado.trv");
    for (auto _ : state)
        benchmark::DoNotOptimize(EscribirValores(ruta, c, QDate(2026, 1, 2)));
}
BENCHMARK(BM_EscribirValores)->Unit(benchmark::kMicrosecond);

// The byte-level reader alone on bytes already in memory.
static void BM_LeerArchivoBytes(benchmark::State& state)
{
    QFile f(Datos().normal);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    for (auto _ : state)
        benchmark::DoNotOptimize(archivo::LeerArchivo({bytes.constData(), size_t(bytes.size())}));
}
BENCHMARK(BM_LeerArchivoBytes)->Unit(benchmark::kMicrosecond);

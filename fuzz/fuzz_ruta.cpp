// libFuzzer target over the whole path a file takes when it is opened: read
// from disk, shown on every sheet with every chain recalculated, saved and
// opened again. Nothing may crash, no box may show a number that is not
// finite, no stored number may be one, and opening what was saved gives
// back every stored value (texts up to the file's own replacements).
#include "core/archivo_bytes.h"
#include "engine/abrir.h"
#include "presentacion/documento.h"

#include <QRegularExpression>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

using namespace tarvia;

// Where the scratch folder goes: in memory when the system offers it, since
// every input is written, saved (with its flushes to disk) and read again;
// else TMPDIR or /tmp.
std::string Base()
{
    if (::access("/dev/shm", W_OK | X_OK) == 0)
        return "/dev/shm";
    const char* tmp = std::getenv("TMPDIR");
    return tmp && *tmp ? tmp : "/tmp";
}

// One scratch folder per process: libFuzzer's jobs run side by side. Never
// freed, so that the clean-up at exit can still read it.
const std::string& Carpeta()
{
    static const std::string* const carpeta = [] {
        auto* ruta = new std::string(Base() + "/tarvia-fuzz-ruta-XXXXXX");
        if (!::mkdtemp(ruta->data()))
            std::abort();
        std::atexit([] {
            for (const char* f : {"/entrada.trv", "/salida.trv"})
                ::unlink((Carpeta() + f).c_str());
            ::rmdir(Carpeta().c_str());
        });
        return ruta;
    }();
    return *carpeta;
}

void Escribir(const std::string& ruta, const std::uint8_t* datos, std::size_t n)
{
    const int fd = ::open(ruta.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        std::abort();
    for (std::size_t hecho = 0; hecho < n;) {
        const ssize_t w = ::write(fd, datos + hecho, n - hecho);
        if (w <= 0)
            std::abort();
        hecho += static_cast<std::size_t>(w);
    }
    ::close(fd);
}

// The text as it comes back from a file: quotes and line breaks replaced,
// then through Windows-1252.
QString ComoVuelve(const QString& t)
{
    std::string s = t.toStdString();
    for (char& c : s) {
        if (c == '"')
            c = '\'';
        else if (c == '\r' || c == '\n')
            c = ' ';
    }
    return QString::fromStdString(archivo::Cp1252AUtf8(archivo::Utf8ACp1252(s)));
}

bool MismoValor(const Valor& antes, const Valor& despues)
{
    if (antes.esTexto() && despues.esTexto())
        return ComoVuelve(antes.texto()) == despues.texto();
    return antes == despues;
}

bool NoFinito(const QString& texto)
{
    static const QRegularExpression patron(QStringLiteral("\\b(nan|inf)"), QRegularExpression::CaseInsensitiveOption);
    return patron.match(texto).hasMatch();
}

// Says which value broke the rule before stopping, for the one who reads the crash.
void Comprobar(bool condicion, const char* regla, Hoja h = Hoja::R, Columna col = Columna::S, int i = 0)
{
    if (condicion)
        return;
    std::fprintf(stderr, "fuzz_ruta: %s: %s(%d) %s\n", regla, std::string(Codigo(h)).c_str(), i,
                 col == Columna::S ? "personal" : "referencia");
    __builtin_trap();
}

// Every stored number finite, and no box showing a computed figure as "nan"
// or "inf" (a text read from the file is shown as it is).
void ComprobarPantalla(const Documento& doc)
{
    for (Columna col : {Columna::S, Columna::O}) {
        const ValoresColumna& v = doc.calculo.Columna(col);
        for (Hoja h : TodasLasHojas)
            for (int i = 1; i <= NumeroDeCampos(h); ++i) {
                const Valor& valor = v[h](i);
                Comprobar(!valor.esNumero() || std::isfinite(valor.numero()), "valor no finito", h, col, i);
                if (!valor.esTexto())
                    Comprobar(!NoFinito(doc.pantalla.caja(h, col, i).texto), "casilla no finita", h, col, i);
            }
        Comprobar(!NoFinito(doc.pantalla.comentario(col)), "comentario no finito", Hoja::I, col);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n)
{
    const std::string entrada = Carpeta() + "/entrada.trv";
    const QString salida = QString::fromStdString(Carpeta() + "/salida.trv");
    Escribir(entrada, datos, n);

    Documento doc;
    InicializarCalculo(doc.calculo);
    if (LeerArchivo(doc, QString::fromStdString(entrada)) != FalloArchivo::Ninguno)
        return 0;
    ComprobarPantalla(doc);
    const Calculo abierto = doc.calculo;

    Comprobar(EscribirArchivo(doc, salida, QDate(2026, 1, 15)) == FalloArchivo::Ninguno, "no se graba");
    ComprobarPantalla(doc);

    Documento otro;
    InicializarCalculo(otro.calculo);
    Comprobar(LeerArchivo(otro, salida) == FalloArchivo::Ninguno, "lo grabado no se abre");
    ComprobarPantalla(otro);
    for (Columna col : {Columna::S, Columna::O})
        for (Hoja h : TodasLasHojas)
            for (int i = 1; i <= NumeroDeCampos(h); ++i)
                Comprobar(MismoValor(abierto.Columna(col)[h](i), otro.calculo.Columna(col)[h](i)),
                          "otro valor al abrir lo grabado", h, col, i);
    Comprobar(abierto.Referencia.Fecha == otro.calculo.Referencia.Fecha, "otra fecha al abrir lo grabado");
    return 0;
}

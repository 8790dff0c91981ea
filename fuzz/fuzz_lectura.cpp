// libFuzzer target over the byte-level reader: any bytes either give the
// 256 values or are refused, and whatever is read writes back to a file that
// reads again with the same kinds and the same numbers, dates and true/false.
#include "core/archivo_bytes.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ar = tarvia::archivo;

namespace {

bool MismoValor(const ar::ValorArchivo& a, const ar::ValorArchivo& b)
{
    using Clase = ar::ValorArchivo::Clase;
    if (a.clase != b.clase)
        return false;
    switch (a.clase) {
    case Clase::Numero: return a.numero == b.numero;
    case Clase::Logico: return a.logico == b.logico;
    case Clase::Fecha: return a.fecha == b.fecha;
    default: return true; // texts change on the way: cp1252, quotes
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n)
{
    const std::string_view bytes(reinterpret_cast<const char*>(datos), n);
    const auto valores = ar::LeerArchivo(bytes);
    if (!valores)
        return 0;
    if (valores->size() != static_cast<std::size_t>(ar::kLineasArchivo))
        __builtin_trap();

    const std::string escrito = ar::EscribirArchivo(*valores);
    const auto otra = ar::LeerArchivo(escrito);
    if (!otra)
        __builtin_trap();
    for (std::size_t i = 0; i < valores->size(); ++i)
        if (!MismoValor((*valores)[i], (*otra)[i]))
            __builtin_trap();
    return 0;
}

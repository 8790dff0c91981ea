#pragma once
// The eight value arrays of a column and how they are named.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvia {

enum class Hoja : std::uint8_t { C, F1, F2, F3, V, I, R, S };

// The eight sheets: six of input, the results and the service.
inline constexpr int kNumeroDeHojas = 8;

inline constexpr std::array<Hoja, kNumeroDeHojas> TodasLasHojas = {Hoja::C, Hoja::F1, Hoja::F2, Hoja::F3,
                                                                   Hoja::V, Hoja::I,  Hoja::R,  Hoja::S};

// Sheets with input fields, in file and comparison order (R has none).
inline constexpr std::array<Hoja, 7> HojasDeEntrada = {Hoja::C, Hoja::F1, Hoja::F2, Hoja::F3,
                                                       Hoja::V, Hoja::I,  Hoja::S};

// Sheets with a text-box column per calculation column (S has only the personal one).
inline constexpr std::array<Hoja, 6> HojasConReferencia = {Hoja::C, Hoja::F1, Hoja::F2, Hoja::F3, Hoja::V, Hoja::I};

constexpr int Indice(Hoja h) { return static_cast<int>(h); }

// A field of a sheet: what formulas read and write. {Hoja::C, 9} is C(9);
// core/campos.h names every field the code reads.
struct CampoDeHoja {
    Hoja hoja;
    int i;
    friend constexpr bool operator==(CampoDeHoja, CampoDeHoja) = default;
};

constexpr int NumeroDeCampos(Hoja h)
{
    constexpr std::array<int, kNumeroDeHojas> n = {21, 24, 26, 31, 42, 5, 54, 31};
    return n[Indice(h)];
}

constexpr std::string_view Codigo(Hoja h)
{
    constexpr std::array<std::string_view, kNumeroDeHojas> c = {"C", "F1", "F2", "F3", "V", "I", "R", "S"};
    return c[Indice(h)];
}

constexpr std::string_view NombreFormulario(Hoja h)
{
    constexpr std::array<std::string_view, kNumeroDeHojas> f = {
        "frmCaracteristicas", "frmCostesFijos1",     "frmCostesFijos2", "frmCostesFijos3",
        "frmCostesVariables", "frmCostesIndirectos", "frmResultados",   "frmServicio"};
    return f[Indice(h)];
}

// Fixed caption of each sheet's title frame.
constexpr std::string_view TituloHoja(Hoja h)
{
    constexpr std::array<std::string_view, kNumeroDeHojas> t = {"Características Técnicas y de Explotación",
                                                                "Vehículo de Tracción",
                                                                "Semirremolque, Remolque ...",
                                                                "Personal, Seguros y Costes Fiscales",
                                                                "Carburante, Urea, Neumáticos, ...",
                                                                "Costes Indirectos",
                                                                "Resultados",
                                                                "Costes de un servicio concreto"};
    return t[Indice(h)];
}

inline std::optional<Hoja> HojaPorCodigo(std::string_view codigo)
{
    for (Hoja h : TodasLasHojas)
        if (Codigo(h) == codigo)
            return h;
    return std::nullopt;
}

// Column of a calculation: personal "S" or reference "O".
enum class Columna : std::uint8_t { S, O };

} // namespace tarvia

#pragma once
// The field catalogue: every element of every sheet with its kind, decimals,
// maximum formatted length, limits, label and tooltip. Rounding, comparison,
// display, validation, files and windows all read it from here.
#include "core/hojas.h"
#include "core/valor.h"

#include <QString>
#include <span>
#include <string_view>
#include <vector>

namespace tarvia {

enum class TipoCampo : std::uint8_t {
    Entrada,   // numeric input of the personal column
    Texto,     // free-text input (C(1), C(6))
    Opcion,    // true/false chosen with two option buttons
    Derivado,  // computed by the engine
    Resultado, // computed by the results sheet
};

// A limit of Minimos/Maximos as the catalogue states it.
struct Limite {
    enum class Clase : std::uint8_t { Ninguno, Numerico, Texto, Verdadero } clase = Clase::Ninguno;
    double numero = 0;
    const char* texto = "";

    static constexpr Limite Ninguno() { return {}; }
    static constexpr Limite Num(double n) { return {Clase::Numerico, n, ""}; }
    static constexpr Limite Txt(const char* t) { return {Clase::Texto, 0, t}; }
    static constexpr Limite Cierto() { return {Clase::Verdadero, 0, ""}; }
    Valor comoValor() const;
};

struct Campo {
    Hoja hoja;
    int indice;
    TipoCampo tipo;
    int decimales; // the box's Tag: -1 for text and option fields
    int maxLength; // longest formatted text of the box (0: a label or an option)
    Limite minimo;
    Limite maximo;
    const char* etiqueta;       // row caption on the sheet
    const char* unidad;         // unit or column heading beside the box ("" if none)
    const char* ayuda;          // tooltip of the personal box ("" if none)
    bool ceroPermitido = false; // 0 accepted below the lower limit (sheet C)
    bool totalDeGrupo = false;  // an input only while its group is entered as a total

    bool esEntrada() const
    {
        return tipo == TipoCampo::Entrada || tipo == TipoCampo::Texto || tipo == TipoCampo::Opcion;
    }
    bool esNumerico() const { return decimales >= 0; }
};

// The catalogue of one sheet, one entry per index 1..NumeroDeCampos(h), in index order.
std::span<const Campo> CamposDe(Hoja h);
const Campo& CampoDe(Hoja h, int indice);
inline const Campo& CampoDe(CampoDeHoja c) { return CampoDe(c.hoja, c.i); }
// Every field of every sheet, sheet by sheet.
std::span<const Campo> Catalogo();

// Decimals shown by a field (the Tag): -1 for text and option fields.
inline int Decimales(Hoja h, int indice) { return CampoDe(h, indice).decimales; }
inline int Decimales(CampoDeHoja c) { return Decimales(c.hoja, c.i); }

// Indices of a sheet's input fields, ascending: the order of files and comparisons.
std::vector<std::int16_t> ListaCamposEntrada(Hoja h);

// A result's caption on one line, its unit in brackets: "C1 (€/km recorrido)".
QString RotuloDeResultado(CampoDeHoja r);

bool EsCampoTexto(Hoja h, int indice);
bool EsCampoOpcion(Hoja h, int indice);

} // namespace tarvia

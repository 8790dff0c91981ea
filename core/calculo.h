#pragma once
// The one calculation that is open: both columns, the saved copy, the limits,
// the input lists and the run-time values of editing.
#include "core/formato.h"
#include "core/hojas.h"
#include "core/valor.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace tarvia {

// A one-based array of values: Arreglo(1) is the first element.
class Arreglo {
public:
    explicit Arreglo(int n = 0) : v_(static_cast<size_t>(n) + 1) {}
    int size() const { return static_cast<int>(v_.size()) - 1; }
    Valor& operator()(int i) { return v_.at(static_cast<size_t>(i)); }
    const Valor& operator()(int i) const { return v_.at(static_cast<size_t>(i)); }
    bool contiene(int i) const { return i >= 1 && i <= size(); }
    // Elements 1..size() in order, for passes over a whole sheet.
    std::span<Valor> valores() { return std::span<Valor>(v_).subspan(1); }
    friend bool operator==(const Arreglo&, const Arreglo&) = default;

private:
    std::vector<Valor> v_;
};

struct ValoresColumna {
    Arreglo C{NumeroDeCampos(Hoja::C)};
    Arreglo F1{NumeroDeCampos(Hoja::F1)};
    Arreglo F2{NumeroDeCampos(Hoja::F2)};
    Arreglo F3{NumeroDeCampos(Hoja::F3)};
    Arreglo V{NumeroDeCampos(Hoja::V)};
    Arreglo I{NumeroDeCampos(Hoja::I)};
    Arreglo R{NumeroDeCampos(Hoja::R)};
    Arreglo S{NumeroDeCampos(Hoja::S)};
    QDate Fecha; // null: the empty date

    Arreglo& operator[](Hoja h);
    const Arreglo& operator[](Hoja h) const;
    Valor& operator[](CampoDeHoja c) { return (*this)[c.hoja](c.i); }
    const Valor& operator[](CampoDeHoja c) const { return (*this)[c.hoja](c.i); }
    friend bool operator==(const ValoresColumna&, const ValoresColumna&) = default;
};

struct Calculo {
    ValoresColumna Personal;
    ValoresColumna Referencia;
    ValoresColumna Grabado;
    ValoresColumna Minimos;
    ValoresColumna Maximos;
    // Input fields of each sheet, ascending, indexed by Indice(Hoja); R has none.
    std::array<std::vector<std::int16_t>, kNumeroDeHojas> CamposEntrada;
    QString RutaArchivo;
    Localizacion Local; // decimal separator, grouping, short date
    bool MostrarCeros = false;
    Valor ValorAnterior;

    QChar SeparadorDecimal() const { return Local.decimal; }
    ValoresColumna& Columna(tarvia::Columna c) { return c == Columna::S ? Personal : Referencia; }
    const ValoresColumna& Columna(tarvia::Columna c) const { return c == Columna::S ? Personal : Referencia; }
    const std::vector<std::int16_t>& Entradas(Hoja h) const { return CamposEntrada[Indice(h)]; }
};

// Lists, limits, and both columns holding the lower limits.
void InicializarCalculo(Calculo& calculo);

// Whether the personal input fields differ from the saved copy, each numeric
// field compared at the decimals its box shows.
bool HayCambios(const Calculo& calculo);

// Number of input fields in all (127).
int TotalCamposEntrada(const Calculo& calculo);

} // namespace tarvia

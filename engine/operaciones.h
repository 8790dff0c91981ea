#pragma once
// The building blocks of the recalculation chains. Each step reads its
// operands from one column; when an operand cannot be computed the step is
// skipped, the target keeps its value and the chain goes on.
#include "core/campos.h"
#include "engine/documento_motor.h"

#include <initializer_list>
#include <optional>
#include <span>
#include <tuple>

namespace tarvia {

using Numero = std::optional<double>;

// One recalculation: the document and the column being brought up to date.
class Contexto {
public:
    Contexto(DocumentoMotor& documento, Columna columna) : doc(documento), col(columna) {}

    DocumentoMotor& doc;
    const Columna col;

    bool personal() const { return col == Columna::S; }
    Valor& valor(CampoDeHoja r) { return doc.calculo.Columna(col)[r]; }
    const Valor& valor(CampoDeHoja r) const { return doc.calculo.Columna(col)[r]; }
    Numero numero(CampoDeHoja r) const { return valor(r).comoNumero(); }
    // True/false reading of an option field; nullopt when it is neither.
    std::optional<bool> logico(CampoDeHoja r) const { return valor(r).comoLogico(); }
    // Whether the field reads as 0; nullopt when it cannot be computed.
    std::optional<bool> esCero(CampoDeHoja r) const;
    Caja& caja(CampoDeHoja r) { return doc.vista().caja(r.hoja, col, r.i); }

    // Stores x rounded to the decimals of the target and shows it. Skipped
    // when x is missing or the rounding cannot be done.
    bool Redondeado(CampoDeHoja destino, Numero x);
    // Stores x as it is and shows it ("not rounded" steps).
    bool SinRedondear(CampoDeHoja destino, Numero x);
    void Mostrar(CampoDeHoja r);
    void Vaciar(CampoDeHoja r);
};

// f applied to the numeric values of the operands, or nullopt when any of
// them cannot be computed.
template <class F, class... Rs>
Numero Con(const Contexto& x, F f, Rs... operandos)
{
    const auto v = std::make_tuple(x.numero(operandos)...);
    const bool completos = std::apply([](const auto&... o) { return (o.has_value() && ...); }, v);
    if (!completos)
        return std::nullopt;
    return std::apply([&](const auto&... o) -> Numero { return f(*o...); }, v);
}

// Shared operations of the chains.

// c = Redondear(a × b / 100); d = 100 − b; e = a − c.
void RepartoPorcentual(Contexto& x, CampoDeHoja a, CampoDeHoja b, CampoDeHoja c, CampoDeHoja d, CampoDeHoja e);
// d = Redondear(a × b × c / 100).
void ProductoPorcentual(Contexto& x, CampoDeHoja a, CampoDeHoja b, CampoDeHoja c, CampoDeHoja d);
// c = Redondear(a / b) when b > 0, else 0.
void CocienteProtegido(Contexto& x, CampoDeHoja a, CampoDeHoja b, CampoDeHoja c);
// c = Redondear(a × (100 − b) / 100).
void NetoDeDescuento(Contexto& x, CampoDeHoja a, CampoDeHoja b, CampoDeHoja c);
// c = Redondear(a × b / 100).
void PorcentajeDe(Contexto& x, CampoDeHoja a, CampoDeHoja b, CampoDeHoja c);
// c = Redondear(a × b); e = c + d.
void ProductoYSuma(Contexto& x, CampoDeHoja a, CampoDeHoja b, CampoDeHoja c, CampoDeHoja d, CampoDeHoja e);
// b = Redondear(a × escala), the scale a field of another sheet.
void ValorEscalado(Contexto& x, CampoDeHoja escala, CampoDeHoja a, CampoDeHoja b);
// total = sum of the fields, in order, not rounded.
void SumaAcumulada(Contexto& x, CampoDeHoja total, std::span<const CampoDeHoja> sumandos);
// Every field set to 0 and its box emptied.
void Limpiar(Contexto& x, std::initializer_list<CampoDeHoja> campos);
// Boxes emptied, values kept.
void VaciarCajas(Contexto& x, std::initializer_list<CampoDeHoja> campos);
// Personal column only: the targets are enabled (colour of `como`, value
// shown) when every condition field is non-zero, otherwise disabled (colour
// of `distinto`, box emptied, value kept).
void HabilitarSiNoCero(Contexto& x, std::initializer_list<CampoDeHoja> condiciones,
                       std::initializer_list<CampoDeHoja> destinos, CampoDeHoja como, CampoDeHoja distinto);
// b = Redondear(a × 0.73549875), metric horsepower to kilowatts.
void PotenciaAKW(Contexto& x, CampoDeHoja a, CampoDeHoja b);

} // namespace tarvia

#include "engine/operaciones.h"

#include "core/catalogo.h"
#include "core/redondear.h"
#include "engine/mostrar.h"

#include <cmath>

namespace tarvia {

std::optional<bool> Contexto::esCero(Ref r) const
{
    const Numero n = numero(r);
    if (!n)
        return std::nullopt;
    return *n == 0.0;
}

bool Contexto::Redondeado(Ref destino, Numero x)
{
    if (!x)
        return false;
    const double y = Redondear(*x, Decimales(destino.h, destino.i));
    if (std::isnan(y))
        return false;
    valor(destino) = y;
    Mostrar(destino);
    return true;
}

bool Contexto::SinRedondear(Ref destino, Numero x)
{
    if (!x || !std::isfinite(*x))
        return false;
    valor(destino) = *x;
    Mostrar(destino);
    return true;
}

void Contexto::Mostrar(Ref r) { MostrarCampo(doc, r.h, col, r.i); }

void Contexto::Vaciar(Ref r) { VaciarCaja(doc, r.h, col, r.i); }

void RepartoPorcentual(Contexto& x, Hoja h, int a, int b, int c, int d, int e)
{
    x.Redondeado({h, c}, Con(
                             x, [](double va, double vb) { return va * vb / 100; }, Ref{h, a}, Ref{h, b}));
    x.SinRedondear({h, d}, Con(
                               x, [](double vb) { return 100 - vb; }, Ref{h, b}));
    x.SinRedondear({h, e}, Con(
                               x, [](double va, double vc) { return va - vc; }, Ref{h, a}, Ref{h, c}));
}

void ProductoPorcentual(Contexto& x, Hoja h, int a, int b, int c, int d)
{
    x.Redondeado({h, d}, Con(
                             x, [](double va, double vb, double vc) { return va * vb * vc / 100; }, Ref{h, a},
                             Ref{h, b}, Ref{h, c}));
}

void CocienteProtegido(Contexto& x, Hoja h, int a, int b, int c)
{
    const Numero divisor = x.numero({h, b});
    if (!divisor)
        return;
    if (*divisor > 0)
        x.Redondeado({h, c}, Con(
                                 x, [&](double va) { return va / *divisor; }, Ref{h, a}));
    else
        x.Redondeado({h, c}, 0.0);
}

void NetoDeDescuento(Contexto& x, Hoja h, int a, int b, int c)
{
    x.Redondeado({h, c}, Con(
                             x, [](double va, double vb) { return va * (100 - vb) / 100; }, Ref{h, a}, Ref{h, b}));
}

void PorcentajeDe(Contexto& x, Hoja h, int a, int b, int c)
{
    x.Redondeado({h, c}, Con(
                             x, [](double va, double vb) { return va * vb / 100; }, Ref{h, a}, Ref{h, b}));
}

void ProductoYSuma(Contexto& x, Hoja h, int a, int b, int c, int d, int e)
{
    x.Redondeado({h, c}, Con(
                             x, [](double va, double vb) { return va * vb; }, Ref{h, a}, Ref{h, b}));
    x.SinRedondear({h, e}, Con(
                               x, [](double vc, double vd) { return vc + vd; }, Ref{h, c}, Ref{h, d}));
}

void ValorEscalado(Contexto& x, Ref escala, Ref a, Ref b)
{
    x.Redondeado(b, Con(
                        x, [](double va, double ve) { return va * ve; }, a, escala));
}

void SumaAcumulada(Contexto& x, Hoja h, int total, std::initializer_list<int> sumandos)
{
    double suma = 0;
    for (int f : sumandos) {
        const Numero n = x.numero({h, f});
        if (!n)
            return;
        suma += *n;
    }
    x.SinRedondear({h, total}, suma);
}

void Limpiar(Contexto& x, Hoja h, std::initializer_list<int> campos)
{
    for (int f : campos) {
        x.valor({h, f}) = 0.0;
        x.Vaciar({h, f});
    }
}

void VaciarCajas(Contexto& x, Hoja h, std::initializer_list<int> campos)
{
    for (int f : campos)
        x.Vaciar({h, f});
}

void HabilitarSiNoCero(Contexto& x, std::initializer_list<Ref> condiciones, std::initializer_list<Ref> destinos,
                       Ref como, Ref distinto)
{
    if (!x.personal())
        return;
    bool todos = true;
    for (Ref r : condiciones) {
        const auto cero = x.esCero(r);
        if (!cero)
            return; // cannot tell: the step is skipped
        todos = todos && !*cero;
    }
    const Fondo fondo = x.caja(todos ? como : distinto).fondo;
    for (Ref r : destinos) {
        Caja& caja = x.caja(r);
        caja.habilitado = todos;
        caja.fondo = fondo;
        if (todos)
            x.Mostrar(r);
        else
            x.Vaciar(r);
    }
}

void PotenciaAKW(Contexto& x, Hoja h, int a, int b)
{
    x.Redondeado({h, b}, Con(
                             x, [](double va) { return va * 0.73549875; }, Ref{h, a}));
}

} // namespace tarvia

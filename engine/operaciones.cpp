#include "engine/operaciones.h"

#include "core/catalogo.h"
#include "core/redondear.h"
#include "engine/mostrar.h"

#include <cmath>

namespace tarvia {

std::optional<bool> Contexto::esCero(CampoDeHoja r) const
{
    const Numero n = numero(r);
    if (!n)
        return std::nullopt;
    return *n == 0.0;
}

bool Contexto::Redondeado(CampoDeHoja destino, Numero x)
{
    if (!x)
        return false;
    const double y = Redondear(*x, Decimales(destino));
    if (std::isnan(y))
        return false;
    valor(destino) = y;
    Mostrar(destino);
    return true;
}

bool Contexto::SinRedondear(CampoDeHoja destino, Numero x)
{
    if (!x || !std::isfinite(*x))
        return false;
    valor(destino) = *x;
    Mostrar(destino);
    return true;
}

void Contexto::Mostrar(CampoDeHoja r) { MostrarCampo(doc, r.hoja, col, r.i); }

void Contexto::Vaciar(CampoDeHoja r) { VaciarCaja(doc, r.hoja, col, r.i); }

void RepartoPorcentual(Contexto& x, CampoDeHoja a, CampoDeHoja b, CampoDeHoja c, CampoDeHoja d, CampoDeHoja e)
{
    x.Redondeado(c, Con(
                        x, [](double va, double vb) { return va * vb / 100; }, a, b));
    x.SinRedondear(d, Con(
                          x, [](double vb) { return 100 - vb; }, b));
    x.SinRedondear(e, Con(
                          x, [](double va, double vc) { return va - vc; }, a, c));
}

void ProductoPorcentual(Contexto& x, CampoDeHoja a, CampoDeHoja b, CampoDeHoja c, CampoDeHoja d)
{
    x.Redondeado(d, Con(
                        x, [](double va, double vb, double vc) { return va * vb * vc / 100; }, a, b, c));
}

void CocienteProtegido(Contexto& x, CampoDeHoja a, CampoDeHoja b, CampoDeHoja c)
{
    const Numero divisor = x.numero(b);
    if (!divisor)
        return;
    if (*divisor > 0)
        x.Redondeado(c, Con(
                            x, [&](double va) { return va / *divisor; }, a));
    else
        x.Redondeado(c, 0.0);
}

void NetoDeDescuento(Contexto& x, CampoDeHoja a, CampoDeHoja b, CampoDeHoja c)
{
    x.Redondeado(c, Con(
                        x, [](double va, double vb) { return va * (100 - vb) / 100; }, a, b));
}

void PorcentajeDe(Contexto& x, CampoDeHoja a, CampoDeHoja b, CampoDeHoja c)
{
    x.Redondeado(c, Con(
                        x, [](double va, double vb) { return va * vb / 100; }, a, b));
}

void ProductoYSuma(Contexto& x, CampoDeHoja a, CampoDeHoja b, CampoDeHoja c, CampoDeHoja d, CampoDeHoja e)
{
    x.Redondeado(c, Con(
                        x, [](double va, double vb) { return va * vb; }, a, b));
    x.SinRedondear(e, Con(
                          x, [](double vc, double vd) { return vc + vd; }, c, d));
}

void ValorEscalado(Contexto& x, CampoDeHoja escala, CampoDeHoja a, CampoDeHoja b)
{
    x.Redondeado(b, Con(
                        x, [](double va, double ve) { return va * ve; }, a, escala));
}

void SumaAcumulada(Contexto& x, CampoDeHoja total, std::span<const CampoDeHoja> sumandos)
{
    double suma = 0;
    for (CampoDeHoja f : sumandos) {
        const Numero n = x.numero(f);
        if (!n)
            return;
        suma += *n;
    }
    x.SinRedondear(total, suma);
}

void Limpiar(Contexto& x, std::initializer_list<CampoDeHoja> campos)
{
    for (CampoDeHoja f : campos) {
        x.valor(f) = 0.0;
        x.Vaciar(f);
    }
}

void VaciarCajas(Contexto& x, std::initializer_list<CampoDeHoja> campos)
{
    for (CampoDeHoja f : campos)
        x.Vaciar(f);
}

void HabilitarSiNoCero(Contexto& x, std::initializer_list<CampoDeHoja> condiciones,
                       std::initializer_list<CampoDeHoja> destinos, CampoDeHoja como, CampoDeHoja distinto)
{
    if (!x.personal())
        return;
    bool todos = true;
    for (CampoDeHoja r : condiciones) {
        const auto cero = x.esCero(r);
        if (!cero)
            return; // cannot tell: the step is skipped
        todos = todos && !*cero;
    }
    const Fondo fondo = x.caja(todos ? como : distinto).fondo;
    for (CampoDeHoja r : destinos) {
        Caja& caja = x.caja(r);
        caja.habilitado = todos;
        caja.fondo = fondo;
        if (todos)
            x.Mostrar(r);
        else
            x.Vaciar(r);
    }
}

void PotenciaAKW(Contexto& x, CampoDeHoja a, CampoDeHoja b)
{
    x.Redondeado(b, Con(
                        x, [](double va) { return va * 0.73549875; }, a));
}

} // namespace tarvia

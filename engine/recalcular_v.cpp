// Sheet V: fuel prices without VAT, the share bought abroad, maintenance and
// repairs per year, and the tyres that lower the purchase prices.
#include "engine/recalcular_v.h"
#include "core/grupos.h"
#include "engine/recalcular_f1f2.h"

#include <cmath>

namespace tarvia {

using namespace campos;

namespace {

void PrecioCarburante(Contexto& x, const GrupoCarburante& g)
{
    const auto precioCero = x.esCero(g.precio);
    if (precioCero) {
        if (*precioCero)
            x.Redondeado(g.porcentajeDescuento, 0.0);
        else
            x.Redondeado(g.porcentajeDescuento,
                         Con(
                             x, [](double p, double r) { return 100 * r / p; }, g.precio, g.descuento));
    }
    x.Redondeado(g.precioSinIva, Con(
                                     x, [](double p, double r, double t) { return (p - r) / (t / 100 + 1); }, g.precio,
                                     g.descuento, g.iva));
    x.Redondeado(g.ivaPorLitro, Con(
                                    x, [](double p, double r, double w) { return (p - r) - w; }, g.precio, g.descuento,
                                    g.precioSinIva));
}

// A new price may leave the discount outside its percentage limits: it is
// then set to the lowest share allowed.
void ComprobarDescuento(Contexto& x, const GrupoCarburante& g)
{
    const Numero p = x.numero(g.precio);
    const Numero r = x.numero(g.descuento);
    const Numero mx = x.doc.calculo.Maximos[g.porcentajeDescuento].comoNumero();
    const Numero mn = x.doc.calculo.Minimos[g.porcentajeDescuento].comoNumero();
    if (!p || !r || !mx || !mn)
        return;
    const double techo = 100 * *r / *mx;
    if (!std::isfinite(techo)) // no maximum: nothing to compare with
        return;
    if (*p < techo) {
        x.SinRedondear(g.descuento, *p * *mn / 100);
        return;
    }
    if (*mn > 0 && *p > 100 * *r / *mn)
        x.SinRedondear(g.descuento, *p * *mn / 100);
}

void Repostaje(Contexto& x)
{
    const GrupoCarburante& es = kCarburanteEspana;
    const GrupoCarburante& ex = kCarburanteExtranjero;
    x.SinRedondear(V::PorcentajeExtranjero, Con(
                                                x, [](double espana) { return 100 - espana; }, V::PorcentajeEspana));
    HabilitarSiNoCero(x, {V::PorcentajeEspana}, {es.precio, es.descuento, es.iva, V::DevolucionProfesional},
                      V::PorcentajeEspana, V::PorcentajeExtranjero);
    HabilitarSiNoCero(x, {V::PorcentajeExtranjero}, {ex.precio, ex.descuento, ex.iva}, V::PorcentajeEspana,
                      V::PorcentajeExtranjero);
    PrecioCarburante(x, es);
    PrecioCarburante(x, ex);
    const Numero espana = x.numero(V::PorcentajeEspana);
    if (espana == 0.0) {
        Limpiar(x, {es.precioSinIva});
        VaciarCajas(
            x, {es.precio, es.porcentajeDescuento, es.descuento, es.iva, es.ivaPorLitro, V::DevolucionProfesional});
    }
    if (espana == 100.0) {
        Limpiar(x, {ex.precioSinIva});
        VaciarCajas(x, {ex.precio, ex.porcentajeDescuento, ex.descuento, ex.iva, ex.ivaPorLitro});
    }
}

// A tyre group's price and life are offered only when it has tyres.
void GrupoDelTractor(Contexto& x, const GrupoNeumaticos& g)
{
    if (x.personal()) {
        HabilitarSiNoCero(x, {g.numero}, {g.precio, g.duracion}, V::NumeroArrastre, V::PrecioGasoleoEspana);
    } else if (x.esCero(g.numero) == true) {
        VaciarCajas(x, {g.precio, g.duracion});
    }
    PrecioTractorSinNeumaticos(x);
}

void NeumaticosSemirremolque(Contexto& x)
{
    const GrupoNeumaticos& g = kNeumaticosSemirremolque;
    if (x.personal()) {
        // Off as long as the semitrailer has no price (sheet F2).
        if (x.caja(g.numero).habilitado)
            HabilitarSiNoCero(x, {g.numero}, {g.precio, g.duracion}, g.numero, V::PrecioGasoleoEspana);
    } else if (x.esCero(g.numero) == true) {
        VaciarCajas(x, {g.precio, g.duracion});
    }
    PrecioSemiSinNeumaticos(x);
}

bool EnGrupo(const GrupoNeumaticos& g, int k) { return k == g.numero.i || k == g.precio.i || k == g.duracion.i; }

} // namespace

void RecalcularV(Contexto& x, int k)
{
    const GrupoCarburante& es = kCarburanteEspana;
    const GrupoCarburante& ex = kCarburanteExtranjero;
    const GrupoCarburante& eq = kCarburanteEquipos;
    for (const GrupoNeumaticos& g : kNeumaticosTractor)
        if (EnGrupo(g, k))
            return GrupoDelTractor(x, g);
    if (EnGrupo(kNeumaticosSemirremolque, k))
        return NeumaticosSemirremolque(x);
    if (k == V::PorcentajeEspana.i)
        return Repostaje(x);
    if (k == V::MantenimientoPorKilometro.i)
        return ValorEscalado(x, C::KilometrosAnuales, V::MantenimientoPorKilometro, V::Mantenimiento);
    if (k == V::ReparacionesPorKilometro.i)
        return ValorEscalado(x, C::KilometrosAnuales, V::ReparacionesPorKilometro, V::Reparaciones);
    if (k == eq.precio.i)
        HabilitarSiNoCero(x, {eq.precio}, {eq.descuento, eq.iva, V::ConsumoEquipos, V::HorasEquipos}, eq.precio,
                          eq.precioSinIva);
    for (const GrupoCarburante* g : {&es, &ex, &eq}) {
        if (k == g->precio.i)
            ComprobarDescuento(x, *g);
        if (k == g->precio.i || k == g->descuento.i || k == g->iva.i)
            PrecioCarburante(x, *g);
    }
}

} // namespace tarvia

// Sheet V: fuel prices without VAT, the share bought abroad, maintenance and
// repairs per year, and the tyres that lower the purchase prices.
#include "engine/recalcular_v.h"
#include "engine/recalcular_f1f2.h"

#include <cmath>

namespace tarvia {

namespace {

constexpr Hoja V = Hoja::V;

// (price, discount %, discount, VAT %, VAT per litre, price without VAT).
struct GrupoCarburante {
    int p, q, r, t, u, w;
};
constexpr GrupoCarburante Espana{1, 2, 3, 4, 5, 6};
constexpr GrupoCarburante Extranjero{35, 36, 37, 38, 39, 40};
constexpr GrupoCarburante Equipos{8, 9, 10, 11, 12, 13};

void PrecioCarburante(Contexto& x, const GrupoCarburante& g)
{
    const auto precioCero = x.esCero({V, g.p});
    if (precioCero) {
        if (*precioCero)
            x.Redondeado({V, g.q}, 0.0);
        else
            x.Redondeado({V, g.q}, Con(
                                       x, [](double p, double r) { return 100 * r / p; }, Ref{V, g.p}, Ref{V, g.r}));
    }
    x.Redondeado({V, g.w}, Con(
                               x, [](double p, double r, double t) { return (p - r) / (t / 100 + 1); }, Ref{V, g.p},
                               Ref{V, g.r}, Ref{V, g.t}));
    x.Redondeado({V, g.u}, Con(
                               x, [](double p, double r, double w) { return (p - r) - w; }, Ref{V, g.p}, Ref{V, g.r},
                               Ref{V, g.w}));
}

// A new price may leave the discount outside its percentage limits: it is
// then set to the lowest share allowed.
void ComprobarDescuento(Contexto& x, const GrupoCarburante& g)
{
    const Numero p = x.numero({V, g.p});
    const Numero r = x.numero({V, g.r});
    const Numero mx = x.doc.calculo.Maximos.V(g.q).comoNumero();
    const Numero mn = x.doc.calculo.Minimos.V(g.q).comoNumero();
    if (!p || !r || !mx || !mn)
        return;
    const double techo = 100 * *r / *mx;
    if (!std::isfinite(techo)) // no maximum: nothing to compare with
        return;
    if (*p < techo) {
        x.SinRedondear({V, g.r}, *p * *mn / 100);
        return;
    }
    if (*mn > 0 && *p > 100 * *r / *mn)
        x.SinRedondear({V, g.r}, *p * *mn / 100);
}

void Repostaje(Contexto& x)
{
    x.SinRedondear({V, 34}, Con(
                                x, [](double v33) { return 100 - v33; }, Ref{V, 33}));
    HabilitarSiNoCero(x, {{V, 33}}, {{V, 1}, {V, 3}, {V, 4}, {V, 41}}, {V, 33}, {V, 34});
    HabilitarSiNoCero(x, {{V, 34}}, {{V, 35}, {V, 37}, {V, 38}}, {V, 33}, {V, 34});
    PrecioCarburante(x, Espana);
    PrecioCarburante(x, Extranjero);
    const Numero espana = x.numero({V, 33});
    if (espana == 0.0) {
        Limpiar(x, V, {6});
        VaciarCajas(x, V, {1, 2, 3, 4, 5, 41});
    }
    if (espana == 100.0) {
        Limpiar(x, V, {40});
        VaciarCajas(x, V, {35, 36, 37, 38, 39});
    }
}

// A tyre group's price and life are offered only when it has tyres.
void GrupoNeumaticos(Contexto& x, int numero)
{
    if (x.personal()) {
        HabilitarSiNoCero(x, {{V, numero}}, {{V, numero + 1}, {V, numero + 2}}, {V, 22}, {V, 6});
    } else if (x.esCero({V, numero}) == true) {
        VaciarCajas(x, V, {numero + 1, numero + 2});
    }
}

void NeumaticosSemirremolque(Contexto& x)
{
    if (x.personal()) {
        // Off as long as the semitrailer has no price (sheet F2).
        if (x.caja({V, 25}).habilitado)
            HabilitarSiNoCero(x, {{V, 25}}, {{V, 26}, {V, 27}}, {V, 25}, {V, 6});
    } else if (x.esCero({V, 25}) == true) {
        VaciarCajas(x, V, {26, 27});
    }
    PrecioSemiSinNeumaticos(x);
}

} // namespace

void RecalcularV(Contexto& x, int k)
{
    switch (k) {
    case 33: Repostaje(x); break;
    case 1:
        ComprobarDescuento(x, Espana);
        PrecioCarburante(x, Espana);
        break;
    case 3:
    case 4: PrecioCarburante(x, Espana); break;
    case 35:
        ComprobarDescuento(x, Extranjero);
        PrecioCarburante(x, Extranjero);
        break;
    case 37:
    case 38: PrecioCarburante(x, Extranjero); break;
    case 8:
        HabilitarSiNoCero(x, {{V, 8}}, {{V, 10}, {V, 11}, {V, 14}, {V, 15}}, {V, 8}, {V, 13});
        ComprobarDescuento(x, Equipos);
        PrecioCarburante(x, Equipos);
        break;
    case 10:
    case 11: PrecioCarburante(x, Equipos); break;
    case 16:
    case 17:
    case 18:
        GrupoNeumaticos(x, 16);
        PrecioTractorSinNeumaticos(x);
        break;
    case 19:
    case 20:
    case 21:
        GrupoNeumaticos(x, 19);
        PrecioTractorSinNeumaticos(x);
        break;
    case 22:
    case 23:
    case 24:
        GrupoNeumaticos(x, 22);
        PrecioTractorSinNeumaticos(x);
        break;
    case 25:
    case 26:
    case 27: NeumaticosSemirremolque(x); break;
    case 28: ValorEscalado(x, {Hoja::C, 7}, {V, 28}, {V, 29}); break;
    case 30: ValorEscalado(x, {Hoja::C, 7}, {V, 30}, {V, 31}); break;
    default: break;
    }
}

} // namespace tarvia

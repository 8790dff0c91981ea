// Sheets F1 and F2: prices after discount, net of tyres, residual values,
// financed capital, and which purchase fields can be entered.
#include "engine/recalcular_f1f2.h"

#include "core/catalogo.h"
#include "core/redondear.h"

#include <algorithm>
#include <cmath>

namespace tarvia {

namespace {

constexpr Hoja F1 = Hoja::F1;
constexpr Hoja F2 = Hoja::F2;
constexpr Hoja V = Hoja::V;

// max(0, discounted price − tyre value), each rounded to the target's decimals.
void PrecioSinNeumaticos(Contexto& x, Hoja h, int tarifa, int descuento, int valorNeumaticos, Numero neumaticos,
                         int destino)
{
    const Numero tar = x.numero({h, tarifa});
    const Numero des = x.numero({h, descuento});
    const Numero pct = x.numero({h, valorNeumaticos});
    if (!tar || !des || !pct || !neumaticos)
        return;
    const int n = Decimales(h, destino);
    const double precio = Redondear(*tar * (100 - *des) / 100, n);
    const double ruedas = Redondear(*neumaticos * *pct / 100, n);
    if (std::isnan(precio) || std::isnan(ruedas))
        return;
    x.Redondeado({h, destino}, std::max(0.0, precio - ruedas));
}

} // namespace

void PrecioTractorSinNeumaticos(Contexto& x)
{
    const Numero neumaticos = Con(
        x, [](double n1, double p1, double n2, double p2, double n3, double p3) { return n1 * p1 + n2 * p2 + n3 * p3; },
        Ref{V, 16}, Ref{V, 17}, Ref{V, 19}, Ref{V, 20}, Ref{V, 22}, Ref{V, 23});
    PrecioSinNeumaticos(x, F1, 2, 3, 23, neumaticos, 24);
}

void PrecioSemiSinNeumaticos(Contexto& x)
{
    const Numero neumaticos = Con(
        x, [](double n, double p) { return n * p; }, Ref{V, 25}, Ref{V, 26});
    PrecioSinNeumaticos(x, F2, 2, 3, 25, neumaticos, 26);
}

void RecalcularF1(Contexto& x, int k)
{
    // Bodywork financing needs both a bodywork price and a financed share.
    const auto financiacionCarrozado = [&] {
        HabilitarSiNoCero(x, {{F1, 13}, {F1, 19}}, {{F1, 21}, {F1, 22}}, {F1, 13}, {F1, 15});
    };
    switch (k) {
    case 2:
        NetoDeDescuento(x, F1, 2, 3, 4);
        PrecioTractorSinNeumaticos(x);
        PorcentajeDe(x, F1, 2, 6, 7);
        PorcentajeDe(x, F1, 8, 4, 9);
        break;
    case 3:
        NetoDeDescuento(x, F1, 2, 3, 4);
        PrecioTractorSinNeumaticos(x);
        PorcentajeDe(x, F1, 8, 4, 9);
        break;
    case 23: PrecioTractorSinNeumaticos(x); break;
    case 6: PorcentajeDe(x, F1, 2, 6, 7); break;
    case 8:
        HabilitarSiNoCero(x, {{F1, 8}}, {{F1, 10}, {F1, 11}}, {F1, 8}, {F1, 9});
        PorcentajeDe(x, F1, 8, 4, 9);
        break;
    case 13:
        HabilitarSiNoCero(x, {{F1, 13}}, {{F1, 14}, {F1, 16}, {F1, 17}, {F1, 19}}, {F1, 13}, {F1, 15});
        financiacionCarrozado();
        NetoDeDescuento(x, F1, 13, 14, 15);
        PorcentajeDe(x, F1, 13, 17, 18);
        PorcentajeDe(x, F1, 19, 15, 20);
        break;
    case 14:
        NetoDeDescuento(x, F1, 13, 14, 15);
        PorcentajeDe(x, F1, 19, 15, 20);
        break;
    case 17: PorcentajeDe(x, F1, 13, 17, 18); break;
    case 19:
        financiacionCarrozado();
        PorcentajeDe(x, F1, 19, 15, 20);
        break;
    default: break;
    }
}

void RecalcularF2(Contexto& x, int k)
{
    const auto financiacionEquipo = [&] {
        HabilitarSiNoCero(x, {{F2, 14}, {F2, 20}}, {{F2, 22}, {F2, 23}}, {F2, 14}, {F2, 16});
    };
    switch (k) {
    case 2:
        HabilitarSiNoCero(x, {{F2, 2}}, {{F2, 3}, {F2, 25}, {F2, 5}, {F2, 6}, {F2, 8}}, {F2, 2}, {F2, 4});
        HabilitarSiNoCero(x, {{F2, 2}, {F2, 8}}, {{F2, 10}, {F2, 11}}, {F2, 2}, {F2, 4});
        // Without a semitrailer price its tyres on sheet V are off.
        HabilitarSiNoCero(x, {{F2, 2}}, {{V, 25}}, {V, 1}, {V, 29});
        HabilitarSiNoCero(x, {{F2, 2}, {V, 25}}, {{V, 26}, {V, 27}}, {V, 1}, {V, 29});
        NetoDeDescuento(x, F2, 2, 3, 4);
        PrecioSemiSinNeumaticos(x);
        PorcentajeDe(x, F2, 2, 6, 7);
        PorcentajeDe(x, F2, 8, 4, 9);
        break;
    case 3:
        NetoDeDescuento(x, F2, 2, 3, 4);
        PrecioSemiSinNeumaticos(x);
        PorcentajeDe(x, F2, 8, 4, 9);
        break;
    case 25: PrecioSemiSinNeumaticos(x); break;
    case 6: PorcentajeDe(x, F2, 2, 6, 7); break;
    case 8:
        HabilitarSiNoCero(x, {{F2, 8}}, {{F2, 10}, {F2, 11}}, {F2, 2}, {F2, 4});
        PorcentajeDe(x, F2, 8, 4, 9);
        break;
    case 14:
        HabilitarSiNoCero(x, {{F2, 14}}, {{F2, 15}, {F2, 17}, {F2, 18}, {F2, 20}}, {F2, 14}, {F2, 16});
        financiacionEquipo();
        NetoDeDescuento(x, F2, 14, 15, 16);
        PorcentajeDe(x, F2, 14, 18, 19);
        PorcentajeDe(x, F2, 20, 16, 21);
        break;
    case 15:
        NetoDeDescuento(x, F2, 14, 15, 16);
        PorcentajeDe(x, F2, 20, 16, 21);
        break;
    case 18: PorcentajeDe(x, F2, 14, 18, 19); break;
    case 20:
        financiacionEquipo();
        PorcentajeDe(x, F2, 20, 16, 21);
        break;
    default: break;
    }
}

} // namespace tarvia

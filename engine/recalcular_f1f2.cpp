// Sheets F1 and F2: prices after discount, net of tyres, residual values,
// financed capital, and which purchase fields can be entered.
#include "engine/recalcular_f1f2.h"

#include "core/catalogo.h"
#include "core/redondear.h"

#include <algorithm>
#include <cmath>

namespace tarvia {

using namespace campos;

namespace {

// max(0, discounted price − tyre value), each rounded to the target's decimals.
void PrecioSinNeumaticos(Contexto& x, CampoDeHoja tarifa, CampoDeHoja descuento, CampoDeHoja valorNeumaticos,
                         Numero neumaticos, CampoDeHoja destino)
{
    const Numero tar = x.numero(tarifa);
    const Numero des = x.numero(descuento);
    const Numero pct = x.numero(valorNeumaticos);
    if (!tar || !des || !pct || !neumaticos)
        return;
    const int n = Decimales(destino);
    const double precio = Redondear(*tar * (100 - *des) / 100, n);
    const double ruedas = Redondear(*neumaticos * *pct / 100, n);
    if (std::isnan(precio) || std::isnan(ruedas))
        return;
    x.Redondeado(destino, std::max(0.0, precio - ruedas));
}

Numero PrecioDeNeumaticos(Contexto& x, const GrupoNeumaticos& g)
{
    return Con(
        x, [](double n, double p) { return n * p; }, g.numero, g.precio);
}

} // namespace

void PrecioTractorSinNeumaticos(Contexto& x)
{
    // In the order the sum always took: steering, driving, trailing axles.
    Numero neumaticos = 0.0;
    for (const GrupoNeumaticos& g : kNeumaticosTractor) {
        const Numero grupo = PrecioDeNeumaticos(x, g);
        neumaticos = neumaticos && grupo ? Numero(*neumaticos + *grupo) : std::nullopt;
    }
    PrecioSinNeumaticos(x, F1::PrecioTarifa, F1::Descuento, F1::PorcentajeNeumaticos, neumaticos,
                        F1::PrecioSinNeumaticos);
}

void PrecioSemiSinNeumaticos(Contexto& x)
{
    PrecioSinNeumaticos(x, F2::PrecioTarifa, F2::Descuento, F2::PorcentajeNeumaticos,
                        PrecioDeNeumaticos(x, kNeumaticosSemirremolque), F2::PrecioSinNeumaticos);
}
void RecalcularF1(Contexto& x, int k)
{
    // Bodywork financing needs both a bodywork price and a financed share.
    const auto financiacionCarrozado = [&] {
        HabilitarSiNoCero(x, {F1::CarrozadoPrecioTarifa, F1::CarrozadoPorcentajeFinanciado},
                          {F1::CarrozadoPeriodoFinanciacion, F1::CarrozadoInteres}, F1::CarrozadoPrecioTarifa,
                          F1::CarrozadoPrecio);
    };
    const auto precio = [&] { NetoDeDescuento(x, F1::PrecioTarifa, F1::Descuento, F1::PrecioAdquisicion); };
    const auto residual = [&] { PorcentajeDe(x, F1::PrecioTarifa, F1::PorcentajeResidual, F1::ValorResidual); };
    const auto capital = [&] {
        PorcentajeDe(x, F1::PorcentajeFinanciado, F1::PrecioAdquisicion, F1::CapitalFinanciado);
    };
    const auto precioCarrozado = [&] {
        NetoDeDescuento(x, F1::CarrozadoPrecioTarifa, F1::CarrozadoDescuento, F1::CarrozadoPrecio);
    };
    const auto residualCarrozado = [&] {
        PorcentajeDe(x, F1::CarrozadoPrecioTarifa, F1::CarrozadoPorcentajeResidual, F1::CarrozadoValorResidual);
    };
    const auto capitalCarrozado = [&] {
        PorcentajeDe(x, F1::CarrozadoPorcentajeFinanciado, F1::CarrozadoPrecio, F1::CarrozadoCapitalFinanciado);
    };
    switch (k) {
    case F1::PrecioTarifa.i:
        precio();
        PrecioTractorSinNeumaticos(x);
        residual();
        capital();
        break;
    case F1::Descuento.i:
        precio();
        PrecioTractorSinNeumaticos(x);
        capital();
        break;
    case F1::PorcentajeNeumaticos.i: PrecioTractorSinNeumaticos(x); break;
    case F1::PorcentajeResidual.i: residual(); break;
    case F1::PorcentajeFinanciado.i:
        HabilitarSiNoCero(x, {F1::PorcentajeFinanciado}, {F1::PeriodoFinanciacion, F1::Interes},
                          F1::PorcentajeFinanciado, F1::CapitalFinanciado);
        capital();
        break;
    case F1::CarrozadoPrecioTarifa.i:
        HabilitarSiNoCero(x, {F1::CarrozadoPrecioTarifa},
                          {F1::CarrozadoDescuento, F1::CarrozadoVidaUtil, F1::CarrozadoPorcentajeResidual,
                           F1::CarrozadoPorcentajeFinanciado},
                          F1::CarrozadoPrecioTarifa, F1::CarrozadoPrecio);
        financiacionCarrozado();
        precioCarrozado();
        residualCarrozado();
        capitalCarrozado();
        break;
    case F1::CarrozadoDescuento.i:
        precioCarrozado();
        capitalCarrozado();
        break;
    case F1::CarrozadoPorcentajeResidual.i: residualCarrozado(); break;
    case F1::CarrozadoPorcentajeFinanciado.i:
        financiacionCarrozado();
        capitalCarrozado();
        break;
    default: break;
    }
}

void RecalcularF2(Contexto& x, int k)
{
    const auto financiacionEquipo = [&] {
        HabilitarSiNoCero(x, {F2::EquiposPrecioTarifa, F2::EquiposPorcentajeFinanciado},
                          {F2::EquiposPeriodoFinanciacion, F2::EquiposInteres}, F2::EquiposPrecioTarifa,
                          F2::EquiposPrecioAdquisicion);
    };
    const auto precio = [&] { NetoDeDescuento(x, F2::PrecioTarifa, F2::Descuento, F2::PrecioAdquisicion); };
    const auto residual = [&] { PorcentajeDe(x, F2::PrecioTarifa, F2::PorcentajeResidual, F2::ValorResidual); };
    const auto capital = [&] {
        PorcentajeDe(x, F2::PorcentajeFinanciado, F2::PrecioAdquisicion, F2::CapitalFinanciado);
    };
    const auto precioEquipo = [&] {
        NetoDeDescuento(x, F2::EquiposPrecioTarifa, F2::EquiposDescuento, F2::EquiposPrecioAdquisicion);
    };
    const auto residualEquipo = [&] {
        PorcentajeDe(x, F2::EquiposPrecioTarifa, F2::EquiposPorcentajeResidual, F2::EquiposValorResidual);
    };
    const auto capitalEquipo = [&] {
        PorcentajeDe(x, F2::EquiposPorcentajeFinanciado, F2::EquiposPrecioAdquisicion, F2::EquiposCapitalFinanciado);
    };
    const GrupoNeumaticos& semi = kNeumaticosSemirremolque;
    switch (k) {
    case F2::PrecioTarifa.i:
        HabilitarSiNoCero(
            x, {F2::PrecioTarifa},
            {F2::Descuento, F2::PorcentajeNeumaticos, F2::VidaUtil, F2::PorcentajeResidual, F2::PorcentajeFinanciado},
            F2::PrecioTarifa, F2::PrecioAdquisicion);
        HabilitarSiNoCero(x, {F2::PrecioTarifa, F2::PorcentajeFinanciado}, {F2::PeriodoFinanciacion, F2::Interes},
                          F2::PrecioTarifa, F2::PrecioAdquisicion);
        // Without a semitrailer price its tyres on sheet V are off.
        HabilitarSiNoCero(x, {F2::PrecioTarifa}, {semi.numero}, V::PrecioGasoleoEspanaConIva, V::Mantenimiento);
        HabilitarSiNoCero(x, {F2::PrecioTarifa, semi.numero}, {semi.precio, semi.duracion},
                          V::PrecioGasoleoEspanaConIva, V::Mantenimiento);
        precio();
        PrecioSemiSinNeumaticos(x);
        residual();
        capital();
        break;
    case F2::Descuento.i:
        precio();
        PrecioSemiSinNeumaticos(x);
        capital();
        break;
    case F2::PorcentajeNeumaticos.i: PrecioSemiSinNeumaticos(x); break;
    case F2::PorcentajeResidual.i: residual(); break;
    case F2::PorcentajeFinanciado.i:
        HabilitarSiNoCero(x, {F2::PorcentajeFinanciado}, {F2::PeriodoFinanciacion, F2::Interes}, F2::PrecioTarifa,
                          F2::PrecioAdquisicion);
        capital();
        break;
    case F2::EquiposPrecioTarifa.i:
        HabilitarSiNoCero(
            x, {F2::EquiposPrecioTarifa},
            {F2::EquiposDescuento, F2::EquiposVidaUtil, F2::EquiposPorcentajeResidual, F2::EquiposPorcentajeFinanciado},
            F2::EquiposPrecioTarifa, F2::EquiposPrecioAdquisicion);
        financiacionEquipo();
        precioEquipo();
        residualEquipo();
        capitalEquipo();
        break;
    case F2::EquiposDescuento.i:
        precioEquipo();
        capitalEquipo();
        break;
    case F2::EquiposPorcentajeResidual.i: residualEquipo(); break;
    case F2::EquiposPorcentajeFinanciado.i:
        financiacionEquipo();
        capitalEquipo();
        break;
    default: break;
    }
}

} // namespace tarvia

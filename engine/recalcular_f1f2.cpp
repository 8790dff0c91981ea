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
namespace {

// The tractor and its bodywork: price after discount, residual value and financed capital.
void PrecioTractor(Contexto& x) { NetoDeDescuento(x, F1::PrecioTarifa, F1::Descuento, F1::PrecioAdquisicion); }
void ResidualTractor(Contexto& x) { PorcentajeDe(x, F1::PrecioTarifa, F1::PorcentajeResidual, F1::ValorResidual); }
void CapitalTractor(Contexto& x)
{
    PorcentajeDe(x, F1::PorcentajeFinanciado, F1::PrecioAdquisicion, F1::CapitalFinanciado);
}
void PrecioCarrozado(Contexto& x)
{
    NetoDeDescuento(x, F1::CarrozadoPrecioTarifa, F1::CarrozadoDescuento, F1::CarrozadoPrecio);
}
void ResidualCarrozado(Contexto& x)
{
    PorcentajeDe(x, F1::CarrozadoPrecioTarifa, F1::CarrozadoPorcentajeResidual, F1::CarrozadoValorResidual);
}
void CapitalCarrozado(Contexto& x)
{
    PorcentajeDe(x, F1::CarrozadoPorcentajeFinanciado, F1::CarrozadoPrecio, F1::CarrozadoCapitalFinanciado);
}

// Bodywork financing needs both a bodywork price and a financed share.
void FinanciacionCarrozado(Contexto& x)
{
    HabilitarSiNoCero(x, {F1::CarrozadoPrecioTarifa, F1::CarrozadoPorcentajeFinanciado},
                      {F1::CarrozadoPeriodoFinanciacion, F1::CarrozadoInteres}, F1::CarrozadoPrecioTarifa,
                      F1::CarrozadoPrecio);
}

void Carrozado(Contexto& x)
{
    HabilitarSiNoCero(x, {F1::CarrozadoPrecioTarifa},
                      {F1::CarrozadoDescuento, F1::CarrozadoVidaUtil, F1::CarrozadoPorcentajeResidual,
                       F1::CarrozadoPorcentajeFinanciado},
                      F1::CarrozadoPrecioTarifa, F1::CarrozadoPrecio);
    FinanciacionCarrozado(x);
    PrecioCarrozado(x);
    ResidualCarrozado(x);
    CapitalCarrozado(x);
}

// The semitrailer or trailer and the auxiliary equipment, likewise.
void PrecioSemi(Contexto& x) { NetoDeDescuento(x, F2::PrecioTarifa, F2::Descuento, F2::PrecioAdquisicion); }
void ResidualSemi(Contexto& x) { PorcentajeDe(x, F2::PrecioTarifa, F2::PorcentajeResidual, F2::ValorResidual); }
void CapitalSemi(Contexto& x)
{
    PorcentajeDe(x, F2::PorcentajeFinanciado, F2::PrecioAdquisicion, F2::CapitalFinanciado);
}
void PrecioEquipo(Contexto& x)
{
    NetoDeDescuento(x, F2::EquiposPrecioTarifa, F2::EquiposDescuento, F2::EquiposPrecioAdquisicion);
}
void ResidualEquipo(Contexto& x)
{
    PorcentajeDe(x, F2::EquiposPrecioTarifa, F2::EquiposPorcentajeResidual, F2::EquiposValorResidual);
}
void CapitalEquipo(Contexto& x)
{
    PorcentajeDe(x, F2::EquiposPorcentajeFinanciado, F2::EquiposPrecioAdquisicion, F2::EquiposCapitalFinanciado);
}

void FinanciacionEquipo(Contexto& x)
{
    HabilitarSiNoCero(x, {F2::EquiposPrecioTarifa, F2::EquiposPorcentajeFinanciado},
                      {F2::EquiposPeriodoFinanciacion, F2::EquiposInteres}, F2::EquiposPrecioTarifa,
                      F2::EquiposPrecioAdquisicion);
}

void Equipo(Contexto& x)
{
    HabilitarSiNoCero(
        x, {F2::EquiposPrecioTarifa},
        {F2::EquiposDescuento, F2::EquiposVidaUtil, F2::EquiposPorcentajeResidual, F2::EquiposPorcentajeFinanciado},
        F2::EquiposPrecioTarifa, F2::EquiposPrecioAdquisicion);
    FinanciacionEquipo(x);
    PrecioEquipo(x);
    ResidualEquipo(x);
    CapitalEquipo(x);
}

// A semitrailer price offers its purchase fields and, on sheet V, its tyres.
void PrecioDelSemirremolque(Contexto& x)
{
    const GrupoNeumaticos& semi = kNeumaticosSemirremolque;
    HabilitarSiNoCero(
        x, {F2::PrecioTarifa},
        {F2::Descuento, F2::PorcentajeNeumaticos, F2::VidaUtil, F2::PorcentajeResidual, F2::PorcentajeFinanciado},
        F2::PrecioTarifa, F2::PrecioAdquisicion);
    HabilitarSiNoCero(x, {F2::PrecioTarifa, F2::PorcentajeFinanciado}, {F2::PeriodoFinanciacion, F2::Interes},
                      F2::PrecioTarifa, F2::PrecioAdquisicion);
    // Without a semitrailer price its tyres on sheet V are off.
    HabilitarSiNoCero(x, {F2::PrecioTarifa}, {semi.numero}, V::PrecioGasoleoEspanaConIva, V::Mantenimiento);
    HabilitarSiNoCero(x, {F2::PrecioTarifa, semi.numero}, {semi.precio, semi.duracion}, V::PrecioGasoleoEspanaConIva,
                      V::Mantenimiento);
    PrecioSemi(x);
    PrecioSemiSinNeumaticos(x);
    ResidualSemi(x);
    CapitalSemi(x);
}

} // namespace

void RecalcularF1(Contexto& x, int k)
{
    switch (k) {
    case F1::PrecioTarifa.i:
        PrecioTractor(x);
        PrecioTractorSinNeumaticos(x);
        ResidualTractor(x);
        CapitalTractor(x);
        break;
    case F1::Descuento.i:
        PrecioTractor(x);
        PrecioTractorSinNeumaticos(x);
        CapitalTractor(x);
        break;
    case F1::PorcentajeNeumaticos.i: PrecioTractorSinNeumaticos(x); break;
    case F1::PorcentajeResidual.i: ResidualTractor(x); break;
    case F1::PorcentajeFinanciado.i:
        HabilitarSiNoCero(x, {F1::PorcentajeFinanciado}, {F1::PeriodoFinanciacion, F1::Interes},
                          F1::PorcentajeFinanciado, F1::CapitalFinanciado);
        CapitalTractor(x);
        break;
    case F1::CarrozadoPrecioTarifa.i: Carrozado(x); break;
    case F1::CarrozadoDescuento.i:
        PrecioCarrozado(x);
        CapitalCarrozado(x);
        break;
    case F1::CarrozadoPorcentajeResidual.i: ResidualCarrozado(x); break;
    case F1::CarrozadoPorcentajeFinanciado.i:
        FinanciacionCarrozado(x);
        CapitalCarrozado(x);
        break;
    default: break;
    }
}

void RecalcularF2(Contexto& x, int k)
{
    switch (k) {
    case F2::PrecioTarifa.i: PrecioDelSemirremolque(x); break;
    case F2::Descuento.i:
        PrecioSemi(x);
        PrecioSemiSinNeumaticos(x);
        CapitalSemi(x);
        break;
    case F2::PorcentajeNeumaticos.i: PrecioSemiSinNeumaticos(x); break;
    case F2::PorcentajeResidual.i: ResidualSemi(x); break;
    case F2::PorcentajeFinanciado.i:
        HabilitarSiNoCero(x, {F2::PorcentajeFinanciado}, {F2::PeriodoFinanciacion, F2::Interes}, F2::PrecioTarifa,
                          F2::PrecioAdquisicion);
        CapitalSemi(x);
        break;
    case F2::EquiposPrecioTarifa.i: Equipo(x); break;
    case F2::EquiposDescuento.i:
        PrecioEquipo(x);
        CapitalEquipo(x);
        break;
    case F2::EquiposPorcentajeResidual.i: ResidualEquipo(x); break;
    case F2::EquiposPorcentajeFinanciado.i:
        FinanciacionEquipo(x);
        CapitalEquipo(x);
        break;
    default: break;
    }
}

} // namespace tarvia

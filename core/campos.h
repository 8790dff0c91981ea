#pragma once
// Every field the code reads, by name, sheet by sheet, so that a formula says
// what it adds up. catalogo_test checks each name against the catalogue's
// caption; core/grupos.h gathers them into the groups the code walks.
#include "core/hojas.h"

#include <array>

namespace tarvia::campos {

namespace C {
inline constexpr CampoDeHoja Descripcion{Hoja::C, 1};
inline constexpr CampoDeHoja Potencia{Hoja::C, 2};
inline constexpr CampoDeHoja MasaMaximaAutorizada{Hoja::C, 3};
inline constexpr CampoDeHoja CargaUtil{Hoja::C, 4};
inline constexpr CampoDeHoja NumeroDeEjes{Hoja::C, 5};
inline constexpr CampoDeHoja DescripcionExplotacion{Hoja::C, 6};
inline constexpr CampoDeHoja KilometrosAnuales{Hoja::C, 7};
inline constexpr CampoDeHoja PorcentajeEnCarga{Hoja::C, 8};
inline constexpr CampoDeHoja KilometrosEnCarga{Hoja::C, 9};
inline constexpr CampoDeHoja PorcentajeEnVacio{Hoja::C, 10};
inline constexpr CampoDeHoja KilometrosEnVacio{Hoja::C, 11};
inline constexpr CampoDeHoja HorasAnuales{Hoja::C, 12};
inline constexpr CampoDeHoja PorcentajeHorasEnCarga{Hoja::C, 13};
inline constexpr CampoDeHoja HorasEnCarga{Hoja::C, 14};
inline constexpr CampoDeHoja PorcentajeHorasEnVacio{Hoja::C, 15};
inline constexpr CampoDeHoja HorasEnVacio{Hoja::C, 16};
inline constexpr CampoDeHoja DiasAnuales{Hoja::C, 17};
inline constexpr CampoDeHoja HorasPorJornada{Hoja::C, 18};
inline constexpr CampoDeHoja CargaMedia{Hoja::C, 19};
inline constexpr CampoDeHoja ToneladasKilometro{Hoja::C, 20};
inline constexpr CampoDeHoja PotenciaKW{Hoja::C, 21};
} // namespace C

namespace F1 {
inline constexpr CampoDeHoja Compra{Hoja::F1, 1};
inline constexpr CampoDeHoja PrecioTarifa{Hoja::F1, 2};
inline constexpr CampoDeHoja Descuento{Hoja::F1, 3};
inline constexpr CampoDeHoja PrecioAdquisicion{Hoja::F1, 4};
inline constexpr CampoDeHoja VidaUtil{Hoja::F1, 5};
inline constexpr CampoDeHoja PorcentajeResidual{Hoja::F1, 6};
inline constexpr CampoDeHoja ValorResidual{Hoja::F1, 7};
inline constexpr CampoDeHoja PorcentajeFinanciado{Hoja::F1, 8};
inline constexpr CampoDeHoja CapitalFinanciado{Hoja::F1, 9};
inline constexpr CampoDeHoja PeriodoFinanciacion{Hoja::F1, 10};
inline constexpr CampoDeHoja Interes{Hoja::F1, 11};
inline constexpr CampoDeHoja CosteAnual{Hoja::F1, 12};
inline constexpr CampoDeHoja CarrozadoPrecioTarifa{Hoja::F1, 13};
inline constexpr CampoDeHoja CarrozadoDescuento{Hoja::F1, 14};
inline constexpr CampoDeHoja CarrozadoPrecio{Hoja::F1, 15};
inline constexpr CampoDeHoja CarrozadoVidaUtil{Hoja::F1, 16};
inline constexpr CampoDeHoja CarrozadoPorcentajeResidual{Hoja::F1, 17};
inline constexpr CampoDeHoja CarrozadoValorResidual{Hoja::F1, 18};
inline constexpr CampoDeHoja CarrozadoPorcentajeFinanciado{Hoja::F1, 19};
inline constexpr CampoDeHoja CarrozadoCapitalFinanciado{Hoja::F1, 20};
inline constexpr CampoDeHoja CarrozadoPeriodoFinanciacion{Hoja::F1, 21};
inline constexpr CampoDeHoja CarrozadoInteres{Hoja::F1, 22};
inline constexpr CampoDeHoja PorcentajeNeumaticos{Hoja::F1, 23};
inline constexpr CampoDeHoja PrecioSinNeumaticos{Hoja::F1, 24};
} // namespace F1

namespace F2 {
inline constexpr CampoDeHoja Compra{Hoja::F2, 1};
inline constexpr CampoDeHoja PrecioTarifa{Hoja::F2, 2};
inline constexpr CampoDeHoja Descuento{Hoja::F2, 3};
inline constexpr CampoDeHoja PrecioAdquisicion{Hoja::F2, 4};
inline constexpr CampoDeHoja VidaUtil{Hoja::F2, 5};
inline constexpr CampoDeHoja PorcentajeResidual{Hoja::F2, 6};
inline constexpr CampoDeHoja ValorResidual{Hoja::F2, 7};
inline constexpr CampoDeHoja PorcentajeFinanciado{Hoja::F2, 8};
inline constexpr CampoDeHoja CapitalFinanciado{Hoja::F2, 9};
inline constexpr CampoDeHoja PeriodoFinanciacion{Hoja::F2, 10};
inline constexpr CampoDeHoja Interes{Hoja::F2, 11};
inline constexpr CampoDeHoja CosteAnual{Hoja::F2, 12};
inline constexpr CampoDeHoja EquiposCompra{Hoja::F2, 13};
inline constexpr CampoDeHoja EquiposPrecioTarifa{Hoja::F2, 14};
inline constexpr CampoDeHoja EquiposDescuento{Hoja::F2, 15};
inline constexpr CampoDeHoja EquiposPrecioAdquisicion{Hoja::F2, 16};
inline constexpr CampoDeHoja EquiposVidaUtil{Hoja::F2, 17};
inline constexpr CampoDeHoja EquiposPorcentajeResidual{Hoja::F2, 18};
inline constexpr CampoDeHoja EquiposValorResidual{Hoja::F2, 19};
inline constexpr CampoDeHoja EquiposPorcentajeFinanciado{Hoja::F2, 20};
inline constexpr CampoDeHoja EquiposCapitalFinanciado{Hoja::F2, 21};
inline constexpr CampoDeHoja EquiposPeriodoFinanciacion{Hoja::F2, 22};
inline constexpr CampoDeHoja EquiposInteres{Hoja::F2, 23};
inline constexpr CampoDeHoja EquiposCosteAnual{Hoja::F2, 24};
inline constexpr CampoDeHoja PorcentajeNeumaticos{Hoja::F2, 25};
inline constexpr CampoDeHoja PrecioSinNeumaticos{Hoja::F2, 26};
} // namespace F2

namespace F3 {
inline constexpr CampoDeHoja CosteConductor{Hoja::F3, 1};
inline constexpr CampoDeHoja DietasDesglosadas{Hoja::F3, 2};
inline constexpr CampoDeHoja DietaDiaria{Hoja::F3, 3};
inline constexpr CampoDeHoja DiasConDieta{Hoja::F3, 4};
inline constexpr CampoDeHoja DietaAnual{Hoja::F3, 5};
inline constexpr CampoDeHoja PlusPorKilometro{Hoja::F3, 6};
inline constexpr CampoDeHoja PlusAnual{Hoja::F3, 7};
inline constexpr CampoDeHoja Dietas{Hoja::F3, 8};
inline constexpr CampoDeHoja SegurosDesglosados{Hoja::F3, 9};
inline constexpr CampoDeHoja SeguroRcTractor{Hoja::F3, 10};
inline constexpr CampoDeHoja SeguroRcSemirremolque{Hoja::F3, 11};
inline constexpr CampoDeHoja SeguroRcMercancia{Hoja::F3, 12};
inline constexpr CampoDeHoja SeguroAccidente{Hoja::F3, 13};
inline constexpr CampoDeHoja SeguroRetiradaCarne{Hoja::F3, 14};
inline constexpr CampoDeHoja SeguroMercancia{Hoja::F3, 15};
inline constexpr CampoDeHoja SeguroDanosPropios{Hoja::F3, 16};
inline constexpr CampoDeHoja SeguroOtros{Hoja::F3, 17};
inline constexpr CampoDeHoja Seguros{Hoja::F3, 18};
inline constexpr CampoDeHoja FiscalesDesglosados{Hoja::F3, 19};
inline constexpr CampoDeHoja Visados{Hoja::F3, 20};
inline constexpr CampoDeHoja Itv{Hoja::F3, 21};
inline constexpr CampoDeHoja Iae{Hoja::F3, 22};
inline constexpr CampoDeHoja Ivtm{Hoja::F3, 23};
inline constexpr CampoDeHoja Tacografo{Hoja::F3, 24};
inline constexpr CampoDeHoja InspeccionesAtp{Hoja::F3, 25};
inline constexpr CampoDeHoja InspeccionesAdr{Hoja::F3, 26};
inline constexpr CampoDeHoja FiscalesOtros{Hoja::F3, 27};
inline constexpr CampoDeHoja Fiscales{Hoja::F3, 28};
inline constexpr CampoDeHoja SeguroAsistencia{Hoja::F3, 29};
inline constexpr CampoDeHoja SeguroLunas{Hoja::F3, 30};
inline constexpr CampoDeHoja SeguroDefensaJuridica{Hoja::F3, 31};
} // namespace F3

namespace V {
inline constexpr CampoDeHoja PrecioGasoleoEspanaConIva{Hoja::V, 1};
inline constexpr CampoDeHoja PorcentajeDescuentoEspana{Hoja::V, 2};
inline constexpr CampoDeHoja DescuentoEspana{Hoja::V, 3};
inline constexpr CampoDeHoja IvaEspana{Hoja::V, 4};
inline constexpr CampoDeHoja IvaPorLitroEspana{Hoja::V, 5};
inline constexpr CampoDeHoja PrecioGasoleoEspana{Hoja::V, 6};
inline constexpr CampoDeHoja Consumo{Hoja::V, 7};
inline constexpr CampoDeHoja PrecioEquiposConIva{Hoja::V, 8};
inline constexpr CampoDeHoja PorcentajeDescuentoEquipos{Hoja::V, 9};
inline constexpr CampoDeHoja DescuentoEquipos{Hoja::V, 10};
inline constexpr CampoDeHoja IvaEquipos{Hoja::V, 11};
inline constexpr CampoDeHoja IvaPorLitroEquipos{Hoja::V, 12};
inline constexpr CampoDeHoja PrecioEquipos{Hoja::V, 13};
inline constexpr CampoDeHoja ConsumoEquipos{Hoja::V, 14};
inline constexpr CampoDeHoja HorasEquipos{Hoja::V, 15};
inline constexpr CampoDeHoja NumeroDireccionales{Hoja::V, 16};
inline constexpr CampoDeHoja PrecioDireccionales{Hoja::V, 17};
inline constexpr CampoDeHoja DuracionDireccionales{Hoja::V, 18};
inline constexpr CampoDeHoja NumeroMotrices{Hoja::V, 19};
inline constexpr CampoDeHoja PrecioMotrices{Hoja::V, 20};
inline constexpr CampoDeHoja DuracionMotrices{Hoja::V, 21};
inline constexpr CampoDeHoja NumeroArrastre{Hoja::V, 22};
inline constexpr CampoDeHoja PrecioArrastre{Hoja::V, 23};
inline constexpr CampoDeHoja DuracionArrastre{Hoja::V, 24};
inline constexpr CampoDeHoja NumeroSemirremolque{Hoja::V, 25};
inline constexpr CampoDeHoja PrecioSemirremolque{Hoja::V, 26};
inline constexpr CampoDeHoja DuracionSemirremolque{Hoja::V, 27};
inline constexpr CampoDeHoja MantenimientoPorKilometro{Hoja::V, 28};
inline constexpr CampoDeHoja Mantenimiento{Hoja::V, 29};
inline constexpr CampoDeHoja ReparacionesPorKilometro{Hoja::V, 30};
inline constexpr CampoDeHoja Reparaciones{Hoja::V, 31};
inline constexpr CampoDeHoja Peajes{Hoja::V, 32};
inline constexpr CampoDeHoja PorcentajeEspana{Hoja::V, 33};
inline constexpr CampoDeHoja PorcentajeExtranjero{Hoja::V, 34};
inline constexpr CampoDeHoja PrecioGasoleoExtranjeroConIva{Hoja::V, 35};
inline constexpr CampoDeHoja PorcentajeDescuentoExtranjero{Hoja::V, 36};
inline constexpr CampoDeHoja DescuentoExtranjero{Hoja::V, 37};
inline constexpr CampoDeHoja IvaExtranjero{Hoja::V, 38};
inline constexpr CampoDeHoja IvaPorLitroExtranjero{Hoja::V, 39};
inline constexpr CampoDeHoja PrecioGasoleoExtranjero{Hoja::V, 40};
inline constexpr CampoDeHoja DevolucionProfesional{Hoja::V, 41};
inline constexpr CampoDeHoja Urea{Hoja::V, 42};
} // namespace V

namespace I {
inline constexpr CampoDeHoja Desglosados{Hoja::I, 1};
inline constexpr CampoDeHoja Estructura{Hoja::I, 2};
inline constexpr CampoDeHoja Comercializacion{Hoja::I, 3};
inline constexpr CampoDeHoja Otros{Hoja::I, 4};
inline constexpr CampoDeHoja Total{Hoja::I, 5};
} // namespace I

// The results: the yearly costs (1–20), their shares (21–40) and the unit
// costs (41–54).
namespace R {
inline constexpr CampoDeHoja Amortizacion{Hoja::R, 1};
inline constexpr CampoDeHoja Financiacion{Hoja::R, 2};
inline constexpr CampoDeHoja Personal{Hoja::R, 3};
inline constexpr CampoDeHoja Seguros{Hoja::R, 4};
inline constexpr CampoDeHoja Fiscales{Hoja::R, 5};
inline constexpr CampoDeHoja Dietas{Hoja::R, 6};
inline constexpr CampoDeHoja Combustible{Hoja::R, 7};
inline constexpr CampoDeHoja Neumaticos{Hoja::R, 8};
inline constexpr CampoDeHoja Mantenimiento{Hoja::R, 9};
inline constexpr CampoDeHoja Reparaciones{Hoja::R, 10};
inline constexpr CampoDeHoja Peajes{Hoja::R, 11};
inline constexpr CampoDeHoja Estructura{Hoja::R, 12};
inline constexpr CampoDeHoja Comercializacion{Hoja::R, 13};
inline constexpr CampoDeHoja OtrosIndirectos{Hoja::R, 14};
inline constexpr CampoDeHoja Temporales{Hoja::R, 15};
inline constexpr CampoDeHoja Kilometricos{Hoja::R, 16};
inline constexpr CampoDeHoja Directos{Hoja::R, 17};
inline constexpr CampoDeHoja Indirectos{Hoja::R, 18};
inline constexpr CampoDeHoja Totales{Hoja::R, 19};
inline constexpr CampoDeHoja Urea{Hoja::R, 20};
// A yearly cost's share of the total, in %: the same row + 20.
constexpr CampoDeHoja PorcentajeDe(CampoDeHoja coste) { return {Hoja::R, coste.i + 20}; }
// The fuel share, which the price revision compares with the legal index.
inline constexpr CampoDeHoja CuotaCombustible = PorcentajeDe(Combustible);
inline constexpr CampoDeHoja Kilometros{Hoja::R, 41};
inline constexpr CampoDeHoja KilometrosEnCarga{Hoja::R, 42};
inline constexpr CampoDeHoja C1{Hoja::R, 43};
inline constexpr CampoDeHoja C1EnCarga{Hoja::R, 44};
inline constexpr CampoDeHoja Horas{Hoja::R, 45};
inline constexpr CampoDeHoja HorasEnCarga{Hoja::R, 46};
inline constexpr CampoDeHoja C2{Hoja::R, 47};
inline constexpr CampoDeHoja C2EnCarga{Hoja::R, 48};
inline constexpr CampoDeHoja C3{Hoja::R, 49};
inline constexpr CampoDeHoja C3EnCarga{Hoja::R, 50};
inline constexpr CampoDeHoja C4{Hoja::R, 51};
inline constexpr CampoDeHoja C4EnCarga{Hoja::R, 52};
inline constexpr CampoDeHoja ToneladasKilometro{Hoja::R, 53};
inline constexpr CampoDeHoja C5{Hoja::R, 54};
} // namespace R

// The service sheet: the C5 it prices with and five services.
namespace S {
inline constexpr CampoDeHoja C5{Hoja::S, 1};

// One service: what it is charged, its loaded kilometres and hours, and its
// price by kilometres, by hours and by both.
struct Servicio {
    CampoDeHoja costes, kilometros, horas, precioKilometros, precioHoras, precioAmbos;
};
// Service k (1..5) takes six fields from S(6k − 4).
constexpr Servicio ServicioNumero(int k)
{
    const int p = 6 * k - 4;
    return {{Hoja::S, p}, {Hoja::S, p + 1}, {Hoja::S, p + 2}, {Hoja::S, p + 3}, {Hoja::S, p + 4}, {Hoja::S, p + 5}};
}
inline constexpr int kNumeroDeServicios = 5;
inline constexpr std::array<Servicio, kNumeroDeServicios> kServicios = {
    ServicioNumero(1), ServicioNumero(2), ServicioNumero(3), ServicioNumero(4), ServicioNumero(5)};
} // namespace S

// Each name as the code writes it, for tarvia-calc --campos --formato json.
struct NombreDeCampo {
    CampoDeHoja campo;
    const char* nombre;
};
inline constexpr NombreDeCampo kNombresDeCampos[] = {
    {C::Descripcion, "C::Descripcion"},
    {C::Potencia, "C::Potencia"},
    {C::MasaMaximaAutorizada, "C::MasaMaximaAutorizada"},
    {C::CargaUtil, "C::CargaUtil"},
    {C::NumeroDeEjes, "C::NumeroDeEjes"},
    {C::DescripcionExplotacion, "C::DescripcionExplotacion"},
    {C::KilometrosAnuales, "C::KilometrosAnuales"},
    {C::PorcentajeEnCarga, "C::PorcentajeEnCarga"},
    {C::KilometrosEnCarga, "C::KilometrosEnCarga"},
    {C::PorcentajeEnVacio, "C::PorcentajeEnVacio"},
    {C::KilometrosEnVacio, "C::KilometrosEnVacio"},
    {C::HorasAnuales, "C::HorasAnuales"},
    {C::PorcentajeHorasEnCarga, "C::PorcentajeHorasEnCarga"},
    {C::HorasEnCarga, "C::HorasEnCarga"},
    {C::PorcentajeHorasEnVacio, "C::PorcentajeHorasEnVacio"},
    {C::HorasEnVacio, "C::HorasEnVacio"},
    {C::DiasAnuales, "C::DiasAnuales"},
    {C::HorasPorJornada, "C::HorasPorJornada"},
    {C::CargaMedia, "C::CargaMedia"},
    {C::ToneladasKilometro, "C::ToneladasKilometro"},
    {C::PotenciaKW, "C::PotenciaKW"},
    {F1::Compra, "F1::Compra"},
    {F1::PrecioTarifa, "F1::PrecioTarifa"},
    {F1::Descuento, "F1::Descuento"},
    {F1::PrecioAdquisicion, "F1::PrecioAdquisicion"},
    {F1::VidaUtil, "F1::VidaUtil"},
    {F1::PorcentajeResidual, "F1::PorcentajeResidual"},
    {F1::ValorResidual, "F1::ValorResidual"},
    {F1::PorcentajeFinanciado, "F1::PorcentajeFinanciado"},
    {F1::CapitalFinanciado, "F1::CapitalFinanciado"},
    {F1::PeriodoFinanciacion, "F1::PeriodoFinanciacion"},
    {F1::Interes, "F1::Interes"},
    {F1::CosteAnual, "F1::CosteAnual"},
    {F1::CarrozadoPrecioTarifa, "F1::CarrozadoPrecioTarifa"},
    {F1::CarrozadoDescuento, "F1::CarrozadoDescuento"},
    {F1::CarrozadoPrecio, "F1::CarrozadoPrecio"},
    {F1::CarrozadoVidaUtil, "F1::CarrozadoVidaUtil"},
    {F1::CarrozadoPorcentajeResidual, "F1::CarrozadoPorcentajeResidual"},
    {F1::CarrozadoValorResidual, "F1::CarrozadoValorResidual"},
    {F1::CarrozadoPorcentajeFinanciado, "F1::CarrozadoPorcentajeFinanciado"},
    {F1::CarrozadoCapitalFinanciado, "F1::CarrozadoCapitalFinanciado"},
    {F1::CarrozadoPeriodoFinanciacion, "F1::CarrozadoPeriodoFinanciacion"},
    {F1::CarrozadoInteres, "F1::CarrozadoInteres"},
    {F1::PorcentajeNeumaticos, "F1::PorcentajeNeumaticos"},
    {F1::PrecioSinNeumaticos, "F1::PrecioSinNeumaticos"},
    {F2::Compra, "F2::Compra"},
    {F2::PrecioTarifa, "F2::PrecioTarifa"},
    {F2::Descuento, "F2::Descuento"},
    {F2::PrecioAdquisicion, "F2::PrecioAdquisicion"},
    {F2::VidaUtil, "F2::VidaUtil"},
    {F2::PorcentajeResidual, "F2::PorcentajeResidual"},
    {F2::ValorResidual, "F2::ValorResidual"},
    {F2::PorcentajeFinanciado, "F2::PorcentajeFinanciado"},
    {F2::CapitalFinanciado, "F2::CapitalFinanciado"},
    {F2::PeriodoFinanciacion, "F2::PeriodoFinanciacion"},
    {F2::Interes, "F2::Interes"},
    {F2::CosteAnual, "F2::CosteAnual"},
    {F2::EquiposCompra, "F2::EquiposCompra"},
    {F2::EquiposPrecioTarifa, "F2::EquiposPrecioTarifa"},
    {F2::EquiposDescuento, "F2::EquiposDescuento"},
    {F2::EquiposPrecioAdquisicion, "F2::EquiposPrecioAdquisicion"},
    {F2::EquiposVidaUtil, "F2::EquiposVidaUtil"},
    {F2::EquiposPorcentajeResidual, "F2::EquiposPorcentajeResidual"},
    {F2::EquiposValorResidual, "F2::EquiposValorResidual"},
    {F2::EquiposPorcentajeFinanciado, "F2::EquiposPorcentajeFinanciado"},
    {F2::EquiposCapitalFinanciado, "F2::EquiposCapitalFinanciado"},
    {F2::EquiposPeriodoFinanciacion, "F2::EquiposPeriodoFinanciacion"},
    {F2::EquiposInteres, "F2::EquiposInteres"},
    {F2::EquiposCosteAnual, "F2::EquiposCosteAnual"},
    {F2::PorcentajeNeumaticos, "F2::PorcentajeNeumaticos"},
    {F2::PrecioSinNeumaticos, "F2::PrecioSinNeumaticos"},
    {F3::CosteConductor, "F3::CosteConductor"},
    {F3::DietasDesglosadas, "F3::DietasDesglosadas"},
    {F3::DietaDiaria, "F3::DietaDiaria"},
    {F3::DiasConDieta, "F3::DiasConDieta"},
    {F3::DietaAnual, "F3::DietaAnual"},
    {F3::PlusPorKilometro, "F3::PlusPorKilometro"},
    {F3::PlusAnual, "F3::PlusAnual"},
    {F3::Dietas, "F3::Dietas"},
    {F3::SegurosDesglosados, "F3::SegurosDesglosados"},
    {F3::SeguroRcTractor, "F3::SeguroRcTractor"},
    {F3::SeguroRcSemirremolque, "F3::SeguroRcSemirremolque"},
    {F3::SeguroRcMercancia, "F3::SeguroRcMercancia"},
    {F3::SeguroAccidente, "F3::SeguroAccidente"},
    {F3::SeguroRetiradaCarne, "F3::SeguroRetiradaCarne"},
    {F3::SeguroMercancia, "F3::SeguroMercancia"},
    {F3::SeguroDanosPropios, "F3::SeguroDanosPropios"},
    {F3::SeguroOtros, "F3::SeguroOtros"},
    {F3::Seguros, "F3::Seguros"},
    {F3::FiscalesDesglosados, "F3::FiscalesDesglosados"},
    {F3::Visados, "F3::Visados"},
    {F3::Itv, "F3::Itv"},
    {F3::Iae, "F3::Iae"},
    {F3::Ivtm, "F3::Ivtm"},
    {F3::Tacografo, "F3::Tacografo"},
    {F3::InspeccionesAtp, "F3::InspeccionesAtp"},
    {F3::InspeccionesAdr, "F3::InspeccionesAdr"},
    {F3::FiscalesOtros, "F3::FiscalesOtros"},
    {F3::Fiscales, "F3::Fiscales"},
    {F3::SeguroAsistencia, "F3::SeguroAsistencia"},
    {F3::SeguroLunas, "F3::SeguroLunas"},
    {F3::SeguroDefensaJuridica, "F3::SeguroDefensaJuridica"},
    {V::PrecioGasoleoEspanaConIva, "V::PrecioGasoleoEspanaConIva"},
    {V::PorcentajeDescuentoEspana, "V::PorcentajeDescuentoEspana"},
    {V::DescuentoEspana, "V::DescuentoEspana"},
    {V::IvaEspana, "V::IvaEspana"},
    {V::IvaPorLitroEspana, "V::IvaPorLitroEspana"},
    {V::PrecioGasoleoEspana, "V::PrecioGasoleoEspana"},
    {V::Consumo, "V::Consumo"},
    {V::PrecioEquiposConIva, "V::PrecioEquiposConIva"},
    {V::PorcentajeDescuentoEquipos, "V::PorcentajeDescuentoEquipos"},
    {V::DescuentoEquipos, "V::DescuentoEquipos"},
    {V::IvaEquipos, "V::IvaEquipos"},
    {V::IvaPorLitroEquipos, "V::IvaPorLitroEquipos"},
    {V::PrecioEquipos, "V::PrecioEquipos"},
    {V::ConsumoEquipos, "V::ConsumoEquipos"},
    {V::HorasEquipos, "V::HorasEquipos"},
    {V::NumeroDireccionales, "V::NumeroDireccionales"},
    {V::PrecioDireccionales, "V::PrecioDireccionales"},
    {V::DuracionDireccionales, "V::DuracionDireccionales"},
    {V::NumeroMotrices, "V::NumeroMotrices"},
    {V::PrecioMotrices, "V::PrecioMotrices"},
    {V::DuracionMotrices, "V::DuracionMotrices"},
    {V::NumeroArrastre, "V::NumeroArrastre"},
    {V::PrecioArrastre, "V::PrecioArrastre"},
    {V::DuracionArrastre, "V::DuracionArrastre"},
    {V::NumeroSemirremolque, "V::NumeroSemirremolque"},
    {V::PrecioSemirremolque, "V::PrecioSemirremolque"},
    {V::DuracionSemirremolque, "V::DuracionSemirremolque"},
    {V::MantenimientoPorKilometro, "V::MantenimientoPorKilometro"},
    {V::Mantenimiento, "V::Mantenimiento"},
    {V::ReparacionesPorKilometro, "V::ReparacionesPorKilometro"},
    {V::Reparaciones, "V::Reparaciones"},
    {V::Peajes, "V::Peajes"},
    {V::PorcentajeEspana, "V::PorcentajeEspana"},
    {V::PorcentajeExtranjero, "V::PorcentajeExtranjero"},
    {V::PrecioGasoleoExtranjeroConIva, "V::PrecioGasoleoExtranjeroConIva"},
    {V::PorcentajeDescuentoExtranjero, "V::PorcentajeDescuentoExtranjero"},
    {V::DescuentoExtranjero, "V::DescuentoExtranjero"},
    {V::IvaExtranjero, "V::IvaExtranjero"},
    {V::IvaPorLitroExtranjero, "V::IvaPorLitroExtranjero"},
    {V::PrecioGasoleoExtranjero, "V::PrecioGasoleoExtranjero"},
    {V::DevolucionProfesional, "V::DevolucionProfesional"},
    {V::Urea, "V::Urea"},
    {I::Desglosados, "I::Desglosados"},
    {I::Estructura, "I::Estructura"},
    {I::Comercializacion, "I::Comercializacion"},
    {I::Otros, "I::Otros"},
    {I::Total, "I::Total"},
    {R::Amortizacion, "R::Amortizacion"},
    {R::Financiacion, "R::Financiacion"},
    {R::Personal, "R::Personal"},
    {R::Seguros, "R::Seguros"},
    {R::Fiscales, "R::Fiscales"},
    {R::Dietas, "R::Dietas"},
    {R::Combustible, "R::Combustible"},
    {R::Neumaticos, "R::Neumaticos"},
    {R::Mantenimiento, "R::Mantenimiento"},
    {R::Reparaciones, "R::Reparaciones"},
    {R::Peajes, "R::Peajes"},
    {R::Estructura, "R::Estructura"},
    {R::Comercializacion, "R::Comercializacion"},
    {R::OtrosIndirectos, "R::OtrosIndirectos"},
    {R::Temporales, "R::Temporales"},
    {R::Kilometricos, "R::Kilometricos"},
    {R::Directos, "R::Directos"},
    {R::Indirectos, "R::Indirectos"},
    {R::Totales, "R::Totales"},
    {R::Urea, "R::Urea"},
    {R::Kilometros, "R::Kilometros"},
    {R::KilometrosEnCarga, "R::KilometrosEnCarga"},
    {R::C1, "R::C1"},
    {R::C1EnCarga, "R::C1EnCarga"},
    {R::Horas, "R::Horas"},
    {R::HorasEnCarga, "R::HorasEnCarga"},
    {R::C2, "R::C2"},
    {R::C2EnCarga, "R::C2EnCarga"},
    {R::C3, "R::C3"},
    {R::C3EnCarga, "R::C3EnCarga"},
    {R::C4, "R::C4"},
    {R::C4EnCarga, "R::C4EnCarga"},
    {R::ToneladasKilometro, "R::ToneladasKilometro"},
    {R::C5, "R::C5"},
    {S::C5, "S::C5"},
};

} // namespace tarvia::campos

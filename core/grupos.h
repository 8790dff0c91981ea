#pragma once
// The groups of fields the program walks: parts of a total, tyre groups,
// fuel prices, goods amortised, the results in the order each window shows
// them. Declared once here; the engine, the checks, the windows, tarvia-calc
// and (through tarvia-calc --campos json) the reference-data generator read them.
#include "core/campos.h"

#include <array>
#include <optional>
#include <span>

namespace tarvia::campos {

// A total that may be entered part by part: the option that chooses it, the
// total and its parts in the order they are added up.
struct GrupoDesglosable {
    const char* nombre;
    CampoDeHoja opcion; // true: entered part by part
    CampoDeHoja total;
    std::span<const CampoDeHoja> partes;
};
inline constexpr std::array<CampoDeHoja, 11> kPartesSeguros = {
    F3::SeguroRcTractor,     F3::SeguroRcSemirremolque, F3::SeguroRcMercancia,    F3::SeguroAccidente,
    F3::SeguroRetiradaCarne, F3::SeguroMercancia,       F3::SeguroDanosPropios,   F3::SeguroOtros,
    F3::SeguroAsistencia,    F3::SeguroLunas,           F3::SeguroDefensaJuridica};
inline constexpr std::array<CampoDeHoja, 8> kPartesFiscales = {
    F3::Visados,         F3::Itv,          F3::Iae, F3::Ivtm, F3::Tacografo, F3::InspeccionesAtp,
    F3::InspeccionesAdr, F3::FiscalesOtros};
inline constexpr std::array<CampoDeHoja, 3> kPartesIndirectos = {I::Estructura, I::Comercializacion, I::Otros};
inline constexpr GrupoDesglosable kSeguros{"seguros", F3::SegurosDesglosados, F3::Seguros, kPartesSeguros};
inline constexpr GrupoDesglosable kFiscales{"fiscales", F3::FiscalesDesglosados, F3::Fiscales, kPartesFiscales};
inline constexpr GrupoDesglosable kIndirectos{"indirectos", I::Desglosados, I::Total, kPartesIndirectos};
// Diets and activity bonus: a daily diet times its days, plus a bonus per
// kilometre times the year's kilometres. Its inputs, then every part.
inline constexpr std::array<CampoDeHoja, 3> kEntradasDietas = {F3::DietaDiaria, F3::DiasConDieta, F3::PlusPorKilometro};
inline constexpr std::array<CampoDeHoja, 5> kPartesDietas = {F3::DietaDiaria, F3::DiasConDieta, F3::PlusPorKilometro,
                                                             F3::DietaAnual, F3::PlusAnual};
inline constexpr GrupoDesglosable kDietas{"dietas", F3::DietasDesglosadas, F3::Dietas, kPartesDietas};
inline constexpr std::array<GrupoDesglosable, 4> kGruposDesglosables = {kDietas, kSeguros, kFiscales, kIndirectos};

// A group of tyres: how many, the price of one and their life in kilometres.
struct GrupoNeumaticos {
    const char* nombre;
    CampoDeHoja numero, precio, duracion;
};
inline constexpr std::array<GrupoNeumaticos, 3> kNeumaticosTractor = {{
    {"direccionales", V::NumeroDireccionales, V::PrecioDireccionales, V::DuracionDireccionales},
    {"motrices", V::NumeroMotrices, V::PrecioMotrices, V::DuracionMotrices},
    {"arrastre", V::NumeroArrastre, V::PrecioArrastre, V::DuracionArrastre},
}};
inline constexpr GrupoNeumaticos kNeumaticosSemirremolque{"semirremolque", V::NumeroSemirremolque,
                                                          V::PrecioSemirremolque, V::DuracionSemirremolque};

// A fuel bought with VAT and a discount: the price, the discount as a share
// and per litre, the VAT as a share and per litre, the net price.
struct GrupoCarburante {
    const char* nombre;
    CampoDeHoja precio, porcentajeDescuento, descuento, iva, ivaPorLitro, precioSinIva;
};
inline constexpr GrupoCarburante kCarburanteEspana{
    "espana",     V::PrecioGasoleoEspanaConIva, V::PorcentajeDescuentoEspana, V::DescuentoEspana,
    V::IvaEspana, V::IvaPorLitroEspana,         V::PrecioGasoleoEspana};
inline constexpr GrupoCarburante kCarburanteExtranjero{
    "extranjero",     V::PrecioGasoleoExtranjeroConIva, V::PorcentajeDescuentoExtranjero, V::DescuentoExtranjero,
    V::IvaExtranjero, V::IvaPorLitroExtranjero,         V::PrecioGasoleoExtranjero};
inline constexpr GrupoCarburante kCarburanteEquipos{
    "equipos",           V::PrecioEquiposConIva, V::PorcentajeDescuentoEquipos,
    V::DescuentoEquipos, V::IvaEquipos,          V::IvaPorLitroEquipos,
    V::PrecioEquipos};

// The list prices the calculation takes a discount off: what a haulier who
// types the price he paid must know is still subtracted.
struct PrecioConDescuento {
    CampoDeHoja precio;
    CampoDeHoja descuento;
    bool enPorcentaje; // else euros per litre
};
inline constexpr std::array<PrecioConDescuento, 7> kPreciosConDescuento = {{
    {F1::PrecioTarifa, F1::Descuento, true},
    {F1::CarrozadoPrecioTarifa, F1::CarrozadoDescuento, true},
    {F2::PrecioTarifa, F2::Descuento, true},
    {F2::EquiposPrecioTarifa, F2::EquiposDescuento, true},
    {kCarburanteEspana.precio, kCarburanteEspana.descuento, false},
    {kCarburanteEquipos.precio, kCarburanteEquipos.descuento, false},
    {kCarburanteExtranjero.precio, kCarburanteExtranjero.descuento, false},
}};

// A good that is bought (amortised and financed) or obtained in another form
// (a yearly cost): tractor, its bodywork, semitrailer or trailer, auxiliary
// equipment. The bodywork follows the tractor's choice and has no yearly cost.
struct Bien {
    const char* nombre;
    CampoDeHoja opcion;                    // true: bought
    std::optional<CampoDeHoja> costeAnual; // yearly cost of the other form
    CampoDeHoja tarifa;                    // list price: 0 means nothing to amortise
    CampoDeHoja vida;                      // useful life, years
    CampoDeHoja precio;                    // acquisition price amortised
    CampoDeHoja residual;                  // residual value
    CampoDeHoja capital;                   // financed capital
    CampoDeHoja periodo;                   // years of financing
    CampoDeHoja interes;                   // yearly interest, %
};
inline constexpr std::array<Bien, 4> kBienes = {{
    {"tractor", F1::Compra, F1::CosteAnual, F1::PrecioTarifa, F1::VidaUtil, F1::PrecioSinNeumaticos, F1::ValorResidual,
     F1::CapitalFinanciado, F1::PeriodoFinanciacion, F1::Interes},
    {"carrozado", F1::Compra, std::nullopt, F1::CarrozadoPrecioTarifa, F1::CarrozadoVidaUtil, F1::CarrozadoPrecio,
     F1::CarrozadoValorResidual, F1::CarrozadoCapitalFinanciado, F1::CarrozadoPeriodoFinanciacion,
     F1::CarrozadoInteres},
    {"semirremolque", F2::Compra, F2::CosteAnual, F2::PrecioTarifa, F2::VidaUtil, F2::PrecioSinNeumaticos,
     F2::ValorResidual, F2::CapitalFinanciado, F2::PeriodoFinanciacion, F2::Interes},
    {"equipos", F2::EquiposCompra, F2::EquiposCosteAnual, F2::EquiposPrecioTarifa, F2::EquiposVidaUtil,
     F2::EquiposPrecioAdquisicion, F2::EquiposValorResidual, F2::EquiposCapitalFinanciado,
     F2::EquiposPeriodoFinanciacion, F2::EquiposInteres},
}};

// The yearly costs as the results sheet lists them, top to bottom: also the
// order its percentages are worked out in.
inline constexpr std::array<CampoDeHoja, 20> kFilasDeCostes = {
    R::Totales,  R::Directos,   R::Temporales,    R::Amortizacion,     R::Financiacion,
    R::Personal, R::Seguros,    R::Fiscales,      R::Kilometricos,     R::Combustible,
    R::Urea,     R::Neumaticos, R::Mantenimiento, R::Reparaciones,     R::Dietas,
    R::Peajes,   R::Indirectos, R::Estructura,    R::Comercializacion, R::OtrosIndirectos};
// The rows that add others up (bold on the sheet).
inline constexpr std::array<CampoDeHoja, 5> kGruposDeCostes = {R::Totales, R::Directos, R::Temporales, R::Kilometricos,
                                                               R::Indirectos};
// Whether a row of the cost structure is one of those totals (shown in bold).
constexpr bool EsGrupoDeCostes(CampoDeHoja r)
{
    for (CampoDeHoja g : kGruposDeCostes)
        if (g == r)
            return true;
    return false;
}
// The indirect items, shown only when they are entered one by one.
inline constexpr std::array<CampoDeHoja, 3> kDetalleIndirectos = {R::Estructura, R::Comercializacion,
                                                                  R::OtrosIndirectos};
// The slices of the pie chart, each headed by its cost's caption.
inline constexpr std::array<CampoDeHoja, 13> kPorcionesDelGrafico = {
    R::Amortizacion, R::Financiacion,  R::Personal,     R::Seguros, R::Fiscales, R::Combustible, R::Urea,
    R::Neumaticos,   R::Mantenimiento, R::Reparaciones, R::Dietas,  R::Peajes,   R::Indirectos};
// The results a comparison and an analysis set side by side: the yearly
// costs and their groups, then the unit costs.
inline constexpr std::array<CampoDeHoja, 29> kFilasComparacion = {R::Amortizacion,
                                                                  R::Financiacion,
                                                                  R::Personal,
                                                                  R::Seguros,
                                                                  R::Fiscales,
                                                                  R::Dietas,
                                                                  R::Combustible,
                                                                  R::Neumaticos,
                                                                  R::Mantenimiento,
                                                                  R::Reparaciones,
                                                                  R::Peajes,
                                                                  R::Estructura,
                                                                  R::Comercializacion,
                                                                  R::OtrosIndirectos,
                                                                  R::Urea,
                                                                  R::Temporales,
                                                                  R::Kilometricos,
                                                                  R::Directos,
                                                                  R::Indirectos,
                                                                  R::Totales,
                                                                  R::Kilometros,
                                                                  R::KilometrosEnCarga,
                                                                  R::C1,
                                                                  R::C1EnCarga,
                                                                  R::C2,
                                                                  R::C2EnCarga,
                                                                  R::C3,
                                                                  R::C3EnCarga,
                                                                  R::C5};
} // namespace tarvia::campos

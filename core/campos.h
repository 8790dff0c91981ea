#pragma once
// Fields by name where the cost formulas read them, so that a formula says
// what it adds up. Each name is checked against the catalogue's caption in
// the tests (see kNombres).
#include "core/hojas.h"

#include <array>

namespace tarvia::campos {

// A field of a sheet: what formulas read and write.
struct CampoDeHoja {
    Hoja hoja;
    int i;
};

namespace C {
inline constexpr CampoDeHoja MasaMaximaAutorizada{Hoja::C, 3};
inline constexpr CampoDeHoja KilometrosAnuales{Hoja::C, 7};
inline constexpr CampoDeHoja KilometrosEnCarga{Hoja::C, 9};
inline constexpr CampoDeHoja HorasAnuales{Hoja::C, 12};
inline constexpr CampoDeHoja HorasEnCarga{Hoja::C, 14};
inline constexpr CampoDeHoja ToneladasKilometro{Hoja::C, 20};
} // namespace C

namespace F3 {
inline constexpr CampoDeHoja CosteConductor{Hoja::F3, 1};
inline constexpr CampoDeHoja Dietas{Hoja::F3, 8};
inline constexpr CampoDeHoja Seguros{Hoja::F3, 18};
inline constexpr CampoDeHoja Fiscales{Hoja::F3, 28};
} // namespace F3

namespace V {
inline constexpr CampoDeHoja PrecioGasoleoEspana{Hoja::V, 6}; // net, without VAT, €/l
inline constexpr CampoDeHoja Consumo{Hoja::V, 7};             // l/100 km
inline constexpr CampoDeHoja PrecioEquipos{Hoja::V, 13};
inline constexpr CampoDeHoja ConsumoEquipos{Hoja::V, 14}; // l/h
inline constexpr CampoDeHoja HorasEquipos{Hoja::V, 15};
inline constexpr CampoDeHoja PorcentajeEspana{Hoja::V, 33}; // of the fuel bought in Spain
inline constexpr CampoDeHoja PorcentajeExtranjero{Hoja::V, 34};
inline constexpr CampoDeHoja PrecioGasoleoExtranjero{Hoja::V, 40};
inline constexpr CampoDeHoja DevolucionProfesional{Hoja::V, 41}; // €/l refunded
inline constexpr CampoDeHoja Mantenimiento{Hoja::V, 29};
inline constexpr CampoDeHoja Reparaciones{Hoja::V, 31};
inline constexpr CampoDeHoja Peajes{Hoja::V, 32};
inline constexpr CampoDeHoja Urea{Hoja::V, 42};
} // namespace V

namespace I {
inline constexpr CampoDeHoja Desglosados{Hoja::I, 1}; // true: entered item by item
inline constexpr CampoDeHoja Estructura{Hoja::I, 2};
inline constexpr CampoDeHoja Comercializacion{Hoja::I, 3};
inline constexpr CampoDeHoja Otros{Hoja::I, 4};
inline constexpr CampoDeHoja Total{Hoja::I, 5};
} // namespace I

// The list prices the calculation takes a discount off: what a haulier who
// types the price he paid must know is still subtracted.
struct PrecioConDescuento {
    CampoDeHoja precio;
    CampoDeHoja descuento;
    bool enPorcentaje; // else euros per litre
};
inline constexpr std::array<PrecioConDescuento, 7> kPreciosConDescuento = {{
    {{Hoja::F1, 2}, {Hoja::F1, 3}, true},   // tractor
    {{Hoja::F1, 13}, {Hoja::F1, 14}, true}, // bodywork
    {{Hoja::F2, 2}, {Hoja::F2, 3}, true},   // semitrailer or trailer
    {{Hoja::F2, 14}, {Hoja::F2, 15}, true}, // auxiliary equipment
    {{Hoja::V, 1}, {Hoja::V, 3}, false},    // diesel bought in Spain
    {{Hoja::V, 8}, {Hoja::V, 10}, false},   // the equipment's fuel
    {{Hoja::V, 35}, {Hoja::V, 37}, false},  // diesel bought abroad
}};

// The results: the yearly costs (1–20), their percentages of the total
// (the same row + 20) and the unit costs (41–54).
namespace R {
inline constexpr int Amortizacion = 1, Financiacion = 2, Personal = 3, Seguros = 4, Fiscales = 5, Dietas = 6,
                     Combustible = 7, Neumaticos = 8, Mantenimiento = 9, Reparaciones = 10, Peajes = 11,
                     Estructura = 12, Comercializacion = 13, OtrosIndirectos = 14, Temporales = 15, Kilometricos = 16,
                     Directos = 17, Indirectos = 18, Totales = 19, Urea = 20;
inline constexpr int Porcentaje = 20; // row + Porcentaje: its share of the total
inline constexpr int Kilometros = 41, KilometrosEnCarga = 42, C1 = 43, C1EnCarga = 44, Horas = 45, HorasEnCarga = 46,
                     C2 = 47, C2EnCarga = 48, C3 = 49, C3EnCarga = 50, C4 = 51, C4EnCarga = 52, ToneladasKilometro = 53,
                     C5 = 54;
} // namespace R

// Each name with the words its catalogue caption starts with.
struct Nombre {
    CampoDeHoja campo;
    const char* rotulo;
};
inline constexpr std::array<Nombre, 27> kNombres = {{
    {V::DevolucionProfesional, "Devolución por gasóleo profesional"},
    {C::MasaMaximaAutorizada, "Masa Máxima Autorizada"},
    {V::PrecioGasoleoEspana, "Precio de adquisición sin IVA"},
    {V::Consumo, "Consumo medio del vehículo de tracción"},
    {V::PrecioEquipos, "Precio de adquisición sin IVA"},
    {V::ConsumoEquipos, "Consumo medio de los equipos"},
    {V::HorasEquipos, "Consumo medio de los equipos"},
    {V::PorcentajeEspana, "Distribución del repostaje"},
    {V::PorcentajeExtranjero, "Distribución del repostaje"},
    {V::PrecioGasoleoExtranjero, "Precio de adquisición sin IVA"},
    {C::KilometrosAnuales, "Kilómetros recorridos anualmente"},
    {C::KilometrosEnCarga, "Kilómetros recorridos anualmente en carga"},
    {C::HorasAnuales, "Horas trabajadas al año"},
    {C::HorasEnCarga, "Horas trabajadas al año en carga"},
    {C::ToneladasKilometro, "Producción anual"},
    {F3::CosteConductor, "Coste total anual del conductor"},
    {F3::Dietas, "Dietas y plus de actividad"},
    {F3::Seguros, "Coste total anual"},
    {F3::Fiscales, "Coste total anual"},
    {V::Mantenimiento, "Mantenimiento"},
    {V::Reparaciones, "Reparaciones"},
    {V::Peajes, "Coste anual sin IVA en peajes"},
    {V::Urea, "Coste anual sin IVA en disolución de urea"},
    {I::Desglosados, "Costes Indirectos"},
    {I::Estructura, "Coste anual de estructura"},
    {I::Comercializacion, "Coste anual de comercialización"},
    {I::Total, "Costes Indirectos anuales"},
}};
inline constexpr std::array<Nombre, 34> kNombresR = {{
    {{Hoja::R, R::Amortizacion}, "Amortización del vehículo"},
    {{Hoja::R, R::Financiacion}, "Financiación del vehículo"},
    {{Hoja::R, R::Personal}, "Personal de conducción"},
    {{Hoja::R, R::Seguros}, "Seguros del vehículo"},
    {{Hoja::R, R::Fiscales}, "Costes Fiscales"},
    {{Hoja::R, R::Dietas}, "Dietas del conductor"},
    {{Hoja::R, R::Combustible}, "Combustible"},
    {{Hoja::R, R::Neumaticos}, "Neumáticos"},
    {{Hoja::R, R::Mantenimiento}, "Mantenimiento"},
    {{Hoja::R, R::Reparaciones}, "Reparaciones"},
    {{Hoja::R, R::Peajes}, "Peajes"},
    {{Hoja::R, R::Estructura}, "Costes de estructura"},
    {{Hoja::R, R::Comercializacion}, "Costes de comercialización"},
    {{Hoja::R, R::OtrosIndirectos}, "Otros costes indirectos"},
    {{Hoja::R, R::Temporales}, "Costes Temporales"},
    {{Hoja::R, R::Kilometricos}, "Costes Kilométricos"},
    {{Hoja::R, R::Directos}, "Costes Directos"},
    {{Hoja::R, R::Indirectos}, "Costes Indirectos"},
    {{Hoja::R, R::Totales}, "Costes Totales"},
    {{Hoja::R, R::Urea}, "Consumo de disolución de urea"},
    {{Hoja::R, R::Kilometros}, "Kilometraje anual"},
    {{Hoja::R, R::KilometrosEnCarga}, "Kilometraje anual en carga"},
    {{Hoja::R, R::C1}, "C1 = "},
    {{Hoja::R, R::C1EnCarga}, "C1 = "},
    {{Hoja::R, R::Horas}, "Horas anuales"},
    {{Hoja::R, R::HorasEnCarga}, "Horas anuales en carga"},
    {{Hoja::R, R::C2}, "C2 = "},
    {{Hoja::R, R::C2EnCarga}, "C2 = "},
    {{Hoja::R, R::C3}, "C3 = "},
    {{Hoja::R, R::C3EnCarga}, "C3 = "},
    {{Hoja::R, R::C4}, "C4 = "},
    {{Hoja::R, R::C4EnCarga}, "C4 = "},
    {{Hoja::R, R::ToneladasKilometro}, "Toneladas-Kilómetro anuales"},
    {{Hoja::R, R::C5}, "C5 = "},
}};

} // namespace tarvia::campos

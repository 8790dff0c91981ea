#include "core/catalogo.h"

#include <array>
#include <stdexcept>

namespace tarvia {

Valor Limite::comoValor() const
{
    switch (clase) {
    case Clase::Numerico: return Valor(numero);
    case Clase::Texto: return Valor(QString::fromUtf8(texto));
    case Clase::Verdadero: return Valor(true);
    case Clase::Ninguno: break;
    }
    return {};
}

namespace {

using L = Limite;

// Builders keep each row of the tables on one line.
constexpr Campo ent(Hoja h, int i, int dec, int len, double mn, double mx, const char* et, const char* un,
                    const char* ay)
{
    return {h, i, TipoCampo::Entrada, dec, len, L::Num(mn), L::Num(mx), et, un, ay};
}
constexpr Campo ent0(Hoja h, int i, int dec, int len, double mn, double mx, const char* et, const char* un,
                     const char* ay)
{
    Campo c = ent(h, i, dec, len, mn, mx, et, un, ay);
    c.ceroPermitido = true;
    return c;
}
constexpr Campo tot(Hoja h, int i, int dec, int len, double mn, double mx, const char* et, const char* un,
                    const char* ay)
{
    Campo c = ent(h, i, dec, len, mn, mx, et, un, ay);
    c.totalDeGrupo = true;
    return c;
}
constexpr Campo der(Hoja h, int i, int dec, int len, const char* et, const char* un)
{
    return {h, i, TipoCampo::Derivado, dec, len, L::Ninguno(), L::Ninguno(), et, un, ""};
}
constexpr Campo derLim(Hoja h, int i, int dec, int len, double mn, double mx, const char* et, const char* un)
{
    return {h, i, TipoCampo::Derivado, dec, len, L::Num(mn), L::Num(mx), et, un, ""};
}
constexpr Campo opc(Hoja h, int i, const char* et, const char* ay)
{
    return {h, i, TipoCampo::Opcion, -1, 0, L::Cierto(), L::Cierto(), et, "", ay};
}
constexpr Campo txt(Hoja h, int i, int len, const char* mn, const char* et, const char* ay)
{
    return {h, i, TipoCampo::Texto, -1, len, L::Txt(mn), L::Txt(""), et, "", ay};
}
constexpr Campo res(int i, int dec, const char* et, const char* un = "")
{
    return {Hoja::R, i, TipoCampo::Resultado, dec, 0, L::Ninguno(), L::Ninguno(), et, un, ""};
}

constexpr Hoja C = Hoja::C, F1 = Hoja::F1, F2 = Hoja::F2, F3 = Hoja::F3, V = Hoja::V, I = Hoja::I, S = Hoja::S;

constexpr const char* kEur = "Euros";
constexpr const char* kPct = "%";

constexpr std::array<Campo, 21> kC = {{
    txt(C, 1, 55, "A", "Descripción", "Descripción del tipo de vehículo"),
    ent(C, 2, 0, 3, 0, 999, "Potencia", "CV", "Potencia del vehículo de tracción en Caballos de Vapor"),
    ent(C, 3, 0, 6, 1500, 44000, "Masa Máxima Autorizada (kg)", "", "MMA en kilogramos"),
    ent(C, 4, 0, 6, 0, 35000, "Carga útil (kg)", "", "Carga útil en kilogramos"),
    ent(C, 5, 0, 2, 2, 12, "Número de ejes", "", "Número total de ejes"),
    txt(C, 6, 45, "", "Descripción", "Descripción del tipo de explotación del vehículo"),
    ent(C, 7, 0, 7, 5000, 400000, "Kilómetros recorridos anualmente", "kilómetros",
        "Kilómetros totales anuales recorridos por el vehículo"),
    ent0(C, 8, 1, 5, 20, 100, "Kilómetros recorridos anualmente en carga", kPct,
         "Porcentaje de los kilómetros anuales recorridos que son realizados con el vehículo cargado"),
    der(C, 9, 0, 7, "Kilómetros recorridos anualmente en carga", "kilómetros"),
    der(C, 10, 1, 5, "Kilómetros recorridos anualmente en vacío", kPct),
    der(C, 11, 0, 7, "Kilómetros recorridos anualmente en vacío", "kilómetros"),
    ent0(C, 12, 0, 5, 100, 6000, "Horas trabajadas al año", "Horas",
         "Horas anuales en las que el vehículo realiza alguna actividad"),
    ent0(C, 13, 1, 5, 20, 100, "Horas trabajadas al año en carga", kPct,
         "Porcentaje de las horas anuales trabajadas en las que el vehículo está cargado"),
    der(C, 14, 0, 5, "Horas trabajadas al año en carga", "Horas"),
    der(C, 15, 1, 5, "Horas trabajadas al año en vacío", kPct),
    der(C, 16, 0, 5, "Horas trabajadas al año en vacío", "Horas"),
    ent0(C, 17, 0, 3, 10, 366, "Días trabajados al año", "", "Días en los que el vehículo realiza alguna actividad"),
    der(C, 18, 2, 5, "Horas trabajadas por jornada", ""),
    ent(C, 19, 1, 4, 0, 35, "Carga media en los kilómetros recorridos en carga", "Toneladas",
        "Media de las toneladas cargadas en los kilómetros recorridos en carga"),
    der(C, 20, 0, 10, "Producción anual", "Toneladas-kilómetro"),
    der(C, 21, 0, 3, "Potencia", "kW"),
}};

constexpr std::array<Campo, 24> kF1 = {{
    opc(F1, 1, "Forma de adquisición", "Elegir la forma de adquisición del vehículo de tracción"),
    ent(F1, 2, 2, 10, 3000, 900000, "Precio de tarifa sin IVA (Euros)", "",
        "Precio sin IVA, según tarifa del vendedor, del vehículo de tracción (euros)"),
    ent(F1, 3, 1, 4, 0, 60, "Descuento sobre tarifa (%)", "",
        "Descuento sobre el precio de tarifa del vehículo de tracción (%)"),
    der(F1, 4, 2, 10, "Precio de adquisición sin IVA (Euros)", ""),
    ent(F1, 5, 1, 4, 0.5, 35, "Vida útil (años)", "",
        "Número de años desde la compra hasta la venta o baja del vehículo de tracción"),
    ent(F1, 6, 1, 4, 0, 80, "Valor residual sobre precio de tarifa (%)", "",
        "Precio sin IVA de venta del vehículo de tracción al final de su vida útil, expresado en % del precio de tarifa"),
    der(F1, 7, 2, 10, "Valor residual sin IVA (Euros)", ""),
    ent(F1, 8, 1, 5, 0, 125, "Capital a financiar", "% sobre el precio de adquisición",
        "Capital invertido en el vehículo de tracción que se financia, expresado en % del valor de adquisición sin IVA"),
    der(F1, 9, 2, 10, "Capital a financiar", kEur),
    ent(F1, 10, 1, 4, 0.5, 25, "Periodo de financiación (años)", "", "Número de años de la financiación"),
    ent(F1, 11, 2, 5, 0.1, 25, "Interés anual de la financiación (%)", "", "Interés anual de la financiación (%)"),
    ent(F1, 12, 2, 10, 0, 60000, "Coste anual sin IVA (Euros)", "",
        "Coste anual sin IVA del alquiler o similar del vehículo de tracción (euros)"),
    ent(F1, 13, 2, 10, 0, 600000, "Precio de tarifa sin IVA (Euros)", "",
        "Precio sin IVA, según tarifa del carrocero, del carrozado del vehículo de tracción (euros)"),
    ent(F1, 14, 1, 4, 0, 60, "Descuento sobre tarifa (%)", "",
        "Descuento sobre el precio de tarifa del carrozado del vehículo de tracción (%)"),
    der(F1, 15, 2, 10, "Precio del carrozado sin IVA (Euros)", ""),
    ent(F1, 16, 1, 4, 0.5, 35, "Vida útil (años)", "",
        "Número de años desde la compra hasta la venta o baja del carrozado del vehículo de tracción"),
    ent(F1, 17, 1, 4, 0, 80, "Valor residual sobre precio de tarifa (%)", "",
        "Precio sin IVA de venta del carrozado del vehículo de tracción al final de su vida útil, expresado en % del precio de tarifa"),
    der(F1, 18, 2, 10, "Valor residual sin IVA (Euros)", ""),
    ent(F1, 19, 1, 5, 0, 125, "Capital a financiar", "% sobre el precio del carrozado",
        "Capital invertido en el carrozado del vehículo de tracción que se financia, expresado en % del coste del carrozado sin IVA"),
    der(F1, 20, 2, 10, "Capital a financiar", kEur),
    ent(F1, 21, 1, 4, 0.5, 25, "Periodo de financiación (años)", "", "Número de años de la financiación"),
    ent(F1, 22, 2, 5, 0.1, 25, "Interés anual de la financiación (%)", "", "Interés anual de la financiación (%)"),
    ent(F1, 23, 1, 5, 0, 200,
        "Valor sin IVA de los neumáticos en el momento de la compra del vehículo (% sobre el precio actual de los mismos)",
        "", "Valor de los neumáticos del vehículo comprado (% sobre el valor actual de los mismos)"),
    der(F1, 24, 2, 10, "Precio de adquisición sin neumáticos y sin IVA (Euros)", ""),
}};

constexpr std::array<Campo, 26> kF2 = {{
    opc(F2, 1, "Forma de adquisición", "Elegir la forma de adquisición del semirremolque o del remolque"),
    ent(F2, 2, 2, 10, 0, 600000, "Precio de tarifa sin IVA (Euros)", "",
        "Precio sin IVA, según tarifa del vendedor, del semirremolque o del remolque (euros)"),
    ent(F2, 3, 1, 4, 0, 60, "Descuento sobre tarifa (%)", "",
        "Descuento sobre el precio de tarifa del semirremolque o del remolque (%)"),
    der(F2, 4, 2, 10, "Precio de adquisición sin IVA (Euros)", ""),
    ent(F2, 5, 1, 4, 0.5, 35, "Vida útil (años)", "",
        "Número de años desde la compra hasta la venta o baja del semirremolque o del remolque"),
    ent(F2, 6, 1, 4, 0, 80, "Valor residual sobre precio de tarifa (%)", "",
        "Precio sin IVA de venta del semirremolque o del remolque al final de su vida útil, expresado en % del precio de tarifa"),
    der(F2, 7, 2, 10, "Valor residual sin IVA (Euros)", ""),
    ent(F2, 8, 1, 5, 0, 125, "Capital a financiar", "% sobre el precio de adquisición",
        "Capital invertido en el semirremolque o en el remolque que se financia, expresado en % del valor de adquisición"),
    der(F2, 9, 2, 10, "Capital a financiar", kEur),
    ent(F2, 10, 1, 4, 0.5, 25, "Periodo de financiación (años)", "", "Número de años de la financiación"),
    ent(F2, 11, 2, 5, 0.1, 25, "Interés anual de la financiación (%)", "", "Interés anual de la financiación (%)"),
    ent(F2, 12, 2, 10, 0, 60000, "Coste anual sin IVA (Euros)", "",
        "Coste anual sin IVA del alquiler o similar del semirremolque o del remolque (euros)"),
    opc(F2, 13, "Forma de adquisición", "Elegir la forma de adquisición de los equipos auxiliares"),
    ent(F2, 14, 2, 10, 0, 300000, "Precio de tarifa sin IVA (Euros)", "",
        "Precio sin IVA, según tarifa del vendedor, de los equipos auxiliares (euros)"),
    ent(F2, 15, 1, 4, 0, 60, "Descuento sobre tarifa (%)", "",
        "Descuento sobre el precio de tarifa de los equipos auxiliares (%)"),
    der(F2, 16, 2, 10, "Precio de adquisición sin IVA (Euros)", ""),
    ent(F2, 17, 1, 4, 0.5, 35, "Vida útil (años)", "",
        "Número de años desde la compra hasta la venta o baja de los equipos auxiliares"),
    ent(F2, 18, 1, 4, 0, 80, "Valor residual sobre precio de tarifa (%)", "",
        "Precio sin IVA de venta de los equipos auxiliares al final de su vida útil, expresado en % del precio de tarifa"),
    der(F2, 19, 2, 10, "Valor residual sin IVA (Euros)", ""),
    ent(F2, 20, 1, 5, 0, 125, "Capital a financiar", "% sobre el precio de adquisición",
        "Capital invertido en los equipos auxiliares que se financia, expresado en % del valor de adquisición"),
    der(F2, 21, 2, 10, "Capital a financiar", kEur),
    ent(F2, 22, 1, 4, 0.5, 25, "Periodo de financiación (años)", "", "Número de años de la financiación"),
    ent(F2, 23, 2, 5, 0.1, 25, "Interés anual de la financiación (%)", "", "Interés anual de la financiación (%)"),
    ent(F2, 24, 2, 10, 0, 60000, "Coste anual sin IVA (Euros)", "",
        "Coste anual sin IVA del alquiler o similar de los equipos auxiliares (euros)"),
    ent(F2, 25, 1, 5, 0, 200,
        "Valor de los neumáticos en el momento de la adquisición del vehículo (% sobre el precio actual de los neumáticos)",
        "", "Valor de los neumáticos del semirremolque o remolque comprado (% sobre el valor actual de los mismos)"),
    der(F2, 26, 2, 10, "Precio de adquisición sin neumáticos y sin IVA (Euros)", ""),
}};

constexpr std::array<Campo, 31> kF3 = {{
    ent(F3, 1, 2, 10, 0, 150000,
        "Coste total anual del conductor, incluidos costes de empresa (Seguridad Social y otros)", "",
        "Coste anual para la empresa del sueldo del conductor (euros)"),
    opc(F3, 2, "Dietas y plus de actividad",
        "Elegir la forma de introducir los costes anuales de dietas y plus de actividad"),
    ent(F3, 3, 2, 6, 0, 300, "Dieta total diaria del conductor (Euros / día)", "",
        "Coste para la empresa de la dieta diaria del conductor (euros / día)"),
    ent(F3, 4, 0, 3, 0, 366, "Número de días con dieta al año", "",
        "Número de días al año en los que el conductor percibe la dieta anterior"),
    der(F3, 5, 2, 10, "Dieta total anual (Euros)", ""),
    ent(F3, 6, 6, 8, 0, 0.5, "Plus de actividad anual del conductor", "Euros / km",
        "Coste para la empresa del plus de actividad que percibe el conductor por kilómetro recorrido anualmente (euros / kilómetro)"),
    der(F3, 7, 2, 10, "Plus de actividad anual del conductor", kEur),
    tot(F3, 8, 2, 10, 0, 100000, "Dietas y plus de actividad anuales del conductor (Euros)", "",
        "Coste anual para la empresa de las dietas y plus de actividad que percibe el conductor (euros)"),
    opc(F3, 9, "Seguros", "Elegir la forma de introducir los costes anuales de seguros"),
    ent(F3, 10, 2, 9, 0, 15000, "Responsabilidad civil del vehículo de tracción", "",
        "Coste anual del seguro de responsabilidad civil del vehículo de tracción (euros)"),
    ent(F3, 11, 2, 9, 0, 5000, "Responsabilidad civil del semirremolque o del remolque", "",
        "Coste anual del seguro de responsabilidad civil del semirremolque o del remolque (euros)"),
    ent(F3, 12, 2, 9, 0, 5000, "Responsabilidad civil de la mercancía", "",
        "Coste anual del seguro de responsabilidad civil de la mercancía (euros)"),
    ent(F3, 13, 2, 9, 0, 1500, "Accidente del conductor", "",
        "Coste anual del seguro de accidente del conductor (euros)"),
    ent(F3, 14, 2, 9, 0, 1500, "Retirada del carné de conducir", "",
        "Coste anual del seguro de retirada del carné de conducir (euros)"),
    ent(F3, 15, 2, 9, 0, 30000, "Seguro de la mercancía", "", "Coste anual del seguro de la mercancía (euros)"),
    ent(F3, 16, 2, 9, 0, 30000, "Daños propios", "", "Coste anual del seguro de daños propios (euros)"),
    ent(F3, 17, 2, 9, 0, 30000, "Otros", "", "Coste anual de otros seguros (euros)"),
    tot(F3, 18, 2, 9, 0, 100000, "Coste total anual", "", "Coste anual de los seguros (euros)"),
    opc(F3, 19, "Costes Fiscales", "Elegir la forma de introducir los costes fiscales anuales"),
    ent(F3, 20, 2, 8, 0, 1500, "Visados", "", "Coste anual de los visados (euros)"),
    ent(F3, 21, 2, 8, 0, 1500, "Inspección Técnica de Vehículos (ITV)", "",
        "Coste anual de la Inspección Técnica de Vehículos (euros)"),
    ent(F3, 22, 2, 8, 0, 3000, "Impuesto de Actividades Económicas (IAE) repercutible a este vehículo", "",
        "Coste anual del Impuesto de Actividades Económicas repercutible a este vehículo (euros)"),
    ent(F3, 23, 2, 8, 0, 3000, "Impuesto de Vehículos de Tracción Mecánica (IVTM)", "",
        "Coste anual del Impuesto de Vehículos de Tracción Mecánica (euros)"),
    ent(F3, 24, 2, 8, 0, 1500, "Revisión tacógrafo", "", "Coste anual de la revisión del tacógrafo (euros)"),
    ent(F3, 25, 2, 8, 0, 2000, "Inspecciones ATP (transporte de mercancías perecederas)", "",
        "Coste anual de las inspecciones ATP (euros)"),
    ent(F3, 26, 2, 8, 0, 5000, "Inspecciones ADR (transporte de mercancías peligrosas)", "",
        "Coste anual de las inspecciones ADR (euros)"),
    ent(F3, 27, 2, 9, 0, 10000, "Otros (Licencia Comunitaria, ...)", "",
        "Coste anual de otros costes fiscales (euros)"),
    tot(F3, 28, 2, 9, 0, 30000, "Coste total anual", "", "Costes fiscales anuales (euros)"),
    ent(F3, 29, 2, 9, 0, 3000, "Asistencia en viaje", "", "Coste anual del seguro de asistencia en viaje (euros)"),
    ent(F3, 30, 2, 9, 0, 1500, "Rotura de lunas", "", "Coste anual del seguro de rotura de lunas (euros)"),
    ent(F3, 31, 2, 9, 0, 1500, "Defensa jurídica", "", "Coste anual del seguro de defensa jurídica (euros)"),
}};

constexpr const char* kEurLitro = "Euros / litro";
constexpr const char* kPrecioNeum = "Precio sin IVA de un neumático (Euros / unidad)";
constexpr const char* kDuracion = "Duración media (km)";

constexpr std::array<Campo, 42> kV = {{
    ent(V, 1, 4, 6, 0.1, 5, "Precio del carburante con IVA", "Repostaje en España (Euros / litro)",
        "Precio con IVA, antes de restar el descuento, al que se compra en España el carburante del vehículo de tracción (euros / litro)"),
    derLim(V, 2, 1, 5, 0, 60, "Descuento", kPct),
    ent(V, 3, 4, 6, 0, 5, "Descuento", "Repostaje en España (Euros / litro)",
        "Descuento conseguido en España en el precio del carburante del vehículo de tracción (euros / litro)"),
    ent(V, 4, 1, 4, 0, 40, "IVA aplicado al carburante", kPct,
        "IVA aplicado en España al carburante del vehículo de tracción (%)"),
    der(V, 5, 4, 6, "IVA aplicado al carburante", kEurLitro),
    der(V, 6, 7, 9, "Precio de adquisición sin IVA", "Repostaje en España (Euros / litro)"),
    ent(V, 7, 1, 4, 3, 99.9, "Consumo medio del vehículo de tracción", "litros / 100 km",
        "Consumo medio de carburante del vehículo de tracción (litros / 100 km)"),
    ent(V, 8, 4, 6, 0, 5, "Precio del carburante con IVA", kEurLitro,
        "Precio con IVA, antes de restar el descuento, al que se compra el carburante de los equipos (euros / litro)"),
    derLim(V, 9, 1, 5, 0, 60, "Descuento", kPct),
    ent(V, 10, 4, 6, 0, 5, "Descuento", kEurLitro,
        "Descuento conseguido en el precio del carburante de los equipos (euros / litro)"),
    ent(V, 11, 1, 4, 0, 40, "IVA aplicado al carburante", kPct, "IVA aplicado al carburante de los equipos (%)"),
    der(V, 12, 4, 6, "IVA aplicado al carburante", kEurLitro),
    der(V, 13, 7, 9, "Precio de adquisición sin IVA", kEurLitro),
    ent(V, 14, 1, 4, 0.1, 30, "Consumo medio de los equipos", "litros / hora",
        "Consumo medio de carburante de los equipos (litros / hora)"),
    ent(V, 15, 0, 5, 100, 6000, "Consumo medio de los equipos", "nº de horas anuales",
        "Horas anuales de funcionamiento de los equipos con el consumo anterior"),
    ent(V, 16, 0, 1, 0, 6, "Direccionales", "Nº",
        "Número de neumáticos de los ejes direccionales del vehículo de tracción"),
    ent(V, 17, 2, 8, 30, 5000, "Direccionales", kPrecioNeum,
        "Precio sin IVA de sustitución de un neumático direccional del vehículo de tracción (euros)"),
    ent(V, 18, 0, 7, 10000, 400000, "Direccionales", kDuracion,
        "Duración media de los neumáticos direccionales del vehículo de tracción (kilómetros)"),
    ent(V, 19, 0, 2, 0, 14, "Motrices", "Nº", "Número de neumáticos de los ejes tractores del vehículo de tracción"),
    ent(V, 20, 2, 8, 30, 5000, "Motrices", kPrecioNeum,
        "Precio sin IVA de sustitución de un neumático motriz del vehículo de tracción (euros)"),
    ent(V, 21, 0, 7, 10000, 400000, "Motrices", kDuracion,
        "Duración media de los neumáticos motrices del vehículo de tracción (kilómetros)"),
    ent(V, 22, 0, 2, 0, 14, "Arrastre", "Nº",
        "Número de neumáticos de los ejes no direccionales y no tractores del vehículo de tracción"),
    ent(V, 23, 2, 8, 30, 5000, "Arrastre", kPrecioNeum,
        "Precio sin IVA de sustitución de un neumático de arrastre del vehículo de tracción (euros)"),
    ent(V, 24, 0, 7, 10000, 400000, "Arrastre", kDuracion,
        "Duración media de los neumáticos de arrastre del vehículo de tracción (kilómetros)"),
    ent(V, 25, 0, 2, 0, 50, "Semirremolque o remolque", "Nº", "Número de neumáticos del semirremolque o del remolque"),
    ent(V, 26, 2, 8, 30, 5000, "Semirremolque o remolque", kPrecioNeum,
        "Precio sin IVA de sustitución de un neumático del semirremolque o del remolque (euros)"),
    ent(V, 27, 0, 7, 10000, 400000, "Semirremolque o remolque", kDuracion,
        "Duración media de los neumáticos del semirremolque o del remolque (kilómetros)"),
    ent(V, 28, 6, 8, 0, 1, "Mantenimiento", "Coste kilométrico sin IVA (Euros / km)",
        "Coste kilométrico sin IVA del mantenimiento (euros / kilómetro)"),
    der(V, 29, 2, 9, "Mantenimiento", "Coste anual sin IVA (Euros)"),
    ent(V, 30, 6, 8, 0, 1, "Reparaciones", "Coste kilométrico sin IVA (Euros / km)",
        "Coste kilométrico sin IVA de las reparaciones (euros / kilómetro)"),
    der(V, 31, 2, 9, "Reparaciones", "Coste anual sin IVA (Euros)"),
    ent(V, 32, 2, 9, 0, 50000, "Coste anual sin IVA en peajes (Euros)", "",
        "Coste anual sin IVA de los peajes (euros)"),
    ent(V, 33, 1, 5, 0, 100, "Distribución del repostaje", "Repostaje en España (Euros / litro)",
        "Porcentaje de carburante repostado en España (%)"),
    der(V, 34, 1, 5, "Distribución del repostaje", "Repostaje en el extranjero (Euros / litro)"),
    ent(V, 35, 4, 6, 0.1, 5, "Precio del carburante con IVA", "Repostaje en el extranjero (Euros / litro)",
        "Precio con IVA, antes de restar el descuento, al que se compra en el extranjero el carburante del vehículo de tracción (euros / litro)"),
    derLim(V, 36, 1, 5, 0, 60, "Descuento", kPct),
    ent(V, 37, 4, 6, 0, 5, "Descuento", "Repostaje en el extranjero (Euros / litro)",
        "Descuento conseguido en el extranjero en el precio del carburante del vehículo de tracción (euros / litro)"),
    ent(V, 38, 1, 4, 0, 40, "IVA aplicado al carburante", kPct,
        "IVA aplicado en el extranjero al carburante del vehículo de tracción (%)"),
    der(V, 39, 4, 6, "IVA aplicado al carburante", kEurLitro),
    der(V, 40, 7, 9, "Precio de adquisición sin IVA", "Repostaje en el extranjero (Euros / litro)"),
    ent(V, 41, 4, 6, 0, 0.6,
        "Devolución por gasóleo profesional en el carburante adquirido en España (MMA>=7,5t y 50.000 litros máximos)",
        kEurLitro,
        "Devolución por gasóleo profesional en el carburante del vehículo de tracción adquirido en España (euros / litro)"),
    ent(V, 42, 2, 9, 0, 15000, "Coste anual sin IVA en disolución de urea (Euros)", "",
        "Coste anual sin IVA en disolución de urea (euros)"),
}};

constexpr std::array<Campo, 5> kI = {{
    opc(I, 1, "Costes Indirectos", "Elegir la forma de introducir los costes indirectos"),
    ent(I, 2, 2, 9, 0, 30000,
        "Coste anual de estructura de empresa (gestión, administración, ...) repercutible a este vehículo", kEur,
        "Coste anual de estructura de la empresa a repercutir sobre este vehículo (euros)"),
    ent(I, 3, 2, 9, 0, 30000, "Coste anual de comercialización repercutible a este vehículo", kEur,
        "Coste anual de comercialización a repercutir sobre este vehículo (euros)"),
    ent(I, 4, 2, 9, 0, 30000, "Otros costes indirectos anuales repercutibles a este vehículo", kEur,
        "Otros costes indirectos anuales de la empresa a repercutir sobre este vehículo (euros)"),
    tot(I, 5, 2, 9, 0, 90000, "Costes Indirectos anuales repercutibles a este vehículo", kEur,
        "Costes indirectos anuales a repercutir sobre este vehículo (euros)"),
}};

constexpr std::array<Campo, 54> kR = {{
    res(1, 2, "Amortización del vehículo"),
    res(2, 2, "Financiación del vehículo"),
    res(3, 2, "Personal de conducción"),
    res(4, 2, "Seguros del vehículo"),
    res(5, 2, "Costes Fiscales"),
    res(6, 2, "Dietas del conductor"),
    res(7, 2, "Combustible"),
    res(8, 2, "Neumáticos"),
    res(9, 2, "Mantenimiento"),
    res(10, 2, "Reparaciones"),
    res(11, 2, "Peajes"),
    res(12, 2, "Costes de estructura"),
    res(13, 2, "Costes de comercialización"),
    res(14, 2, "Otros costes indirectos"),
    res(15, 2, "Costes Temporales"),
    res(16, 2, "Costes Kilométricos"),
    res(17, 2, "Costes Directos"),
    res(18, 2, "Costes Indirectos"),
    res(19, 2, "Costes Totales"),
    res(20, 2, "Consumo de disolución de urea"),
    res(21, 1, "Amortización del vehículo", kPct),
    res(22, 1, "Financiación del vehículo", kPct),
    res(23, 1, "Personal de conducción", kPct),
    res(24, 1, "Seguros del vehículo", kPct),
    res(25, 1, "Costes Fiscales", kPct),
    res(26, 1, "Dietas del conductor", kPct),
    res(27, 1, "Combustible", kPct),
    res(28, 1, "Neumáticos", kPct),
    res(29, 1, "Mantenimiento", kPct),
    res(30, 1, "Reparaciones", kPct),
    res(31, 1, "Peajes", kPct),
    res(32, 1, "Costes de estructura", kPct),
    res(33, 1, "Costes de comercialización", kPct),
    res(34, 1, "Otros costes indirectos", kPct),
    res(35, 1, "Costes Temporales", kPct),
    res(36, 1, "Costes Kilométricos", kPct),
    res(37, 1, "Costes Directos", kPct),
    res(38, 1, "Costes Indirectos", kPct),
    res(39, 1, "Costes Totales", kPct),
    res(40, 1, "Consumo de disolución de urea", kPct),
    res(41, 0, "Kilometraje anual"),
    res(42, 0, "Kilometraje anual en carga"),
    res(43, 4, "C1 = ", "€/km recorrido"),
    res(44, 4, "C1 = ", "€/km en carga"),
    res(45, 0, "Horas anuales"),
    res(46, 0, "Horas anuales en carga"),
    res(47, 2, "C2 = ", "€/hora"),
    res(48, 2, "C2 = ", "€/hora en carga"),
    res(49, 4, "C3 = ", "€/km recorrido"),
    res(50, 4, "C3 = ", "€/km en carga"),
    res(51, 2, "C4 = ", "€/hora"),
    res(52, 2, "C4 = ", "€/hora en carga"),
    res(53, 0, "Toneladas-Kilómetro anuales"),
    res(54, 5, "C5 = ", "€/t-km"),
}};

constexpr const char* kCosteSrv = "Costes repercutidos únicamente a este servicio (Euros)";
constexpr const char* kKmSrv = "Kilómetros en carga en este servicio";
constexpr const char* kHorasSrv = "Horas en carga en este servicio";

// One column of the service sheet: the six fields of service k.
#define SERVICIO(k)                                                                                                    \
    ent(S, 6 * k - 4, 2, 9, 0, 50000, kCosteSrv, "Servicio " #k,                                                       \
        "Costes repercutidos únicamente a este servicio (euros)"),                                                     \
        ent(S, 6 * k - 3, 1, 9, 0, 400000, kKmSrv, "Servicio " #k, "Kilómetros facturados a este servicio"),           \
        ent(S, 6 * k - 2, 2, 8, 0, 6000, kHorasSrv, "Servicio " #k, "Horas facturadas a este servicio"),               \
        der(S, 6 * k - 1, 2, 10, "Kilómetros", "Servicio " #k), der(S, 6 * k, 2, 10, "Horas", "Servicio " #k),         \
        der(S, 6 * k + 1, 2, 10, "Kilómetros y horas", "Servicio " #k)

constexpr std::array<Campo, 31> kS = {{
    der(S, 1, 5, 12, "Coste unitario por tonelada-kilómetro", "€/tonelada-km"),
    SERVICIO(1),
    SERVICIO(2),
    SERVICIO(3),
    SERVICIO(4),
    SERVICIO(5),
}};
#undef SERVICIO

// Each table holds its sheet's fields, every index once and in order.
template <std::size_t N>
constexpr bool EnOrden(const std::array<Campo, N>& tabla, Hoja h)
{
    for (std::size_t k = 0; k < N; ++k)
        if (tabla[k].hoja != h || tabla[k].indice != static_cast<int>(k) + 1)
            return false;
    return static_cast<int>(N) == NumeroDeCampos(h);
}
static_assert(EnOrden(kC, C) && EnOrden(kF1, F1) && EnOrden(kF2, F2) && EnOrden(kF3, F3));
static_assert(EnOrden(kV, V) && EnOrden(kI, I) && EnOrden(kR, Hoja::R) && EnOrden(kS, S));

// All sheets in one contiguous table, built once.
const std::vector<Campo>& Tabla()
{
    static const std::vector<Campo> tabla = [] {
        std::vector<Campo> t;
        auto add = [&t](const auto& a) { t.insert(t.end(), a.begin(), a.end()); };
        add(kC);
        add(kF1);
        add(kF2);
        add(kF3);
        add(kV);
        add(kI);
        add(kR);
        add(kS);
        return t;
    }();
    return tabla;
}

std::array<int, kNumeroDeHojas> Inicios()
{
    std::array<int, kNumeroDeHojas> ini{};
    int n = 0;
    for (Hoja h : TodasLasHojas) {
        ini[Indice(h)] = n;
        n += NumeroDeCampos(h);
    }
    return ini;
}

} // namespace

std::span<const Campo> Catalogo() { return Tabla(); }

std::span<const Campo> CamposDe(Hoja h)
{
    static const std::array<int, kNumeroDeHojas> inicios = Inicios();
    return std::span<const Campo>(Tabla()).subspan(inicios[Indice(h)], NumeroDeCampos(h));
}

const Campo& CampoDe(Hoja h, int indice)
{
    if (indice < 1 || indice > NumeroDeCampos(h))
        throw std::out_of_range("campo fuera de la hoja");
    return CamposDe(h)[indice - 1];
}

std::vector<std::int16_t> ListaCamposEntrada(Hoja h)
{
    std::vector<std::int16_t> lista;
    for (const Campo& c : CamposDe(h))
        if (c.esEntrada())
            lista.push_back(static_cast<std::int16_t>(c.indice));
    return lista;
}

QString RotuloDeResultado(CampoDeHoja r)
{
    const Campo& c = CampoDe(r);
    QString t = QString::fromUtf8(c.etiqueta).trimmed();
    if (t.endsWith(u'='))
        t.chop(1);
    t = t.trimmed();
    if (*c.unidad)
        t += QStringLiteral(" (%1)").arg(QString::fromUtf8(c.unidad));
    return t;
}

bool EsCampoTexto(Hoja h, int indice) { return CampoDe(h, indice).tipo == TipoCampo::Texto; }
bool EsCampoOpcion(Hoja h, int indice) { return CampoDe(h, indice).tipo == TipoCampo::Opcion; }

} // namespace tarvia

// The catalogue: every sheet's fields in order, a new calculation, the names
// the formulas use. Which fields a file holds, and in what order, the fixed
// outputs of tarvia-calc pin: they show every value of real files by field.
#include "core/calculo.h"
#include "core/campos.h"
#include "core/catalogo.h"
#include "core/grupos.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <span>

using namespace tarvia;

TEST(Catalogo, CadaHojaTieneSusCamposEnOrden)
{
    for (Hoja h : TodasLasHojas) {
        const auto campos = CamposDe(h);
        ASSERT_EQ(static_cast<int>(campos.size()), NumeroDeCampos(h)) << Codigo(h);
        for (size_t i = 0; i < campos.size(); ++i) {
            EXPECT_EQ(campos[i].hoja, h);
            EXPECT_EQ(campos[i].indice, static_cast<int>(i) + 1) << Codigo(h);
        }
    }
}

// A new calculation holds every field's lower limit (every option group on
// its first button, purchase and broken down) in both columns, and nothing
// where there is none.
TEST(Catalogo, UnCalculoNuevoEmpiezaEnLosMinimos)
{
    Calculo c;
    InicializarCalculo(c);
    for (const Campo& campo : Catalogo())
        for (const ValoresColumna* col : {&c.Personal, &c.Referencia}) {
            EXPECT_EQ((*col)[campo.hoja](campo.indice), c.Minimos[campo.hoja](campo.indice))
                << Codigo(campo.hoja) << campo.indice;
        }
    EXPECT_EQ(c.Personal.F1(1), Valor(true));
    EXPECT_EQ(TotalCamposEntrada(c), 127); // the lines of each column in a file
    EXPECT_FALSE(c.Personal.Fecha.isValid());
    EXPECT_FALSE(HayCambios(c));
}

TEST(Catalogo, CadaEntradaNumericaTieneAyudaYLongitud)
{
    for (const Campo& c : Catalogo()) {
        if (!c.esEntrada() || c.tipo == TipoCampo::Opcion)
            continue;
        SCOPED_TRACE(std::string(Codigo(c.hoja)) + "(" + std::to_string(c.indice) + ")");
        EXPECT_GT(c.maxLength, 0);
        EXPECT_STRNE(c.ayuda, "");
    }
}

// Every field the code reads by name is the field the catalogue captions so
// (as tarvia-calc --campos writes it: the caption, then the unit in brackets).
struct RotuloDeNombre {
    CampoDeHoja campo;
    const char* rotulo; // the start of the caption
};
namespace nombres {
using namespace campos;
const RotuloDeNombre kNombres[] = {
    {C::Descripcion, "Descripción"},
    {C::Potencia, "Potencia [CV]"},
    {C::MasaMaximaAutorizada, "Masa Máxima Autorizada (kg)"},
    {C::CargaUtil, "Carga útil (kg)"},
    {C::NumeroDeEjes, "Número de ejes"},
    {C::DescripcionExplotacion, "Descripción"},
    {C::KilometrosAnuales, "Kilómetros recorridos anualmente [kilómetros]"},
    {C::PorcentajeEnCarga, "Kilómetros recorridos anualmente en carga [%]"},
    {C::KilometrosEnCarga, "Kilómetros recorridos anualmente en carga [kilómetros]"},
    {C::PorcentajeEnVacio, "Kilómetros recorridos anualmente en vacío [%]"},
    {C::KilometrosEnVacio, "Kilómetros recorridos anualmente en vacío [kilómetros]"},
    {C::HorasAnuales, "Horas trabajadas al año [Horas]"},
    {C::PorcentajeHorasEnCarga, "Horas trabajadas al año en carga [%]"},
    {C::HorasEnCarga, "Horas trabajadas al año en carga [Horas]"},
    {C::PorcentajeHorasEnVacio, "Horas trabajadas al año en vacío [%]"},
    {C::HorasEnVacio, "Horas trabajadas al año en vacío [Horas]"},
    {C::DiasAnuales, "Días trabajados al año"},
    {C::HorasPorJornada, "Horas trabajadas por jornada"},
    {C::CargaMedia, "Carga media en los kilómetros recorridos en carga [Toneladas"},
    {C::ToneladasKilometro, "Producción anual [Toneladas-kilómetro]"},
    {C::PotenciaKW, "Potencia [kW]"},
    {F1::Compra, "Forma de adquisición"},
    {F1::PrecioTarifa, "Precio de tarifa sin IVA (Euros)"},
    {F1::Descuento, "Descuento sobre tarifa (%)"},
    {F1::PrecioAdquisicion, "Precio de adquisición sin IVA (Euros)"},
    {F1::VidaUtil, "Vida útil (años)"},
    {F1::PorcentajeResidual, "Valor residual sobre precio de tarifa (%)"},
    {F1::ValorResidual, "Valor residual sin IVA (Euros)"},
    {F1::PorcentajeFinanciado, "Capital a financiar [% sobre el precio de adquisición]"},
    {F1::CapitalFinanciado, "Capital a financiar [Euros]"},
    {F1::PeriodoFinanciacion, "Periodo de financiación (años)"},
    {F1::Interes, "Interés anual de la financiación (%)"},
    {F1::CosteAnual, "Coste anual sin IVA (Euros)"},
    {F1::CarrozadoPrecioTarifa, "Precio de tarifa sin IVA (Euros)"},
    {F1::CarrozadoDescuento, "Descuento sobre tarifa (%)"},
    {F1::CarrozadoPrecio, "Precio del carrozado sin IVA (Euros)"},
    {F1::CarrozadoVidaUtil, "Vida útil (años)"},
    {F1::CarrozadoPorcentajeResidual, "Valor residual sobre precio de tarifa (%)"},
    {F1::CarrozadoValorResidual, "Valor residual sin IVA (Euros)"},
    {F1::CarrozadoPorcentajeFinanciado, "Capital a financiar [% sobre el precio del carrozado]"},
    {F1::CarrozadoCapitalFinanciado, "Capital a financiar [Euros]"},
    {F1::CarrozadoPeriodoFinanciacion, "Periodo de financiación (años)"},
    {F1::CarrozadoInteres, "Interés anual de la financiación (%)"},
    {F1::PorcentajeNeumaticos, "Valor sin IVA de los neumáticos en el momento de la compra d"},
    {F1::PrecioSinNeumaticos, "Precio de adquisición sin neumáticos y sin IVA (Euros)"},
    {F2::Compra, "Forma de adquisición"},
    {F2::PrecioTarifa, "Precio de tarifa sin IVA (Euros)"},
    {F2::Descuento, "Descuento sobre tarifa (%)"},
    {F2::PrecioAdquisicion, "Precio de adquisición sin IVA (Euros)"},
    {F2::VidaUtil, "Vida útil (años)"},
    {F2::PorcentajeResidual, "Valor residual sobre precio de tarifa (%)"},
    {F2::ValorResidual, "Valor residual sin IVA (Euros)"},
    {F2::PorcentajeFinanciado, "Capital a financiar [% sobre el precio de adquisición]"},
    {F2::CapitalFinanciado, "Capital a financiar [Euros]"},
    {F2::PeriodoFinanciacion, "Periodo de financiación (años)"},
    {F2::Interes, "Interés anual de la financiación (%)"},
    {F2::CosteAnual, "Coste anual sin IVA (Euros)"},
    {F2::EquiposCompra, "Forma de adquisición"},
    {F2::EquiposPrecioTarifa, "Precio de tarifa sin IVA (Euros)"},
    {F2::EquiposDescuento, "Descuento sobre tarifa (%)"},
    {F2::EquiposPrecioAdquisicion, "Precio de adquisición sin IVA (Euros)"},
    {F2::EquiposVidaUtil, "Vida útil (años)"},
    {F2::EquiposPorcentajeResidual, "Valor residual sobre precio de tarifa (%)"},
    {F2::EquiposValorResidual, "Valor residual sin IVA (Euros)"},
    {F2::EquiposPorcentajeFinanciado, "Capital a financiar [% sobre el precio de adquisición]"},
    {F2::EquiposCapitalFinanciado, "Capital a financiar [Euros]"},
    {F2::EquiposPeriodoFinanciacion, "Periodo de financiación (años)"},
    {F2::EquiposInteres, "Interés anual de la financiación (%)"},
    {F2::EquiposCosteAnual, "Coste anual sin IVA (Euros)"},
    {F2::PorcentajeNeumaticos, "Valor de los neumáticos en el momento de la adquisición del "},
    {F2::PrecioSinNeumaticos, "Precio de adquisición sin neumáticos y sin IVA (Euros)"},
    {F3::CosteConductor, "Coste total anual del conductor, incluidos costes de empresa"},
    {F3::DietasDesglosadas, "Dietas y plus de actividad"},
    {F3::DietaDiaria, "Dieta total diaria del conductor (Euros / día)"},
    {F3::DiasConDieta, "Número de días con dieta al año"},
    {F3::DietaAnual, "Dieta total anual (Euros)"},
    {F3::PlusPorKilometro, "Plus de actividad anual del conductor [Euros / km]"},
    {F3::PlusAnual, "Plus de actividad anual del conductor [Euros]"},
    {F3::Dietas, "Dietas y plus de actividad anuales del conductor (Euros)"},
    {F3::SegurosDesglosados, "Seguros"},
    {F3::SeguroRcTractor, "Responsabilidad civil del vehículo de tracción"},
    {F3::SeguroRcSemirremolque, "Responsabilidad civil del semirremolque o del remolque"},
    {F3::SeguroRcMercancia, "Responsabilidad civil de la mercancía"},
    {F3::SeguroAccidente, "Accidente del conductor"},
    {F3::SeguroRetiradaCarne, "Retirada del carné de conducir"},
    {F3::SeguroMercancia, "Seguro de la mercancía"},
    {F3::SeguroDanosPropios, "Daños propios"},
    {F3::SeguroOtros, "Otros"},
    {F3::Seguros, "Coste total anual"},
    {F3::FiscalesDesglosados, "Costes Fiscales"},
    {F3::Visados, "Visados"},
    {F3::Itv, "Inspección Técnica de Vehículos (ITV)"},
    {F3::Iae, "Impuesto de Actividades Económicas (IAE) repercutible a este"},
    {F3::Ivtm, "Impuesto de Vehículos de Tracción Mecánica (IVTM)"},
    {F3::Tacografo, "Revisión tacógrafo"},
    {F3::InspeccionesAtp, "Inspecciones ATP (transporte de mercancías perecederas)"},
    {F3::InspeccionesAdr, "Inspecciones ADR (transporte de mercancías peligrosas)"},
    {F3::FiscalesOtros, "Otros (Licencia Comunitaria, ...)"},
    {F3::Fiscales, "Coste total anual"},
    {F3::SeguroAsistencia, "Asistencia en viaje"},
    {F3::SeguroLunas, "Rotura de lunas"},
    {F3::SeguroDefensaJuridica, "Defensa jurídica"},
    {V::PrecioGasoleoEspanaConIva, "Precio del carburante con IVA [Repostaje en España (Euros / "},
    {V::PorcentajeDescuentoEspana, "Descuento [%]"},
    {V::DescuentoEspana, "Descuento [Repostaje en España (Euros / litro)]"},
    {V::IvaEspana, "IVA aplicado al carburante [%]"},
    {V::IvaPorLitroEspana, "IVA aplicado al carburante [Euros / litro]"},
    {V::PrecioGasoleoEspana, "Precio de adquisición sin IVA [Repostaje en España (Euros / "},
    {V::Consumo, "Consumo medio del vehículo de tracción [litros / 100 km]"},
    {V::PrecioEquiposConIva, "Precio del carburante con IVA [Euros / litro]"},
    {V::PorcentajeDescuentoEquipos, "Descuento [%]"},
    {V::DescuentoEquipos, "Descuento [Euros / litro]"},
    {V::IvaEquipos, "IVA aplicado al carburante [%]"},
    {V::IvaPorLitroEquipos, "IVA aplicado al carburante [Euros / litro]"},
    {V::PrecioEquipos, "Precio de adquisición sin IVA [Euros / litro]"},
    {V::ConsumoEquipos, "Consumo medio de los equipos [litros / hora]"},
    {V::HorasEquipos, "Consumo medio de los equipos [nº de horas anuales]"},
    {V::NumeroDireccionales, "Direccionales [Nº]"},
    {V::PrecioDireccionales, "Direccionales [Precio sin IVA de un neumático (Euros / unida"},
    {V::DuracionDireccionales, "Direccionales [Duración media (km)]"},
    {V::NumeroMotrices, "Motrices [Nº]"},
    {V::PrecioMotrices, "Motrices [Precio sin IVA de un neumático (Euros / unidad)]"},
    {V::DuracionMotrices, "Motrices [Duración media (km)]"},
    {V::NumeroArrastre, "Arrastre [Nº]"},
    {V::PrecioArrastre, "Arrastre [Precio sin IVA de un neumático (Euros / unidad)]"},
    {V::DuracionArrastre, "Arrastre [Duración media (km)]"},
    {V::NumeroSemirremolque, "Semirremolque o remolque [Nº]"},
    {V::PrecioSemirremolque, "Semirremolque o remolque [Precio sin IVA de un neumático (Eu"},
    {V::DuracionSemirremolque, "Semirremolque o remolque [Duración media (km)]"},
    {V::MantenimientoPorKilometro, "Mantenimiento [Coste kilométrico sin IVA (Euros / km)]"},
    {V::Mantenimiento, "Mantenimiento [Coste anual sin IVA (Euros)]"},
    {V::ReparacionesPorKilometro, "Reparaciones [Coste kilométrico sin IVA (Euros / km)]"},
    {V::Reparaciones, "Reparaciones [Coste anual sin IVA (Euros)]"},
    {V::Peajes, "Coste anual sin IVA en peajes (Euros)"},
    {V::PorcentajeEspana, "Distribución del repostaje [Repostaje en España (Euros / lit"},
    {V::PorcentajeExtranjero, "Distribución del repostaje [Repostaje en el extranjero (Euro"},
    {V::PrecioGasoleoExtranjeroConIva, "Precio del carburante con IVA [Repostaje en el extranjero (E"},
    {V::PorcentajeDescuentoExtranjero, "Descuento [%]"},
    {V::DescuentoExtranjero, "Descuento [Repostaje en el extranjero (Euros / litro)]"},
    {V::IvaExtranjero, "IVA aplicado al carburante [%]"},
    {V::IvaPorLitroExtranjero, "IVA aplicado al carburante [Euros / litro]"},
    {V::PrecioGasoleoExtranjero, "Precio de adquisición sin IVA [Repostaje en el extranjero (E"},
    {V::DevolucionProfesional, "Devolución por gasóleo profesional en el carburante adquirid"},
    {V::Urea, "Coste anual sin IVA en disolución de urea (Euros)"},
    {I::Desglosados, "Costes Indirectos"},
    {I::Estructura, "Coste anual de estructura de empresa (gestión, administració"},
    {I::Comercializacion, "Coste anual de comercialización repercutible a este vehículo"},
    {I::Otros, "Otros costes indirectos anuales repercutibles a este vehícul"},
    {I::Total, "Costes Indirectos anuales repercutibles a este vehículo [Eur"},
    {R::Amortizacion, "Amortización del vehículo"},
    {R::Financiacion, "Financiación del vehículo"},
    {R::Personal, "Personal de conducción"},
    {R::Seguros, "Seguros del vehículo"},
    {R::Fiscales, "Costes Fiscales"},
    {R::Dietas, "Dietas del conductor"},
    {R::Combustible, "Combustible"},
    {R::Neumaticos, "Neumáticos"},
    {R::Mantenimiento, "Mantenimiento"},
    {R::Reparaciones, "Reparaciones"},
    {R::Peajes, "Peajes"},
    {R::Estructura, "Costes de estructura"},
    {R::Comercializacion, "Costes de comercialización"},
    {R::OtrosIndirectos, "Otros costes indirectos"},
    {R::Temporales, "Costes Temporales"},
    {R::Kilometricos, "Costes Kilométricos"},
    {R::Directos, "Costes Directos"},
    {R::Indirectos, "Costes Indirectos"},
    {R::Totales, "Costes Totales"},
    {R::Urea, "Consumo de disolución de urea"},
    {R::Kilometros, "Kilometraje anual"},
    {R::KilometrosEnCarga, "Kilometraje anual en carga"},
    {R::C1, "C1 =  [€/km recorrido]"},
    {R::C1EnCarga, "C1 =  [€/km en carga]"},
    {R::Horas, "Horas anuales"},
    {R::HorasEnCarga, "Horas anuales en carga"},
    {R::C2, "C2 =  [€/hora]"},
    {R::C2EnCarga, "C2 =  [€/hora en carga]"},
    {R::C3, "C3 =  [€/km recorrido]"},
    {R::C3EnCarga, "C3 =  [€/km en carga]"},
    {R::C4, "C4 =  [€/hora]"},
    {R::C4EnCarga, "C4 =  [€/hora en carga]"},
    {R::ToneladasKilometro, "Toneladas-Kilómetro anuales"},
    {R::C5, "C5 =  [€/t-km]"},
    {S::C5, "Coste unitario por tonelada-kilómetro [€/tonelada-km]"},
    {R::CuotaCombustible, "Combustible [%]"},
};
} // namespace nombres
using nombres::kNombres;

TEST(Catalogo, NombresDeLosCamposDeLasFormulas)
{
    using namespace campos;
    std::set<std::pair<int, int>> vistos;
    for (const RotuloDeNombre& nombre : kNombres) {
        const Campo& c = CampoDe(nombre.campo);
        QString rotulo = QString::fromUtf8(c.etiqueta);
        if (*c.unidad)
            rotulo += QStringLiteral(" [%1]").arg(QString::fromUtf8(c.unidad));
        EXPECT_TRUE(rotulo.startsWith(QString::fromUtf8(nombre.rotulo)))
            << Codigo(nombre.campo.hoja) << nombre.campo.i << ": " << rotulo.toStdString();
        if (nombre.campo != R::CuotaCombustible) {
            EXPECT_TRUE(vistos.insert({Indice(nombre.campo.hoja), nombre.campo.i}).second)
                << "dos nombres para " << Codigo(nombre.campo.hoja) << nombre.campo.i;
        }
    }
    // Every name tarvia-calc writes is one of those, under its own sheet.
    for (const NombreDeCampo& n : kNombresDeCampos) {
        EXPECT_TRUE(std::string_view(n.nombre).starts_with(std::string(Codigo(n.campo.hoja)) + "::")) << n.nombre;
        EXPECT_TRUE(vistos.count({Indice(n.campo.hoja), n.campo.i})) << n.nombre;
    }
    EXPECT_EQ(std::size(kNombresDeCampos), vistos.size());
    // Each service's six fields, by its column's caption.
    for (int k = 1; k <= S::kNumeroDeServicios; ++k) {
        const S::Servicio& s = S::kServicios[static_cast<size_t>(k - 1)];
        const std::string columna = "Servicio " + std::to_string(k);
        for (CampoDeHoja f : {s.costes, s.kilometros, s.horas, s.precioKilometros, s.precioHoras, s.precioAmbos})
            EXPECT_EQ(CampoDe(f).unidad, columna) << "S" << f.i;
        EXPECT_STREQ(CampoDe(s.costes).etiqueta, "Costes repercutidos únicamente a este servicio (Euros)");
        EXPECT_STREQ(CampoDe(s.kilometros).etiqueta, "Kilómetros en carga en este servicio");
        EXPECT_STREQ(CampoDe(s.horas).etiqueta, "Horas en carga en este servicio");
        EXPECT_STREQ(CampoDe(s.precioKilometros).etiqueta, "Kilómetros");
        EXPECT_STREQ(CampoDe(s.precioHoras).etiqueta, "Horas");
        EXPECT_STREQ(CampoDe(s.precioAmbos).etiqueta, "Kilómetros y horas");
    }
}

// Every part of a total entered part by part is in its group: each input of
// F3 and I that is not a total, an option or the driver's cost belongs to
// exactly one group, and each group is chosen by an option over a total.
TEST(Catalogo, GruposDesglosablesConTodasSusPartes)
{
    using namespace campos;
    std::map<std::pair<int, int>, int> veces;
    for (const GrupoDesglosable& g : kGruposDesglosables) {
        SCOPED_TRACE(g.nombre);
        EXPECT_EQ(CampoDe(g.opcion).tipo, TipoCampo::Opcion);
        EXPECT_TRUE(CampoDe(g.total).totalDeGrupo);
        for (CampoDeHoja p : g.partes) {
            EXPECT_EQ(p.hoja, g.total.hoja);
            if (CampoDe(p).tipo == TipoCampo::Entrada)
                ++veces[{Indice(p.hoja), p.i}];
        }
    }
    for (Hoja h : {Hoja::F3, Hoja::I})
        for (const Campo& c : CamposDe(h)) {
            if (c.tipo != TipoCampo::Entrada || c.totalDeGrupo || CampoDeHoja{h, c.indice} == F3::CosteConductor)
                continue;
            EXPECT_EQ((veces[{Indice(h), c.indice}]), 1) << Codigo(h) << c.indice << " " << c.etiqueta;
        }
    // The diets' inputs are its input parts, in the order they are recalculated.
    for (CampoDeHoja e : kEntradasDietas)
        EXPECT_EQ(CampoDe(e).tipo, TipoCampo::Entrada);
}

// Each tyre group is one row of sheet V: how many, price and life share its
// caption; every count of tyres on the sheet is in a group.
TEST(Catalogo, GruposDeNeumaticos)
{
    using namespace campos;
    std::vector<GrupoNeumaticos> grupos(kNeumaticosTractor.begin(), kNeumaticosTractor.end());
    grupos.push_back(kNeumaticosSemirremolque);
    int numeros = 0;
    for (const Campo& c : CamposDe(Hoja::V))
        numeros += std::string_view(c.unidad) == "Nº";
    EXPECT_EQ(numeros, static_cast<int>(grupos.size()));
    for (const GrupoNeumaticos& g : grupos) {
        SCOPED_TRACE(g.nombre);
        EXPECT_STREQ(CampoDe(g.numero).unidad, "Nº");
        EXPECT_TRUE(std::string_view(CampoDe(g.precio).unidad).starts_with("Precio sin IVA de un neumático"));
        EXPECT_TRUE(std::string_view(CampoDe(g.duracion).unidad).starts_with("Duración media"));
        EXPECT_STREQ(CampoDe(g.precio).etiqueta, CampoDe(g.numero).etiqueta);
        EXPECT_STREQ(CampoDe(g.duracion).etiqueta, CampoDe(g.numero).etiqueta);
    }
}

// Each fuel's six fields: the price, the discount in % and per litre, the VAT
// in % and per litre, the net price, all of one place of purchase.
TEST(Catalogo, GruposDeCarburante)
{
    using namespace campos;
    for (const GrupoCarburante& g : {kCarburanteEspana, kCarburanteExtranjero, kCarburanteEquipos}) {
        SCOPED_TRACE(g.nombre);
        const auto etiqueta = [](CampoDeHoja c) { return std::string_view(CampoDe(c).etiqueta); };
        const auto unidad = [](CampoDeHoja c) { return std::string_view(CampoDe(c).unidad); };
        EXPECT_EQ(etiqueta(g.precio), "Precio del carburante con IVA");
        EXPECT_EQ(etiqueta(g.porcentajeDescuento), "Descuento");
        EXPECT_EQ(unidad(g.porcentajeDescuento), "%");
        EXPECT_EQ(etiqueta(g.descuento), "Descuento");
        EXPECT_EQ(etiqueta(g.iva), "IVA aplicado al carburante");
        EXPECT_EQ(unidad(g.iva), "%");
        EXPECT_EQ(etiqueta(g.ivaPorLitro), "IVA aplicado al carburante");
        EXPECT_EQ(etiqueta(g.precioSinIva), "Precio de adquisición sin IVA");
        EXPECT_EQ(unidad(g.descuento), unidad(g.precio));
        EXPECT_EQ(unidad(g.precioSinIva), unidad(g.precio));
    }
}

// Each good amortised: its fields on one sheet, each the one its caption says.
TEST(Catalogo, BienesAmortizados)
{
    using namespace campos;
    for (const Bien& b : kBienes) {
        SCOPED_TRACE(b.nombre);
        const auto empieza = [&](CampoDeHoja c, std::string_view rotulo) {
            EXPECT_EQ(c.hoja, b.opcion.hoja);
            EXPECT_TRUE(std::string_view(CampoDe(c).etiqueta).starts_with(rotulo)) << CampoDe(c).etiqueta;
        };
        EXPECT_EQ(CampoDe(b.opcion).tipo, TipoCampo::Opcion);
        if (b.costeAnual)
            empieza(*b.costeAnual, "Coste anual sin IVA");
        empieza(b.tarifa, "Precio de tarifa sin IVA");
        empieza(b.vida, "Vida útil");
        empieza(b.precio, "Precio de");
        empieza(b.residual, "Valor residual sin IVA");
        empieza(b.capital, "Capital a financiar");
        EXPECT_STREQ(CampoDe(b.capital).unidad, "Euros");
        empieza(b.periodo, "Periodo de financiación");
        empieza(b.interes, "Interés anual");
    }
}

// The results in order: every yearly cost once on the sheet; the pie's
// slices are the items that add up to the total, with the indirect costs as one.
TEST(Catalogo, OrdenDeLosResultados)
{
    using namespace campos;
    std::set<int> filas;
    for (CampoDeHoja r : kFilasDeCostes)
        filas.insert(r.i);
    EXPECT_EQ(filas.size(), 20u);
    EXPECT_EQ(*filas.begin(), R::Amortizacion.i);
    EXPECT_EQ(*filas.rbegin(), R::Urea.i);
    std::set<int> porciones = filas;
    for (CampoDeHoja r : kGruposDeCostes)
        if (r != R::Indirectos)
            porciones.erase(r.i);
    for (CampoDeHoja r : kDetalleIndirectos)
        porciones.erase(r.i);
    std::set<int> grafico;
    for (CampoDeHoja r : kPorcionesDelGrafico)
        grafico.insert(r.i);
    EXPECT_EQ(grafico, porciones);
    EXPECT_EQ(grafico.size(), kPorcionesDelGrafico.size());
    for (CampoDeHoja r : kFilasComparacion)
        EXPECT_EQ(CampoDe(r).tipo, TipoCampo::Resultado);
}

#include "presentacion/marcos.h"

#include "core/campos.h"
#include "core/catalogo.h"

namespace tarvia {

using namespace campos;

namespace {

struct Tramo {
    CampoDeHoja desde, hasta; // of one sheet
    Marco marco;
};

// Fields by frame on the two purchase sheets.
constexpr Tramo kTramos[] = {
    {F1::PrecioTarifa, F1::ValorResidual, Marco::F1Amortizacion},
    {F1::PorcentajeNeumaticos, F1::PrecioSinNeumaticos, Marco::F1Amortizacion},
    {F1::PorcentajeFinanciado, F1::Interes, Marco::F1Financiacion},
    {F1::CosteAnual, F1::CosteAnual, Marco::F1CosteAnual},
    {F1::CarrozadoPrecioTarifa, F1::CarrozadoInteres, Marco::F1Carrozado},
    {F2::PrecioTarifa, F2::ValorResidual, Marco::F2SemiAmortizacion},
    {F2::PorcentajeNeumaticos, F2::PrecioSinNeumaticos, Marco::F2SemiAmortizacion},
    {F2::PorcentajeFinanciado, F2::Interes, Marco::F2SemiFinanciacion},
    {F2::CosteAnual, F2::CosteAnual, Marco::F2SemiCosteAnual},
    {F2::EquiposPrecioTarifa, F2::EquiposValorResidual, Marco::F2EquipoAmortizacion},
    {F2::EquiposPorcentajeFinanciado, F2::EquiposInteres, Marco::F2EquipoFinanciacion},
    {F2::EquiposCosteAnual, F2::EquiposCosteAnual, Marco::F2EquipoCosteAnual},
};

} // namespace

std::optional<Marco> MarcoDeCampo(Hoja h, int indice)
{
    for (const Tramo& t : kTramos)
        if (t.desde.hoja == h && indice >= t.desde.i && indice <= t.hasta.i)
            return t.marco;
    return std::nullopt;
}

bool CampoVisible(const Pantalla& pantalla, Hoja h, Columna c, int indice)
{
    if (!pantalla.caja(h, c, indice).visible)
        return false;
    const auto marco = MarcoDeCampo(h, indice);
    if (!marco)
        return true;
    return pantalla.marcoVisible(*marco, c);
}

bool CampoEditable(const Pantalla& pantalla, Hoja h, int indice)
{
    const Campo& campo = CampoDe(h, indice);
    if (!campo.esEntrada() || campo.tipo == TipoCampo::Opcion)
        return false;
    return pantalla.caja(h, Columna::S, indice).habilitado && CampoVisible(pantalla, h, Columna::S, indice);
}

} // namespace tarvia

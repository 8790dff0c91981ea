#include "presentacion/marcos.h"

#include "core/catalogo.h"

namespace tarvia {

namespace {

struct Tramo {
    Hoja hoja;
    int desde, hasta;
    Marco marco;
};

// Fields by frame on the two purchase sheets.
constexpr Tramo kTramos[] = {
    {Hoja::F1, 2, 7, Marco::F1Amortizacion},         {Hoja::F1, 23, 24, Marco::F1Amortizacion},
    {Hoja::F1, 8, 11, Marco::F1Financiacion},        {Hoja::F1, 12, 12, Marco::F1CosteAnual},
    {Hoja::F1, 13, 22, Marco::F1Carrozado},          {Hoja::F2, 2, 7, Marco::F2SemiAmortizacion},
    {Hoja::F2, 25, 26, Marco::F2SemiAmortizacion},   {Hoja::F2, 8, 11, Marco::F2SemiFinanciacion},
    {Hoja::F2, 12, 12, Marco::F2SemiCosteAnual},     {Hoja::F2, 14, 19, Marco::F2EquipoAmortizacion},
    {Hoja::F2, 20, 23, Marco::F2EquipoFinanciacion}, {Hoja::F2, 24, 24, Marco::F2EquipoCosteAnual},
};

} // namespace

std::optional<Marco> MarcoDeCampo(Hoja h, int indice)
{
    for (const Tramo& t : kTramos)
        if (t.hoja == h && indice >= t.desde && indice <= t.hasta)
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

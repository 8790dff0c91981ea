// Sheets F3 and I: group totals kept equal to their parts while a group is
// entered broken down.
#include "engine/recalcular_f3i.h"

#include "core/grupos.h"
#include "engine/indirectos.h"

namespace tarvia {

using namespace campos;

namespace {

bool Desglosado(const Contexto& x, CampoDeHoja opcion) { return x.logico(opcion) == true; }

void Dietas(Contexto& x)
{
    ProductoYSuma(x, F3::DietaDiaria, F3::DiasConDieta, F3::DietaAnual, F3::PlusAnual, F3::Dietas);
}

// The group's total when a part changed while it is entered part by part.
bool SumaDelGrupo(Contexto& x, const GrupoDesglosable& g, CampoDeHoja cambiado)
{
    for (CampoDeHoja parte : g.partes) {
        if (parte != cambiado)
            continue;
        if (Desglosado(x, g.opcion))
            SumaAcumulada(x, g.total, g.partes);
        return true;
    }
    return false;
}

} // namespace

void PlusDeActividad(Contexto& x)
{
    ValorEscalado(x, C::KilometrosAnuales, F3::PlusPorKilometro, F3::PlusAnual);
    x.SinRedondear(F3::Dietas,
                   Con(
                       x, [](double plus, double dieta) { return plus + dieta; }, F3::PlusAnual, F3::DietaAnual));
}

void RecalcularF3(Contexto& x, int k)
{
    switch (k) {
    case F3::DietaDiaria.i:
        if (!Desglosado(x, F3::DietasDesglosadas))
            return;
        HabilitarSiNoCero(x, {F3::DietaDiaria}, {F3::DiasConDieta}, F3::DietaDiaria, F3::DietaAnual);
        Dietas(x);
        return;
    case F3::DiasConDieta.i:
        if (Desglosado(x, F3::DietasDesglosadas))
            Dietas(x);
        return;
    case F3::PlusPorKilometro.i:
        if (Desglosado(x, F3::DietasDesglosadas))
            PlusDeActividad(x);
        return;
    default:
        if (!SumaDelGrupo(x, kSeguros, {Hoja::F3, k}))
            SumaDelGrupo(x, kFiscales, {Hoja::F3, k});
        return;
    }
}

void RecalcularI(Contexto& x, int k)
{
    if (k == I::Total.i) {
        // The comment is always the personal one, whichever column changed.
        Comentario(x.doc, Columna::S);
        return;
    }
    SumaDelGrupo(x, kIndirectos, {Hoja::I, k});
}

} // namespace tarvia

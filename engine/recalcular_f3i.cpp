// Sheets F3 and I: group totals kept equal to their parts while a group is
// entered broken down.
#include "engine/recalcular_f3i.h"

#include "engine/indirectos.h"

namespace tarvia {

namespace {

constexpr Hoja F3 = Hoja::F3;
constexpr Hoja I = Hoja::I;

bool Desglosado(const Contexto& x, Ref opcion) { return x.logico(opcion) == true; }

void Dietas(Contexto& x) { ProductoYSuma(x, F3, 3, 4, 5, 7, 8); }

} // namespace

void PlusDeActividad(Contexto& x)
{
    ValorEscalado(x, {Hoja::C, 7}, {F3, 6}, {F3, 7});
    x.SinRedondear({F3, 8}, Con(
                                x, [](double v7, double v5) { return v7 + v5; }, Ref{F3, 7}, Ref{F3, 5}));
}

void RecalcularF3(Contexto& x, int k)
{
    switch (k) {
    case 3:
        if (!Desglosado(x, {F3, 2}))
            return;
        HabilitarSiNoCero(x, {{F3, 3}}, {{F3, 4}}, {F3, 3}, {F3, 5});
        Dietas(x);
        return;
    case 4:
        if (Desglosado(x, {F3, 2}))
            Dietas(x);
        return;
    case 6:
        if (Desglosado(x, {F3, 2}))
            PlusDeActividad(x);
        return;
    case 10:
    case 11:
    case 12:
    case 13:
    case 14:
    case 15:
    case 16:
    case 17:
    case 29:
    case 30:
    case 31:
        if (Desglosado(x, {F3, 9}))
            SumaAcumulada(x, F3, 18, {10, 11, 12, 13, 14, 15, 16, 17, 29, 30, 31});
        return;
    case 20:
    case 21:
    case 22:
    case 23:
    case 24:
    case 25:
    case 26:
    case 27:
        if (Desglosado(x, {F3, 19}))
            SumaAcumulada(x, F3, 28, {20, 21, 22, 23, 24, 25, 26, 27});
        return;
    default: return;
    }
}

void RecalcularI(Contexto& x, int k)
{
    switch (k) {
    case 2:
    case 3:
    case 4:
        if (Desglosado(x, {I, 1}))
            SumaAcumulada(x, I, 5, {2, 3, 4});
        return;
    case 5:
        // The comment is always the personal one, whichever column changed.
        Comentario(x.doc, Columna::S);
        return;
    default: return;
    }
}

} // namespace tarvia

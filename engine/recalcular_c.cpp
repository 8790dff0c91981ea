// Sheet C: kilowatts, loaded and empty kilometres and hours, hours per day,
// tonne-kilometres; the kilometres also drive sheets F3 and V.
#include "engine/recalcular_c.h"
#include "engine/recalcular_f3i.h"

namespace tarvia {

namespace {

constexpr Hoja C = Hoja::C;

void TituloConDescripcion(Contexto& x)
{
    // Always the personal description, whichever column changed.
    const QString descripcion = x.doc.calculo.Personal.C(1).comoTexto();
    for (Hoja h : TodasLasHojas)
        x.doc.vista().titulo(h) = QString::fromUtf8(TituloHoja(h)) + QStringLiteral("     (") + descripcion + u')';
}

// Nothing loaded: the loaded and empty kilometres and the production are 0.
// A change of the load alone leaves the split as it is.
void Kilometros(Contexto& x, bool conReparto)
{
    const auto cero = x.esCero({C, 8});
    if (!cero)
        return;
    if (*cero) {
        Limpiar(x, C, {9, 10, 11, 20});
        return;
    }
    if (conReparto)
        RepartoPorcentual(x, C, 7, 8, 9, 10, 11);
    ProductoPorcentual(x, C, 7, 8, 19, 20);
}

// A change of the hours checks both fields; a change of the loaded share
// only the share itself.
void Horas(Contexto& x, bool miraHoras)
{
    const auto cero12 = miraHoras ? x.esCero({C, 12}) : std::optional<bool>(false);
    const auto cero13 = x.esCero({C, 13});
    if (!cero12 || !cero13)
        return;
    if (*cero12 || *cero13)
        Limpiar(x, C, {14, 15, 16});
    else
        RepartoPorcentual(x, C, 12, 13, 14, 15, 16);
}

void MantenimientoYReparaciones(Contexto& x)
{
    ValorEscalado(x, {C, 7}, {Hoja::V, 28}, {Hoja::V, 29});
    ValorEscalado(x, {C, 7}, {Hoja::V, 30}, {Hoja::V, 31});
}

} // namespace

void RecalcularC(Contexto& x, int k)
{
    switch (k) {
    case 1: TituloConDescripcion(x); break;
    case 2: PotenciaAKW(x, C, 2, 21); break;
    case 7:
        Kilometros(x, true);
        if (x.logico({Hoja::F3, 2}) == true)
            PlusDeActividad(x);
        MantenimientoYReparaciones(x);
        break;
    case 8:
        HabilitarSiNoCero(x, {{C, 8}}, {{C, 19}}, {C, 8}, {C, 9});
        Kilometros(x, true);
        break;
    case 12:
        HabilitarSiNoCero(x, {{C, 12}}, {{C, 13}, {C, 17}}, {C, 8}, {C, 9});
        Horas(x, true);
        CocienteProtegido(x, C, 12, 17, 18);
        break;
    case 13:
        Horas(x, false);
        CocienteProtegido(x, C, 12, 17, 18);
        break;
    case 17: CocienteProtegido(x, C, 12, 17, 18); break;
    case 19: Kilometros(x, false); break;
    default: break;
    }
}

} // namespace tarvia

// Sheet C: kilowatts, loaded and empty kilometres and hours, hours per day,
// tonne-kilometres; the kilometres also drive sheets F3 and V.
#include "engine/recalcular_c.h"
#include "engine/recalcular_f3i.h"

namespace tarvia {

using namespace campos;

namespace {

void TituloConDescripcion(Contexto& x)
{
    // Always the personal description, whichever column changed.
    const QString descripcion = x.doc.calculo.Personal[C::Descripcion].comoTexto();
    for (Hoja h : TodasLasHojas)
        x.doc.vista().titulo(h) = QString::fromUtf8(TituloHoja(h)) + QStringLiteral("     (") + descripcion + u')';
}

// Nothing loaded: the loaded and empty kilometres and the production are 0.
// A change of the load alone leaves the split as it is.
void Kilometros(Contexto& x, bool conReparto)
{
    const auto cero = x.esCero(C::PorcentajeEnCarga);
    if (!cero)
        return;
    if (*cero) {
        Limpiar(x, {C::KilometrosEnCarga, C::PorcentajeEnVacio, C::KilometrosEnVacio, C::ToneladasKilometro});
        return;
    }
    if (conReparto)
        RepartoPorcentual(x, C::KilometrosAnuales, C::PorcentajeEnCarga, C::KilometrosEnCarga, C::PorcentajeEnVacio,
                          C::KilometrosEnVacio);
    ProductoPorcentual(x, C::KilometrosAnuales, C::PorcentajeEnCarga, C::CargaMedia, C::ToneladasKilometro);
}

// A change of the hours checks both fields; a change of the loaded share
// only the share itself.
void Horas(Contexto& x, bool miraHoras)
{
    const auto ceroHoras = miraHoras ? x.esCero(C::HorasAnuales) : std::optional<bool>(false);
    const auto ceroCarga = x.esCero(C::PorcentajeHorasEnCarga);
    if (!ceroHoras || !ceroCarga)
        return;
    if (*ceroHoras || *ceroCarga)
        Limpiar(x, {C::HorasEnCarga, C::PorcentajeHorasEnVacio, C::HorasEnVacio});
    else
        RepartoPorcentual(x, C::HorasAnuales, C::PorcentajeHorasEnCarga, C::HorasEnCarga, C::PorcentajeHorasEnVacio,
                          C::HorasEnVacio);
}

void HorasPorJornada(Contexto& x) { CocienteProtegido(x, C::HorasAnuales, C::DiasAnuales, C::HorasPorJornada); }

void MantenimientoYReparaciones(Contexto& x)
{
    ValorEscalado(x, C::KilometrosAnuales, V::MantenimientoPorKilometro, V::Mantenimiento);
    ValorEscalado(x, C::KilometrosAnuales, V::ReparacionesPorKilometro, V::Reparaciones);
}

} // namespace

void RecalcularC(Contexto& x, int k)
{
    switch (k) {
    case C::Descripcion.i: TituloConDescripcion(x); break;
    case C::Potencia.i: PotenciaAKW(x, C::Potencia, C::PotenciaKW); break;
    case C::KilometrosAnuales.i:
        Kilometros(x, true);
        if (x.logico(F3::DietasDesglosadas) == true)
            PlusDeActividad(x);
        MantenimientoYReparaciones(x);
        break;
    case C::PorcentajeEnCarga.i:
        HabilitarSiNoCero(x, {C::PorcentajeEnCarga}, {C::CargaMedia}, C::PorcentajeEnCarga, C::KilometrosEnCarga);
        Kilometros(x, true);
        break;
    case C::HorasAnuales.i:
        HabilitarSiNoCero(x, {C::HorasAnuales}, {C::PorcentajeHorasEnCarga, C::DiasAnuales}, C::PorcentajeEnCarga,
                          C::KilometrosEnCarga);
        Horas(x, true);
        HorasPorJornada(x);
        break;
    case C::PorcentajeHorasEnCarga.i:
        Horas(x, false);
        HorasPorJornada(x);
        break;
    case C::DiasAnuales.i: HorasPorJornada(x); break;
    case C::CargaMedia.i: Kilometros(x, false); break;
    default: break;
    }
}

} // namespace tarvia

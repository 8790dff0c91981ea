#include "engine/servicio.h"

#include "core/catalogo.h"
#include "core/redondear.h"
#include "engine/mostrar.h"
#include "engine/resultados.h"

#include <cmath>

namespace tarvia {

using namespace campos;

namespace {

// Stores a priced output (0 when the service lacks the quantity) and shows it.
// A price that cannot be computed keeps the previous value.
void Precio(DocumentoMotor& doc, CampoDeHoja salida, bool hay, double importe)
{
    Valor& v = doc.calculo.Personal[salida];
    if (!hay) {
        v = Valor(0.0);
    } else {
        const double x = Redondear(importe, Decimales(salida));
        if (!std::isnan(x))
            v = Valor(x);
    }
    MostrarCampo(doc, salida.hoja, Columna::S, salida.i);
}

// Sets to 0 every leg above the yearly total and shows it.
void Acotar(DocumentoMotor& doc, CampoDeHoja S::Servicio::*tramo, CampoDeHoja total)
{
    ValoresColumna& p = doc.calculo.Personal;
    const auto limite = p[total].comoNumero();
    for (const S::Servicio& servicio : S::kServicios) {
        const CampoDeHoja k = servicio.*tramo;
        const auto v = p[k].comoNumero();
        if (v && limite && *v > *limite)
            p[k] = Valor(0.0);
        MostrarCampo(doc, k.hoja, Columna::S, k.i);
    }
}

} // namespace

void CosteServicio(DocumentoMotor& doc, const S::Servicio& servicio)
{
    const ValoresColumna& p = doc.calculo.Personal;
    const double coste = p[servicio.costes].numeroOCero();
    const double k = p[servicio.kilometros].numeroOCero();
    const double h = p[servicio.horas].numeroOCero();
    auto r = [&p](CampoDeHoja c) { return p[c].numeroOCero(); };

    // Per loaded kilometre and hour: C1 and C2 on their own, C3 and C4 together.
    Precio(doc, servicio.precioKilometros, k > 0, coste + k * r(R::C1EnCarga));
    Precio(doc, servicio.precioHoras, h > 0, coste + h * r(R::C2EnCarga));
    Precio(doc, servicio.precioAmbos, k > 0 && h > 0, coste + k * r(R::C3EnCarga) + h * r(R::C4EnCarga));
}

void RecalcularServicio(DocumentoMotor& doc, int i, Resultados resultados)
{
    // Only a service's cost, kilometres or hours trigger anything.
    for (const S::Servicio& servicio : S::kServicios) {
        if (i != servicio.costes.i && i != servicio.kilometros.i && i != servicio.horas.i)
            continue;
        if (resultados == Resultados::Recalcular)
            Actualizar(doc); // the unit costs must be current
        CosteServicio(doc, servicio);
        return;
    }
}

void Revisar(DocumentoMotor& doc, Resultados resultados)
{
    // Prices from the unit costs as they are now: after a change on another
    // sheet the results sheet may not have been shown (and recomputed) yet.
    if (resultados == Resultados::Recalcular)
        Actualizar(doc);
    ValoresColumna& p = doc.calculo.Personal;
    const double c5 = p[R::C5].numeroOCero();
    if (c5 == 0) {
        p[S::C5] = Valor();
    } else {
        const double x = Redondear(c5, Decimales(S::C5));
        if (!std::isnan(x))
            p[S::C5] = Valor(x);
    }
    MostrarCampo(doc, S::C5.hoja, Columna::S, S::C5.i);

    Acotar(doc, &S::Servicio::kilometros, C::KilometrosEnCarga);
    Acotar(doc, &S::Servicio::horas, C::HorasEnCarga);

    for (const S::Servicio& servicio : S::kServicios)
        CosteServicio(doc, servicio);
}

} // namespace tarvia

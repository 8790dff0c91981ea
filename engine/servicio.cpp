#include "engine/servicio.h"

#include "core/catalogo.h"
#include "core/redondear.h"
#include "engine/mostrar.h"
#include "engine/resultados.h"

#include <array>
#include <cmath>

namespace tarvia {

namespace {

constexpr std::array<int, 5> kCostes = {2, 8, 14, 20, 26};
constexpr std::array<int, 5> kKilometros = {3, 9, 15, 21, 27};
constexpr std::array<int, 5> kHoras = {4, 10, 16, 22, 28};

bool Contiene(const std::array<int, 5>& lista, int i)
{
    for (int x : lista)
        if (x == i)
            return true;
    return false;
}

// Stores a priced output (0 when the service lacks the quantity) and shows it.
// A price that cannot be computed keeps the previous value.
void Precio(DocumentoMotor& doc, int salida, bool hay, double importe)
{
    Arreglo& s = doc.calculo.Personal.S;
    if (!hay) {
        s(salida) = Valor(0.0);
    } else {
        const double x = Redondear(importe, Decimales(Hoja::S, salida));
        if (!std::isnan(x))
            s(salida) = Valor(x);
    }
    MostrarCampo(doc, Hoja::S, Columna::S, salida);
}

// Sets to 0 every leg above the yearly total and shows it.
void Acotar(DocumentoMotor& doc, const std::array<int, 5>& campos, const Valor& total)
{
    Arreglo& s = doc.calculo.Personal.S;
    const auto limite = total.comoNumero();
    for (int k : campos) {
        const auto v = s(k).comoNumero();
        if (v && limite && *v > *limite)
            s(k) = Valor(0.0);
        MostrarCampo(doc, Hoja::S, Columna::S, k);
    }
}

} // namespace

void CosteServicio(DocumentoMotor& doc, int costes, int km, int horas, int salidaKm, int salidaHoras, int salidaAmbos)
{
    const ValoresColumna& p = doc.calculo.Personal;
    const double coste = p.S(costes).numeroOCero();
    const double k = p.S(km).numeroOCero();
    const double h = p.S(horas).numeroOCero();
    auto r = [&p](int i) { return p.R(i).numeroOCero(); };

    Precio(doc, salidaKm, k > 0, coste + k * r(44));
    Precio(doc, salidaHoras, h > 0, coste + h * r(48));
    Precio(doc, salidaAmbos, k > 0 && h > 0, coste + k * r(50) + h * r(52));
}

void RecalcularServicio(DocumentoMotor& doc, int i, Resultados resultados)
{
    int costes;
    if (Contiene(kCostes, i))
        costes = i;
    else if (Contiene(kKilometros, i))
        costes = i - 1;
    else if (Contiene(kHoras, i))
        costes = i - 2;
    else
        return; // no other field of the sheet triggers anything
    if (resultados == Resultados::Recalcular)
        Actualizar(doc); // the unit costs must be current
    CosteServicio(doc, costes, costes + 1, costes + 2, costes + 3, costes + 4, costes + 5);
}

void Revisar(DocumentoMotor& doc, Resultados resultados)
{
    // Prices from the unit costs as they are now: after a change on another
    // sheet the results sheet may not have been shown (and recomputed) yet.
    if (resultados == Resultados::Recalcular)
        Actualizar(doc);
    ValoresColumna& p = doc.calculo.Personal;
    const double c5 = p.R(54).numeroOCero();
    if (c5 == 0) {
        p.S(1) = Valor();
    } else {
        const double x = Redondear(c5, Decimales(Hoja::S, 1));
        if (!std::isnan(x))
            p.S(1) = Valor(x);
    }
    MostrarCampo(doc, Hoja::S, Columna::S, 1);

    Acotar(doc, kKilometros, p.C(9));
    Acotar(doc, kHoras, p.C(14));

    for (int costes : kCostes)
        CosteServicio(doc, costes, costes + 1, costes + 2, costes + 3, costes + 4, costes + 5);
}

} // namespace tarvia

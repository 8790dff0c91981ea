#include "engine/resultados.h"

#include "core/catalogo.h"
#include "core/grupos.h"
#include "core/redondear.h"
#include "engine/mostrar.h"

#include <array>
#include <cmath>

namespace tarvia {

using namespace campos;

namespace {

using H = Hoja;

// Reads one column's figures: what cannot be computed counts as 0.
struct Lector {
    const ValoresColumna& v;
    double operator()(CampoDeHoja c) const { return v[c].numeroOCero(); }
    bool cierto(CampoDeHoja c) const { return v[c].comoLogico().value_or(false); }
};

double Amortizacion(const Lector& n)
{
    double suma = 0;
    for (const Bien& b : kBienes) {
        if (!n.cierto(b.opcion)) {
            if (b.costeAnual)
                suma += n(*b.costeAnual);
            continue;
        }
        if (n(b.tarifa) > 0 && n(b.vida) > 0) {
            const double a = (n(b.precio) - n(b.residual)) / n(b.vida);
            if (a > 0)
                suma += a;
        }
    }
    return Redondear(suma, 2);
}

// Total interest of a constant-instalment loan, spread over the useful life.
double Intereses(double capital, double tipo, double anos, double vida)
{
    const double q = std::pow(1 + tipo, anos);
    const double cuota = capital * tipo * q / (q - 1);
    return (anos * cuota - capital) / vida;
}

double Financiacion(const Lector& n)
{
    double suma = 0;
    for (const Bien& b : kBienes) {
        if (!n.cierto(b.opcion) || !(n(b.capital) > 0) || !(n(b.vida) > 0))
            continue;
        const double x = Intereses(n(b.capital), n(b.interes) / 100, n(b.periodo), n(b.vida));
        if (std::isfinite(x)) // a rate of 0 cannot be computed: the item is skipped
            suma += x;
    }
    return Redondear(suma, 2);
}

constexpr double kMmaReembolso = 7500;     // kg from which professional diesel is refunded
constexpr double kLitrosReembolso = 50000; // yearly litres the refund covers

double Combustible(const Lector& n)
{
    const double km = n(C::KilometrosAnuales);
    const double consumo = n(V::Consumo);
    const double precio = n(V::PrecioGasoleoEspana);
    const double litros = consumo * km * n(V::PorcentajeEspana) / 10000;
    double espana;
    if (n(C::MasaMaximaAutorizada) >= kMmaReembolso) {
        const double neto = precio - n(V::DevolucionProfesional);
        espana = litros < kLitrosReembolso
                     ? Redondear(litros * neto, 2)
                     : Redondear((litros - kLitrosReembolso) * precio + kLitrosReembolso * neto, 2);
        if (espana < 0)
            espana = 0;
    } else {
        espana = Redondear(litros * precio, 2);
    }
    const double extranjero =
        Redondear(n(V::PrecioGasoleoExtranjero) * consumo * km * n(V::PorcentajeExtranjero) / 10000, 2);
    const double equipos = Redondear(n(V::PrecioEquipos) * n(V::ConsumoEquipos) * n(V::HorasEquipos), 2);
    return Redondear(espana + extranjero + equipos, 2);
}

// Cost per kilometre of a group of tyres: number × price / life. A life of 0
// makes the whole statement fail, as a division by zero would.
double Grupo(const Lector& n, const GrupoNeumaticos& g, bool& fallo)
{
    const double d = n(g.duracion);
    if (d == 0) {
        fallo = true;
        return 0;
    }
    return n(g.numero) * n(g.precio) / d;
}

double Neumaticos(const Lector& n)
{
    bool fallo = false;
    double t = 0;
    for (const GrupoNeumaticos& g : kNeumaticosTractor)
        t += Grupo(n, g, fallo);
    if (fallo)
        t = 0;
    // Left out only for a bought semitrailer whose price is 0 (there is none).
    if (!n.cierto(F2::Compra) || n(F2::PrecioTarifa) > 0) {
        bool falloSemi = false;
        const double s = Grupo(n, kNeumaticosSemirremolque, falloSemi);
        if (!falloSemi)
            t += s;
    }
    return Redondear(t * n(C::KilometrosAnuales), 2);
}

// Round to the decimals of the result's label.
double RedondearR(double x, CampoDeHoja r) { return Redondear(x, Decimales(r)); }

} // namespace

// One column's results while they are worked out: a step that cannot be
// computed (not a number, or beyond what a double holds) keeps the previous value.
class Filas {
public:
    explicit Filas(const ValoresColumna& col)
    {
        for (int i = 1; i <= kUltima; ++i)
            r_[static_cast<size_t>(i)] = col.R(i).numeroOCero();
    }
    double& operator[](int i) { return r_[static_cast<size_t>(i)]; }
    double& operator[](CampoDeHoja r) { return (*this)[r.i]; }
    void Poner(CampoDeHoja r, double x)
    {
        if (std::isfinite(x))
            (*this)[r] = x;
    }
    static constexpr int kUltima = R::C5.i;

private:
    std::array<double, kUltima + 1> r_{};
};

// The yearly costs, item by item, and their groups.
void CostesAnuales(DocumentoMotor& doc, Columna c, const Lector& n, Filas& r)
{
    r.Poner(R::Amortizacion, Amortizacion(n));
    r.Poner(R::Financiacion, Financiacion(n));
    r[R::Personal] = n(F3::CosteConductor);
    r[R::Seguros] = n(F3::Seguros);
    r[R::Fiscales] = n(F3::Fiscales);
    r.Poner(R::Combustible, Combustible(n));
    r[R::Urea] = n(V::Urea);
    r.Poner(R::Neumaticos, Neumaticos(n));
    r[R::Mantenimiento] = n(V::Mantenimiento);
    r[R::Reparaciones] = n(V::Reparaciones);
    r[R::Dietas] = n(F3::Dietas);
    r[R::Peajes] = n(V::Peajes);

    // The three indirect items show only when they are entered one by one.
    const bool detalle = n.cierto(I::Desglosados);
    for (CampoDeHoja f : kDetalleIndirectos)
        for (CampoDeHoja fila : {f, R::PorcentajeDe(f)})
            doc.vista().caja(fila.hoja, c, fila.i).visible = detalle;
    r[R::Estructura] = n(I::Estructura);
    r[R::Comercializacion] = n(I::Comercializacion);
    r[R::OtrosIndirectos] = n(I::Otros);

    // Any figure a file holds is read, so a sum may go beyond a double.
    r.Poner(R::Temporales, r[R::Amortizacion] + r[R::Financiacion] + r[R::Personal] + r[R::Seguros] + r[R::Fiscales]);
    r.Poner(R::Kilometricos, r[R::Combustible] + r[R::Urea] + r[R::Neumaticos] + r[R::Mantenimiento] +
                                 r[R::Reparaciones] + r[R::Dietas] + r[R::Peajes]);
    r.Poner(R::Directos, r[R::Temporales] + r[R::Kilometricos]);
    r[R::Indirectos] = n(I::Total);
    r.Poner(R::Totales, r[R::Directos] + r[R::Indirectos]);

    for (CampoDeHoja k : kFilasDeCostes) {
        const CampoDeHoja pct = R::PorcentajeDe(k);
        r.Poner(pct, r[R::Totales] == 0 ? 0.0 : RedondearR(r[k] * 100 / r[R::Totales], pct));
    }
}

// Total / divisor into `fila`, or nothing when the divisor is 0: then the
// divisor's row and every quotient over it are zeroed.
bool Cociente(Filas& r, CampoDeHoja fila, double dividendo, CampoDeHoja divisor)
{
    if (r[divisor] == 0)
        return false;
    r.Poner(fila, RedondearR(dividendo / r[divisor], fila));
    return true;
}

// The unit costs C1 to C5, per unit of the year and per loaded unit.
void CostesUnitarios(const Lector& n, Filas& r)
{
    r[R::Kilometros] = n(C::KilometrosAnuales);
    r[R::KilometrosEnCarga] = n(C::KilometrosEnCarga);
    if (!Cociente(r, R::C1, r[R::Totales], R::Kilometros))
        r[R::Kilometros] = r[R::C1] = r[R::C3] = 0;
    if (!Cociente(r, R::C1EnCarga, r[R::Totales], R::KilometrosEnCarga))
        r[R::KilometrosEnCarga] = r[R::C1EnCarga] = r[R::C3EnCarga] = 0;

    r[R::Horas] = n(C::HorasAnuales);
    r[R::HorasEnCarga] = n(C::HorasEnCarga);
    if (!Cociente(r, R::C2, r[R::Totales], R::Horas))
        r[R::Horas] = r[R::C2] = r[R::C4] = 0;
    if (!Cociente(r, R::C2EnCarga, r[R::Totales], R::HorasEnCarga))
        r[R::HorasEnCarga] = r[R::C2EnCarga] = r[R::C4EnCarga] = 0;

    // C3 spreads the distance costs over the kilometres, C4 the time and
    // indirect costs over the hours; both need kilometres and hours.
    if (r[R::Kilometros] > 0 && r[R::Horas] > 0) {
        const double temporales = r[R::Temporales] + r[R::Indirectos];
        Cociente(r, R::C3, r[R::Kilometricos], R::Kilometros);
        Cociente(r, R::C4, temporales, R::Horas);
        r.Poner(R::C3EnCarga, r[R::KilometrosEnCarga] > 0
                                  ? RedondearR(r[R::Kilometricos] / r[R::KilometrosEnCarga], R::C3EnCarga)
                                  : 0.0);
        r.Poner(R::C4EnCarga, r[R::HorasEnCarga] > 0 ? RedondearR(temporales / r[R::HorasEnCarga], R::C4EnCarga) : 0.0);
    } else {
        r[R::C3] = r[R::C3EnCarga] = r[R::C4] = r[R::C4EnCarga] = 0;
    }

    r[R::ToneladasKilometro] = n(C::ToneladasKilometro);
    if (!Cociente(r, R::C5, r[R::Totales], R::ToneladasKilometro))
        r[R::ToneladasKilometro] = r[R::C5] = 0;
}

void ActualizarColumna(DocumentoMotor& doc, Columna c)
{
    ValoresColumna& col = doc.calculo.Columna(c);
    const Lector n{col};
    Filas r(col);
    CostesAnuales(doc, c, n, r);
    CostesUnitarios(n, r);
    for (int i = 1; i <= Filas::kUltima; ++i) {
        col.R(i) = Valor(r[i]);
        MostrarCampo(doc, H::R, c, i, true);
    }
}

void Actualizar(DocumentoMotor& doc)
{
    ActualizarColumna(doc, Columna::S);
    ActualizarColumna(doc, Columna::O);
}

} // namespace tarvia

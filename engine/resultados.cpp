#include "engine/resultados.h"

#include "core/campos.h"
#include "core/catalogo.h"
#include "core/redondear.h"
#include "engine/mostrar.h"

#include <array>
#include <cmath>

namespace tarvia {

namespace {

using H = Hoja;
using namespace campos;

// Reads one column's figures: what cannot be computed counts as 0.
struct Lector {
    const ValoresColumna& v;
    double operator()(Hoja h, int i) const { return v[h](i).numeroOCero(); }
    bool cierto(Hoja h, int i) const { return v[h](i).comoLogico().value_or(false); }
};

// A good that is bought (amortised and financed) or obtained in another form
// (a yearly cost). Indices into its sheet; 0 where the good has no such field.
struct Bien {
    Hoja hoja;
    int opcion;     // true: bought
    int costeAnual; // yearly cost of the other form
    int tarifa;     // list price: 0 means nothing to amortise
    int vida;       // useful life, years
    int precio;     // acquisition price amortised
    int residual;   // residual value
    int capital;    // financed capital
    int periodo;    // years of financing
    int interes;    // yearly interest, %
};

// Tractor vehicle, its bodywork, semitrailer or trailer, auxiliary equipment.
// The bodywork follows the tractor's choice and has no yearly cost of its own.
constexpr std::array<Bien, 4> kBienes = {{
    {H::F1, 1, 12, 2, 5, 24, 7, 9, 10, 11},
    {H::F1, 1, 0, 13, 16, 15, 18, 20, 21, 22},
    {H::F2, 1, 12, 2, 5, 26, 7, 9, 10, 11},
    {H::F2, 13, 24, 14, 17, 16, 19, 21, 22, 23},
}};

double Amortizacion(const Lector& n)
{
    double suma = 0;
    for (const Bien& b : kBienes) {
        if (!n.cierto(b.hoja, b.opcion)) {
            if (b.costeAnual)
                suma += n(b.hoja, b.costeAnual);
            continue;
        }
        if (n(b.hoja, b.tarifa) > 0 && n(b.hoja, b.vida) > 0) {
            const double a = (n(b.hoja, b.precio) - n(b.hoja, b.residual)) / n(b.hoja, b.vida);
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
        if (!n.cierto(b.hoja, b.opcion) || !(n(b.hoja, b.capital) > 0) || !(n(b.hoja, b.vida) > 0))
            continue;
        const double x =
            Intereses(n(b.hoja, b.capital), n(b.hoja, b.interes) / 100, n(b.hoja, b.periodo), n(b.hoja, b.vida));
        if (std::isfinite(x)) // a rate of 0 cannot be computed: the item is skipped
            suma += x;
    }
    return Redondear(suma, 2);
}

double Leer(const Lector& n, campos::CampoDeHoja f) { return n(f.hoja, f.i); }

constexpr double kMmaReembolso = 7500;     // kg from which professional diesel is refunded
constexpr double kLitrosReembolso = 50000; // yearly litres the refund covers

double Combustible(const Lector& n)
{
    const double km = Leer(n, C::KilometrosAnuales);
    const double consumo = Leer(n, V::Consumo);
    const double precio = Leer(n, V::PrecioGasoleoEspana);
    const double litros = consumo * km * Leer(n, V::PorcentajeEspana) / 10000;
    double espana;
    if (Leer(n, C::MasaMaximaAutorizada) >= kMmaReembolso) {
        const double neto = precio - Leer(n, V::DevolucionProfesional);
        espana = litros < kLitrosReembolso
                     ? Redondear(litros * neto, 2)
                     : Redondear((litros - kLitrosReembolso) * precio + kLitrosReembolso * neto, 2);
        if (espana < 0)
            espana = 0;
    } else {
        espana = Redondear(litros * precio, 2);
    }
    const double extranjero =
        Redondear(Leer(n, V::PrecioGasoleoExtranjero) * consumo * km * Leer(n, V::PorcentajeExtranjero) / 10000, 2);
    const double equipos =
        Redondear(Leer(n, V::PrecioEquipos) * Leer(n, V::ConsumoEquipos) * Leer(n, V::HorasEquipos), 2);
    return Redondear(espana + extranjero + equipos, 2);
}

// Cost per kilometre of a group of tyres: number × price / life. A life of 0
// makes the whole statement fail, as a division by zero would.
double Grupo(const Lector& n, int numero, int precio, int vida, bool& fallo)
{
    const double d = n(H::V, vida);
    if (d == 0) {
        fallo = true;
        return 0;
    }
    return n(H::V, numero) * n(H::V, precio) / d;
}

double Neumaticos(const Lector& n)
{
    bool fallo = false;
    double t = Grupo(n, 16, 17, 18, fallo) + Grupo(n, 19, 20, 21, fallo) + Grupo(n, 22, 23, 24, fallo);
    if (fallo)
        t = 0;
    // Left out only for a bought semitrailer whose price is 0 (there is none).
    if (!n.cierto(H::F2, 1) || n(H::F2, 2) > 0) {
        bool falloSemi = false;
        const double s = Grupo(n, 25, 26, 27, falloSemi);
        if (!falloSemi)
            t += s;
    }
    return Redondear(t * Leer(n, C::KilometrosAnuales), 2);
}

// Percentages in the order the sheet computes them.
constexpr std::array<int, 20> kOrdenPorcentajes = {19, 17, 15, 1,  2, 3,  4,  5,  16, 7,
                                                   20, 8,  9,  10, 6, 11, 18, 12, 13, 14};
// Detail rows of the indirect costs and their percentages.
constexpr std::array<int, 6> kDetalleIndirectos = {12, 13, 14, 32, 33, 34};

// Round to the decimals of the result's label.
double RedondearR(double x, int i) { return Redondear(x, Decimales(H::R, i)); }

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
    void Poner(int i, double x)
    {
        if (std::isfinite(x))
            (*this)[i] = x;
    }
    static constexpr int kUltima = R::C5;

private:
    std::array<double, kUltima + 1> r_{};
};

// The yearly costs, item by item, and their groups.
void CostesAnuales(DocumentoMotor& doc, Columna c, const Lector& n, Filas& r)
{
    r.Poner(R::Amortizacion, Amortizacion(n));
    r.Poner(R::Financiacion, Financiacion(n));
    r[R::Personal] = Leer(n, F3::CosteConductor);
    r[R::Seguros] = Leer(n, F3::Seguros);
    r[R::Fiscales] = Leer(n, F3::Fiscales);
    r.Poner(R::Combustible, Combustible(n));
    r[R::Urea] = Leer(n, V::Urea);
    r.Poner(R::Neumaticos, Neumaticos(n));
    r[R::Mantenimiento] = Leer(n, V::Mantenimiento);
    r[R::Reparaciones] = Leer(n, V::Reparaciones);
    r[R::Dietas] = Leer(n, F3::Dietas);
    r[R::Peajes] = Leer(n, V::Peajes);

    // The three indirect items show only when they are entered one by one.
    const bool detalle = n.cierto(I::Desglosados.hoja, I::Desglosados.i);
    for (int i : kDetalleIndirectos)
        doc.vista().caja(H::R, c, i).visible = detalle;
    r[R::Estructura] = Leer(n, I::Estructura);
    r[R::Comercializacion] = Leer(n, I::Comercializacion);
    r[R::OtrosIndirectos] = Leer(n, I::Otros);

    // Any figure a file holds is read, so a sum may go beyond a double.
    r.Poner(R::Temporales, r[R::Amortizacion] + r[R::Financiacion] + r[R::Personal] + r[R::Seguros] + r[R::Fiscales]);
    r.Poner(R::Kilometricos, r[R::Combustible] + r[R::Urea] + r[R::Neumaticos] + r[R::Mantenimiento] +
                                 r[R::Reparaciones] + r[R::Dietas] + r[R::Peajes]);
    r.Poner(R::Directos, r[R::Temporales] + r[R::Kilometricos]);
    r[R::Indirectos] = Leer(n, I::Total);
    r.Poner(R::Totales, r[R::Directos] + r[R::Indirectos]);

    for (int k : kOrdenPorcentajes) {
        const int pct = k + R::Porcentaje;
        r.Poner(pct, r[R::Totales] == 0 ? 0.0 : RedondearR(r[k] * 100 / r[R::Totales], pct));
    }
}

// Total / divisor into `fila`, or nothing when the divisor is 0: then the
// divisor's row and every quotient over it are zeroed.
bool Cociente(Filas& r, int fila, double dividendo, int divisor)
{
    if (r[divisor] == 0)
        return false;
    r.Poner(fila, RedondearR(dividendo / r[divisor], fila));
    return true;
}

// The unit costs C1 to C5, per unit of the year and per loaded unit.
void CostesUnitarios(const Lector& n, Filas& r)
{
    r[R::Kilometros] = Leer(n, C::KilometrosAnuales);
    r[R::KilometrosEnCarga] = Leer(n, C::KilometrosEnCarga);
    if (!Cociente(r, R::C1, r[R::Totales], R::Kilometros))
        r[R::Kilometros] = r[R::C1] = r[R::C3] = 0;
    if (!Cociente(r, R::C1EnCarga, r[R::Totales], R::KilometrosEnCarga))
        r[R::KilometrosEnCarga] = r[R::C1EnCarga] = r[R::C3EnCarga] = 0;

    r[R::Horas] = Leer(n, C::HorasAnuales);
    r[R::HorasEnCarga] = Leer(n, C::HorasEnCarga);
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

    r[R::ToneladasKilometro] = Leer(n, C::ToneladasKilometro);
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

#include "engine/resultados.h"

#include "core/catalogo.h"
#include "core/redondear.h"
#include "engine/mostrar.h"

#include <array>
#include <cmath>

namespace tarvia {

namespace {

using H = Hoja;

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

constexpr double kMmaReembolso = 7500;     // kg from which professional diesel is refunded
constexpr double kLitrosReembolso = 50000; // yearly litres the refund covers

double Combustible(const Lector& n)
{
    const double km = n(H::C, 7);
    const double consumo = n(H::V, 7);
    const double precio = n(H::V, 6);
    const double litros = consumo * km * n(H::V, 33) / 10000;
    double espana;
    if (n(H::C, 3) >= kMmaReembolso) {
        const double neto = precio - n(H::V, 41);
        espana = litros < kLitrosReembolso
                     ? Redondear(litros * neto, 2)
                     : Redondear((litros - kLitrosReembolso) * precio + kLitrosReembolso * neto, 2);
        if (espana < 0)
            espana = 0;
    } else {
        espana = Redondear(litros * precio, 2);
    }
    const double extranjero = Redondear(n(H::V, 40) * consumo * km * n(H::V, 34) / 10000, 2);
    const double equipos = Redondear(n(H::V, 13) * n(H::V, 14) * n(H::V, 15), 2);
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
    return Redondear(t * n(H::C, 7), 2);
}

// Percentages in the order the sheet computes them.
constexpr std::array<int, 20> kOrdenPorcentajes = {19, 17, 15, 1,  2, 3,  4,  5,  16, 7,
                                                   20, 8,  9,  10, 6, 11, 18, 12, 13, 14};
// Detail rows of the indirect costs and their percentages.
constexpr std::array<int, 6> kDetalleIndirectos = {12, 13, 14, 32, 33, 34};

// Round to the decimals of the result's label.
double RedondearR(double x, int i) { return Redondear(x, Decimales(H::R, i)); }

} // namespace

void ActualizarColumna(DocumentoMotor& doc, Columna c)
{
    ValoresColumna& col = doc.calculo.Columna(c);
    const Lector n{col};

    // Work on a copy: a step that cannot be computed keeps the previous value.
    std::array<double, 55> r{};
    for (int i = 1; i <= 54; ++i)
        r[i] = col.R(i).numeroOCero();
    auto poner = [&r](int i, double x) {
        if (!std::isnan(x))
            r[i] = x;
    };

    poner(1, Amortizacion(n));
    poner(2, Financiacion(n));
    r[3] = n(H::F3, 1);
    r[4] = n(H::F3, 18);
    r[5] = n(H::F3, 28);
    poner(7, Combustible(n));
    r[20] = n(H::V, 42);
    poner(8, Neumaticos(n));
    r[9] = n(H::V, 29);
    r[10] = n(H::V, 31);
    r[6] = n(H::F3, 8);
    r[11] = n(H::V, 32);

    const bool detalle = n.cierto(H::I, 1);
    for (int i : kDetalleIndirectos)
        doc.vista().caja(H::R, c, i).visible = detalle;
    r[12] = n(H::I, 2);
    r[13] = n(H::I, 3);
    r[14] = n(H::I, 4);

    r[15] = r[1] + r[2] + r[3] + r[4] + r[5];
    r[16] = r[7] + r[20] + r[8] + r[9] + r[10] + r[6] + r[11];
    r[17] = r[15] + r[16];
    r[18] = n(H::I, 5);
    r[19] = r[17] + r[18];

    for (int k : kOrdenPorcentajes)
        poner(k + 20, r[19] == 0 ? 0.0 : RedondearR(r[k] * 100 / r[19], k + 20));

    // Unit costs: a zero divisor zeroes the divisor's row and its quotients.
    r[41] = n(H::C, 7);
    r[42] = n(H::C, 9);
    if (r[41] != 0)
        poner(43, RedondearR(r[19] / r[41], 43));
    else
        r[41] = r[43] = r[49] = 0;
    if (r[42] != 0)
        poner(44, RedondearR(r[19] / r[42], 44));
    else
        r[42] = r[44] = r[50] = 0;

    r[45] = n(H::C, 12);
    r[46] = n(H::C, 14);
    if (r[45] != 0)
        poner(47, RedondearR(r[19] / r[45], 47));
    else
        r[45] = r[47] = r[51] = 0;
    if (r[46] != 0)
        poner(48, RedondearR(r[19] / r[46], 48));
    else
        r[46] = r[48] = r[52] = 0;

    if (r[41] > 0 && r[45] > 0) {
        const double temporales = r[15] + r[18];
        poner(49, RedondearR(r[16] / r[41], 49));
        poner(51, RedondearR(temporales / r[45], 51));
        poner(50, r[42] > 0 ? RedondearR(r[16] / r[42], 50) : 0.0);
        poner(52, r[46] > 0 ? RedondearR(temporales / r[46], 52) : 0.0);
    } else {
        r[49] = r[50] = r[51] = r[52] = 0;
    }

    r[53] = n(H::C, 20);
    if (r[53] != 0)
        poner(54, RedondearR(r[19] / r[53], 54));
    else
        r[53] = r[54] = 0;

    for (int i = 1; i <= 54; ++i) {
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

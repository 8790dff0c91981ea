#pragma once
// From cost to price: the compulsory revision of a transport's price when
// diesel has moved (article 38 of Ley 15/2009, formula of Orden
// FOM/1882/2012), and a quotation with a margin on a service's cost.
#include "core/calculo.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

namespace tarvia {

// The impact indices of one period, by the vehicle's maximum authorised mass.
struct PeriodoIndices {
    QDate desde, hasta;   // both included
    double ligero = 0.10; // 3.500 kg or less
    double medio = 0.20;  // more than 3.500 and less than 20.000 kg; works vehicles over 3.500 kg
    double pesado = 0.30; // 20.000 kg or more (not works vehicles)
};

struct TablaIndices {
    std::vector<PeriodoIndices> periodos;
    QString aviso; // why the built-in table is in use, when the file failed
};

// The indices as the law sets them, with no end date.
TablaIndices IndicesPorDefecto();
// A data file: one period a line, "desde hasta ligero medio pesado"
// (dates yyyy-mm-dd, indices with "." or ","), "#" comments. On a missing or
// damaged file, the built-in table and a Spanish message saying so.
TablaIndices LeerIndices(const QString& ruta);

// The index for a vehicle of `mma` kg on `fecha`.
double IndiceRepercusion(const TablaIndices& tabla, double mma, bool obra, QDate fecha);

// The law makes the revision compulsory from a 5 % variation; the parties
// may only agree a lower threshold.
inline constexpr double kUmbralLegalPct = 5;
// Empty when `umbralPct` is a threshold the law allows; otherwise why not.
QString MotivoUmbralNoValido(double umbralPct);

struct Revision {
    double variacionPct = 0; // G: on the prices as decimals, rounded half away from zero to 2 decimals
    double indice = 0;       // IR
    bool aplica = false;     // |G| at or above the threshold, in both directions alike
    double incremento = 0;   // ΔP = G × P × IR / 100, in cents (0 when it does not apply)
    double precioRevisado = 0;
    double cuotaCombustiblePct = 0;   // the calculation's own fuel share, R(27)
    double incrementoCuotaPropia = 0; // G × P × R(27) / 100 / 100, in cents
};

Revision RevisarPrecio(double precio, double gasoleoContrato, double gasoleoServicio, double umbralPct, double indice,
                       double cuotaCombustiblePct);

// A quotation for service k (1..5) of sheet S on one cost basis.
enum class BaseCoste { Kilometros, Horas, Ambos };
struct Presupuesto {
    int servicio = 0;
    BaseCoste base = BaseCoste::Ambos;
    double coste = 0, margenPct = 0, precio = 0, ivaPct = 21, iva = 0, total = 0;
};
// None when the service has no cost on that basis.
std::optional<Presupuesto> PresupuestarServicio(const ValoresColumna& personal, int servicio, BaseCoste base,
                                                double margenPct, double ivaPct = 21);
// The price is the target (in cents); the margin is whatever it gives.
std::optional<Presupuesto> PresupuestarAPrecio(const ValoresColumna& personal, int servicio, BaseCoste base,
                                               double precio, double ivaPct = 21);
// The margin a target price before VAT gives on a cost.
double MargenDePrecio(double coste, double precioObjetivo);

} // namespace tarvia

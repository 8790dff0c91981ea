#pragma once
// Analyses built on a calculation without touching it: the results of
// several files side by side, how the results move with one input, and the
// yearly kilometres at which the cost per kilometre meets a price.
#include "engine/precios_gasoleo.h"
#include "engine/revision.h"
#include "presentacion/documento.h"

#include <QDate>

#include <optional>
#include <vector>

namespace tarvia {

// One file of a comparison: its personal column's results, or why it could
// not be opened.
struct ResultadoArchivo {
    QString archivo;
    QString descripcion; // C(1)
    Arreglo R;           // empty when it could not be opened
    QString error;
};

// Opens each file as "Cálculo previamente grabado" does and computes its results.
std::vector<ResultadoArchivo> Comparar(const QStringList& archivos, const Localizacion& loc);

// One point of a sensitivity series: the value typed (rounded to the field's
// decimals), and the results it gives, or the message that refused it.
struct PuntoSensibilidad {
    double valor = 0;
    bool rechazado = false;
    QString mensaje;
    Arreglo R;
};

// `pasos` values from `desde` to `hasta`, each rounded to the field's
// decimals and typed into personal field (h, i) of a copy of `doc` as the
// user would type it, then the results: a point is what typing its value and
// showing the results sheet gives.
std::vector<PuntoSensibilidad> Sensibilidad(const Documento& doc, Hoja h, int i, double desde, double hasta, int pasos);

// The smallest whole yearly kilometres C(7), within the field's limits, at
// which C1 (the cost per kilometre, R(43)) is at or below `precioKm`; none
// when even the upper limit leaves C1 above it. C1 falls as the kilometres
// grow, so a bisection finds it.
std::optional<int> KilometrosDeEquilibrio(const Documento& doc, double precioKm);

// The fuel revision of a price for the calculation's own vehicle: its mass
// picks the impact index on `fechaContrato`, and its fuel share of the
// results, as the results sheet shows them, is compared. Worked on a copy.
Revision RevisarConElCalculo(const Documento& doc, const TablaIndices& tabla, double precio, double gasoleoContrato,
                             double gasoleoServicio, double umbralPct, bool obra, QDate fechaContrato);

// The same with both diesel prices looked up by date in `precios`: the
// average of the contract's month and of the service's month. The index is
// the one in force on the contract date. No revision, and the missing months
// named in `precios.mensaje`, when the table lacks one; `error` when the
// service is dated before the contract.
struct RevisionPorFechas {
    PreciosPorFechas precios;
    std::optional<Revision> revision;
    QString error; // Spanish: what stops the revision (a missing month, dates the wrong way round)
};
RevisionPorFechas RevisarPorFechas(const TablaIndices& indices, const TablaGasoleo& precios, double precio,
                                   QDate contrato, QDate servicio, double umbralPct, double mma, bool obra,
                                   double cuotaCombustiblePct);
RevisionPorFechas RevisarPorFechasConElCalculo(const Documento& doc, const TablaIndices& indices,
                                               const TablaGasoleo& precios, double precio, QDate contrato,
                                               QDate servicio, double umbralPct, bool obra);
// The figures of the calculation a revision uses: C's mass and the fuel share
// of the results, as the results sheet shows them.
struct DatosDeRevision {
    double mma = 0;
    double cuotaCombustiblePct = 0;
};
DatosDeRevision DatosDeRevisionDelCalculo(const Documento& doc);

// A quotation for service k (1..5) priced with today's unit costs, as the
// service sheet shows them when opened. Worked on a copy.
std::optional<Presupuesto> PresupuestarConElCalculo(const Documento& doc, int servicio, BaseCoste base,
                                                    double margenPct);
// The same at a target price before VAT, which the quotation keeps exactly.
std::optional<Presupuesto> PresupuestarConElCalculoAPrecio(const Documento& doc, int servicio, BaseCoste base,
                                                           double precio);
// The net price of diesel bought in Spain, V(6): the reference of the
// quotation's fuel clause.
double GasoleoDelCalculo(const Documento& doc);

} // namespace tarvia

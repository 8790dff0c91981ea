#pragma once
// Analyses built on a calculation without touching it: the results of
// several files side by side, how the results move with one input, and the
// yearly kilometres at which the cost per kilometre meets a price.
#include "presentacion/documento.h"

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

// One point of a sensitivity series: the value typed, and the results it
// gives, or the message that refused it.
struct PuntoSensibilidad {
    double valor = 0;
    bool rechazado = false;
    QString mensaje;
    Arreglo R;
};

// `pasos` values from `desde` to `hasta`, each typed into personal field
// (h, i) of a copy of `doc` as the user would type it, then the results.
std::vector<PuntoSensibilidad> Sensibilidad(const Documento& doc, Hoja h, int i, double desde, double hasta, int pasos);

// The smallest whole yearly kilometres C(7), within the field's limits, at
// which C1 (the cost per kilometre, R(43)) is at or below `precioKm`; none
// when even the upper limit leaves C1 above it. C1 falls as the kilometres
// grow, so a bisection finds it.
std::optional<int> KilometrosDeEquilibrio(const Documento& doc, double precioKm);

} // namespace tarvia

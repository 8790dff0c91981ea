#pragma once
// "Resumen de costes": one A4 page for the accountant or the bank, with the
// calculation's key inputs, its yearly cost structure beside the reference,
// its unit costs and its pie chart.
#include "presentacion/documento.h"
#include "presentacion/informe.h"

namespace tarvia {

// The summary of the calculation as it stands, its results computed as the
// results sheet computes them when shown (on a copy: `doc` is not touched).
// `archivo` names the file it came from when the calculation has none of its
// own yet (a new calculation started from reference data).
Informe ResumenDeCostes(const Documento& doc, QDate hoy, const QString& archivo = {});

} // namespace tarvia

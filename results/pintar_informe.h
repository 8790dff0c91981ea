#pragma once
// The one renderer of reports: an Informe laid out on A4 pages (tables
// continued with their headings, wide tables in column groups, charts drawn
// as vectors with their whole legend, "Página n de m") and painted on a PDF
// or a printer.
#include "core/rutas.h"
#include "presentacion/informe.h"
#include "results/exportar.h"

class QPagedPaintDevice;
class QWidget;

namespace tarvia {

// How many pages the report takes once laid out.
int PaginasDeInforme(const Informe& informe);

// Paints every page on the device (a PDF writer or a printer already set to
// A4 with no margins of its own). False when the painter could not start.
bool PintarInforme(const Informe& informe, QPagedPaintDevice& dispositivo);

// Writes the report as a PDF, replacing the file only once it is whole.
FalloArchivo InformeAPdf(const Informe& informe, const QString& ruta);

// On the default printer; without one, says so and offers a PDF instead.
void ImprimirInforme(const Informe& informe, QWidget* dueno, const AvisoExportacion& avisar);

// The pages as they will print, in a preview window.
void PrevisualizarInforme(const Informe& informe, QWidget* dueno);

} // namespace tarvia

#pragma once
// Creates the window of any sheet, the results one included, so it lives
// above both sheets/ and results/; nullptr for a sheet not built yet, whose
// button and menu item then do nothing.
#include "core/archivo.h"
#include "sheets/ventana_hoja.h"

namespace tarvia {

VentanaHoja* CrearHoja(Hoja h, Documento& doc, QWidget* padre);

// The eight sheets of a calculation, in the order of "Todos los formularios",
// into a PDF file. Needs a QApplication; no display.
FalloArchivo ImprimirPdf(Documento& doc, const QString& ruta);

} // namespace tarvia

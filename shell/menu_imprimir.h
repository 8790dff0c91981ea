#pragma once
// The "Imprimir" menu of the main window: each item prints from the window's
// own sheets, and "Guardar como PDF…" sends the same pages to a file.
#include "core/rutas.h"

#include <QString>

namespace tarvia {

class FrmMain;

// Connects the print items of the main window.
void ConectarImpresion(FrmMain& ventana);

// The pages of "Todos los formularios" from the main window's sheets (the
// edited field committed first) into a PDF file.
FalloArchivo GuardarPdf(FrmMain& ventana, const QString& ruta);

} // namespace tarvia

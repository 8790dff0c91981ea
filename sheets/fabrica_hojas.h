#pragma once
// Creates the window of a sheet; nullptr for a sheet not built yet, whose
// button and menu item then do nothing.
#include "sheets/ventana_hoja.h"

namespace tarvia {

VentanaHoja* CrearHoja(Hoja h, Documento& doc, QWidget* padre);

} // namespace tarvia

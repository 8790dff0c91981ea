#pragma once
// Writing stored values into the boxes of the display model.
#include "engine/documento.h"

namespace tarvia {

// Formats the stored value of field i into its box of that column, with
// MostrarCeros (or with zeros shown when mostrarCeros is true).
void MostrarCampo(Documento& doc, Hoja h, Columna c, int i);
void MostrarCampo(Documento& doc, Hoja h, Columna c, int i, bool mostrarCeros);

// Empties the box; the stored value stays.
void VaciarCaja(Documento& doc, Hoja h, Columna c, int i);

} // namespace tarvia

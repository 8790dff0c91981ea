#pragma once
// Writing stored values into the boxes of the display model.
#include "engine/documento_motor.h"

namespace tarvia {

// Formats the stored value of field i into its box of that column, with
// MostrarCeros (or with zeros shown when mostrarCeros is true).
void MostrarCampo(DocumentoMotor& doc, Hoja h, Columna c, int i);
void MostrarCampo(DocumentoMotor& doc, Hoja h, Columna c, int i, bool mostrarCeros);

// Empties the box; the stored value stays.
void VaciarCaja(DocumentoMotor& doc, Hoja h, Columna c, int i);

// Formats every box marked while doc.pendientes was active, and ends the marking.
void MostrarPendientes(DocumentoMotor& doc);

} // namespace tarvia

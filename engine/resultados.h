#pragma once
// The results sheet's computation: R(1..54) of both columns, never cached.
#include "engine/documento_motor.h"

namespace tarvia {

// Computes and shows the personal column, then the reference column.
void Actualizar(DocumentoMotor& doc);
// One column: fills R of that column's record and shows it (zeros shown).
void ActualizarColumna(DocumentoMotor& doc, Columna c);

} // namespace tarvia

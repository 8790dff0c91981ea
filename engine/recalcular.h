#pragma once
// The recalculation driver: after field `indice` of sheet `hoja` changed in
// column `columna`, runs exactly the chain of derived figures that depend on it.
#include "engine/documento_motor.h"

namespace tarvia {

void Recalcular(DocumentoMotor& doc, Hoja hoja, Columna columna, int indice);

// Step 1 of every call: numbers as doubles, texts as strings, options as
// true/false, in both columns; what cannot be converted stays as it is.
void Normalizar(Calculo& calculo);

} // namespace tarvia

#pragma once
#include "engine/documento_motor.h"

namespace tarvia {

// The indirect-costs comment of one column (I = 1, J = 5, K = 17): written
// only while I(1) is false; runs Actualizar first.
void Comentario(DocumentoMotor& doc, Columna c);

} // namespace tarvia

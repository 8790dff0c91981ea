#pragma once
// Showing a loaded calculation.
#include "engine/documento_motor.h"

namespace tarvia {

// Shows every loaded value on its sheet and recalculates everything, in the
// program's fixed order (captions, options, blanking, sheet I, results,
// services).
void RepartirValores(DocumentoMotor& doc);

} // namespace tarvia

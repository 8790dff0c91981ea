#pragma once
// The chain of sheet V: fuel, urea, tyres, maintenance, repairs and tolls.
#include "engine/operaciones.h"

namespace tarvia {

void RecalcularV(Contexto& x, int k);

} // namespace tarvia

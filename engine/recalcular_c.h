#pragma once
// The chain of sheet C, the characteristics.
#include "engine/operaciones.h"

namespace tarvia {

void RecalcularC(Contexto& x, int k);

} // namespace tarvia

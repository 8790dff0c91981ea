#pragma once
// The chains of sheets F3 (personnel, insurance, taxes) and I (indirect costs).
#include "engine/operaciones.h"

namespace tarvia {

void RecalcularF3(Contexto& x, int k);
void RecalcularI(Contexto& x, int k);

// The activity bonus and the diets total, driven by C(7) and F3(6).
void PlusDeActividad(Contexto& x);

} // namespace tarvia

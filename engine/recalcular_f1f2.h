#pragma once
// The chains of sheets F1 (tractor) and F2 (semitrailer and equipment).
#include "core/grupos.h"
#include "engine/operaciones.h"

namespace tarvia {

void RecalcularF1(Contexto& x, int k);
void RecalcularF2(Contexto& x, int k);

// Purchase prices net of the tyres that come with the vehicle; the tyre
// fields of sheet V trigger them too.
void PrecioTractorSinNeumaticos(Contexto& x); // F1(24)
void PrecioSemiSinNeumaticos(Contexto& x);    // F2(26)

} // namespace tarvia

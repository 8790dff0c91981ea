#pragma once
// The chain of each sheet, selected by the driver by the changed index.
#include "engine/operaciones.h"

namespace tarvia {

void RecalcularC(Contexto& x, int k);
void RecalcularF1(Contexto& x, int k);
void RecalcularF2(Contexto& x, int k);
void RecalcularF3(Contexto& x, int k);
void RecalcularI(Contexto& x, int k);
void RecalcularV(Contexto& x, int k);

// Purchase prices net of the tyres that come with the vehicle; the tyre
// fields of sheet V trigger them too.
void PrecioTractorSinNeumaticos(Contexto& x); // F1(24)
void PrecioSemiSinNeumaticos(Contexto& x);    // F2(26)

// The activity bonus and the diets total, driven by C(7) and F3(6).
void PlusDeActividad(Contexto& x);

} // namespace tarvia

#pragma once
// The option groups of sheets F1, F2, F3 and I: choosing a button stores the
// choice and switches what the column shows, as a click on it does.
#include "engine/documento_motor.h"

namespace tarvia {

// Selects button `boton` (1 the first, 2 the second) of the pair of option
// field `campo` (F1(1), F2(1), F2(13), F3(2), F3(9), F3(19), I(1)) in
// column `col`, runs the group's behaviour and records the selection.
// Any other field is left alone.
void PulsarOpcion(DocumentoMotor& doc, Hoja hoja, Columna col, int campo, int boton);

// Whether (hoja, campo) is one of the seven option fields.
bool EsOpcion(Hoja hoja, int campo);

} // namespace tarvia

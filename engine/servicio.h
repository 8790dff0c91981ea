#pragma once
// Pricing of the five services of the personal column.
#include "engine/documento_motor.h"

namespace tarvia {

// Prices one service: six indices into sheet S of the personal column.
void CosteServicio(DocumentoMotor& doc, int costes, int km, int horas, int salidaKm, int salidaHoras, int salidaAmbos);
// The driver's case for a changed field of sheet S (results first, then that service).
void RecalcularServicio(DocumentoMotor& doc, int indice);
// Tonne-kilometre cost, zeroing of legs above the yearly totals, all five services.
void Revisar(DocumentoMotor& doc);

} // namespace tarvia

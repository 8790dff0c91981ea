#pragma once
// Pricing of the five services of the personal column.
#include "engine/documento.h"

namespace tarvia {

// Prices one service: six indices into sheet S of the personal column.
void CosteServicio(Documento& doc, int costes, int km, int horas, int salidaKm, int salidaHoras,
                   int salidaAmbos);
// The driver's case for a changed field of sheet S (results first, then that service).
void RecalcularServicio(Documento& doc, int indice);
// Tonne-kilometre cost, zeroing of legs above the yearly totals, all five services.
void Revisar(Documento& doc);

} // namespace tarvia

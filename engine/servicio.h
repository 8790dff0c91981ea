#pragma once
// Pricing of the five services of the personal column.
#include "core/campos.h"
#include "engine/documento_motor.h"

namespace tarvia {

// Prices one service of the personal column.
void CosteServicio(DocumentoMotor& doc, const campos::S::Servicio& servicio);
// Whether the results must be brought up to date first, or already are
// (loading computes them once before the services, which do not change them).
enum class Resultados : bool { Recalcular, AlDia };

// The driver's case for a changed field of sheet S (results first, then that service).
void RecalcularServicio(DocumentoMotor& doc, int indice, Resultados resultados = Resultados::Recalcular);
// Results first, then the tonne-kilometre cost, zeroing of legs above the
// yearly totals, all five services.
void Revisar(DocumentoMotor& doc, Resultados resultados = Resultados::Recalcular);

} // namespace tarvia

#pragma once
// tarvia-calc's analyses: --comparar, --sensibilidad and --equilibrio.
#include "cli/argumentos.h"
#include "cli/json.h"
#include "engine/revision.h"
#include "presentacion/analisis.h"

namespace tarvia::calc {

// The comparison in the chosen format; and whether every file opened.
QString ComparacionTexto(const std::vector<ResultadoArchivo>& r, Formato formato, const Localizacion& loc);
std::string ComparacionJson(const std::vector<ResultadoArchivo>& r);

// The "sensibilidad" and "equilibrio" members of the document's JSON.
void SensibilidadJson(Json& j, const Argumentos::Serie& serie, const std::vector<PuntoSensibilidad>& puntos);
void EquilibrioJson(Json& j, double precio, std::optional<int> km);
void RevisionJson(Json& j, double precio, const Revision& r, const QString& avisoIndices);
void PresupuestoJson(Json& j, const Presupuesto& p);

} // namespace tarvia::calc

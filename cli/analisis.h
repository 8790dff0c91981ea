#pragma once
// tarvia-calc's analyses: --comparar, --sensibilidad and --equilibrio.
#include "cli/argumentos.h"
#include "cli/calcular.h"
#include "cli/json.h"
#include "engine/revision.h"
#include "presentacion/analisis.h"
#include "presentacion/revision_lista.h"

namespace tarvia::calc {

// The comparison in the chosen format; and whether every file opened.
QString ComparacionTexto(const std::vector<ResultadoArchivo>& r, Formato formato, const Localizacion& loc);
std::string ComparacionJson(const std::vector<ResultadoArchivo>& r);

// The sensitivity series as CSV: the value and the message that refused it,
// then every result, one row per point.
QString SensibilidadCsv(const std::vector<PuntoSensibilidad>& puntos, const Argumentos::Serie& serie,
                        const Localizacion& loc);

// A result's caption with its unit, and its figure in the locale.
QString RotuloResultado(int i);
QString CifraResultado(const Arreglo& R, int i, const Localizacion& loc);

// The "sensibilidad" and "equilibrio" members of the document's JSON.
void SensibilidadJson(Json& j, const Argumentos::Serie& serie, const std::vector<PuntoSensibilidad>& puntos);
void EquilibrioJson(Json& j, double precio, std::optional<int> km);
// `porFechas`: the months used when the prices were looked up by date.
void RevisionJson(Json& j, double precio, const Revision& r, const QString& avisoIndices,
                  const PreciosPorFechas* porFechas = nullptr, const QStringList& avisosPrecios = {});
void RevisionListaJson(Json& j, const RevisionDeLista& r, const QString& avisoIndices,
                       const QStringList& avisosPrecios);
void PresupuestoJson(Json& j, const Presupuesto& p);
// Every analysis of the run, in that order.
void AnalisisJson(Json& j, const Argumentos& args, const Analisis& a);

} // namespace tarvia::calc

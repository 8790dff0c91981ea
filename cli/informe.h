#pragma once
// --informe: the analyses of a run as the windows print them, through the
// same report builders and the same renderer.
#include "cli/argumentos.h"
#include "cli/calcular.h"
#include "presentacion/informe.h"

#include <optional>

namespace tarvia::calc {

// The report of the run's analyses (one analysis: exactly its window's
// report; several: one after another). `doc` is the calculation as the
// actions left it.
Informe InformeDeLaCorrida(const Argumentos& args, const Documento& doc, const Analisis& a, QDate hoy);

// The comparison's report.
Informe InformeDeComparar(const std::vector<ResultadoArchivo>& r, QDate hoy, const Localizacion& loc);

} // namespace tarvia::calc

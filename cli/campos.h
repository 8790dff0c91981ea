#pragma once
// tarvia-calc --campos: every field of a sheet, so that a script writer knows
// what F1.11 is without opening the program.
#include "core/formato.h"
#include "core/hojas.h"

#include <QString>
#include <optional>

namespace tarvia::calc {

// One line per field: "F1.11", its caption and unit, its kind, decimals and
// limits, in the locale's figures. All sheets when `hoja` is none.
QString ListaDeCampos(std::optional<Hoja> hoja, const Localizacion& loc);
// The same fields as JSON, each with its name in the code, and the groups the
// program walks (core/grupos.h), for scripts such as the reference-data generator.
QString CamposEnJson(std::optional<Hoja> hoja);

} // namespace tarvia::calc

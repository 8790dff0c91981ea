#pragma once
// What tarvia-calc prints: the whole document as JSON, or a readable summary
// of the results sheet.
#include "engine/documento.h"

#include <string>

namespace tarvia::calc {

// Both columns, whether there are unsaved changes, the messages and, when
// `pantalla`, what every box shows.
std::string DocumentoJson(const Documento& doc, bool pantalla);

// The cost structure and unit costs of both columns, in the document's locale.
QString ResumenTexto(const Documento& doc);

} // namespace tarvia::calc

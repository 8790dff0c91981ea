#pragma once
// What tarvia-calc prints: the whole document as JSON, or a readable summary
// of the results sheet.
#include "cli/avisos.h"
#include "engine/documento.h"

#include <string>
#include <vector>

namespace tarvia::calc {

// Both columns, whether there are unsaved changes, the messages, the
// warnings and, when `pantalla`, what every box shows.
std::string DocumentoJson(const Documento& doc, const std::vector<Aviso>& avisos, bool pantalla);

// The cost structure and unit costs of both columns, in the document's
// locale, and the services of the service sheet when any has data.
QString ResumenTexto(const Documento& doc);

// A message or a warning as one line for standard error.
QString LineaMensaje(const Mensaje& m);
QString LineaAviso(const Aviso& a);

} // namespace tarvia::calc

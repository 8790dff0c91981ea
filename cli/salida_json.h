#pragma once
// What tarvia-calc prints by default: the whole document as JSON.
#include "cli/avisos.h"
#include "presentacion/documento.h"

#include <string>
#include <vector>

namespace tarvia::calc {

// Both columns, whether there are unsaved changes, the messages, the
// warnings and, when `pantalla`, what every box shows.
std::string DocumentoJson(const Documento& doc, const std::vector<Aviso>& avisos, bool pantalla);

} // namespace tarvia::calc

#pragma once
// What tarvia-calc prints by default: the whole document as JSON.
#include "cli/avisos.h"
#include "presentacion/documento.h"

#include "cli/json.h"

#include <functional>
#include <string>
#include <vector>

namespace tarvia::calc {

// Both columns, whether there are unsaved changes, the messages, the
// warnings and, when `pantalla`, what every box shows.
// `mas` adds members of its own at the end (the analyses).
std::string DocumentoJson(const Documento& doc, const std::vector<Aviso>& avisos, bool pantalla,
                          const std::function<void(Json&)>& mas = {});

} // namespace tarvia::calc

#pragma once
// What tarvia-calc prints with --formato texto: a readable summary, and the
// messages and warnings one to a line.
#include "cli/avisos.h"
#include "cli/calcular.h"
#include "presentacion/documento.h"

namespace tarvia::calc {

// The cost structure and unit costs of both columns, in the document's
// locale, and the services of the service sheet when any has data.
QString ResumenTexto(const Documento& doc);

// One block per analysis asked for, in Spanish, figures in `loc`.
QString AnalisisTexto(const Argumentos& args, const Analisis& a, const Localizacion& loc);

// A message or a warning as one line for standard error.
QString LineaMensaje(const Mensaje& m);
QString LineaAviso(const Aviso& a);

} // namespace tarvia::calc

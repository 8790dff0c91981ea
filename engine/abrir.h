#pragma once
// Opening and saving a calculation as the program does it.
#include "core/archivo.h"
#include "engine/documento.h"

namespace tarvia {

// LeerValores, then RepartirValores. On failure nothing is shown as loaded.
FalloArchivo LeerArchivo(Documento& doc, const QString& ruta);

// Revisar, then EscribirValores with `hoy`; on success the personal frames
// show the new date.
FalloArchivo EscribirArchivo(Documento& doc, const QString& ruta, QDate hoy);

// Shows every loaded value on its sheet and recalculates everything, in the
// program's fixed order (captions, options, blanking, sheet I, results,
// services).
void RepartirValores(Documento& doc);

} // namespace tarvia

#pragma once
// Opening and saving a calculation as the program does it.
#include "core/archivo.h"
#include "engine/documento_motor.h"

namespace tarvia {

// LeerValores, then RepartirValores. On failure nothing is shown as loaded.
FalloArchivo LeerArchivo(DocumentoMotor& doc, const QString& ruta);

// Revisar, then EscribirValores with `hoy`; on success the personal frames
// show the new date.
FalloArchivo EscribirArchivo(DocumentoMotor& doc, const QString& ruta, QDate hoy,
                             ArchivoSeguro::Modo modo = ArchivoSeguro::Modo::Reemplazar);

} // namespace tarvia

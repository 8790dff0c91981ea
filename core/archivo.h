#pragma once
// Calculation and reference data files: 256 values, one per line.
#include "core/archivo_seguro.h"
#include "core/calculo.h"
#include "core/rutas.h"

#include <QDate>
#include <QString>

namespace tarvia {

// Reads the input fields and dates of both columns into `calculo`
// (Personal and Grabado, then Referencia). Read into a scratch copy first:
// on failure `calculo` is left exactly as it was.
FalloArchivo LeerValores(const QString& ruta, Calculo& calculo);

// Writes both columns with `hoy` as the personal date. On success
// Personal.Fecha = hoy and Grabado takes the personal input fields and date.
// Written atomically: on failure an existing file and `calculo` are untouched.
// With ArchivoSeguro::Modo::Nuevo, an existing file of that name (however
// it was made, even in a race) is never replaced: YaExiste.
FalloArchivo EscribirValores(const QString& ruta, Calculo& calculo, QDate hoy,
                             ArchivoSeguro::Modo modo = ArchivoSeguro::Modo::Reemplazar);

// EscribirValores on a save file already bound to its path: opens it, writes,
// and confirms only when every byte went out. Lets a test hand in a file that
// fails part-way.
FalloArchivo EscribirValoresEn(ArchivoSeguro& archivo, Calculo& calculo, QDate hoy);

// What the file dialog says for each kind of failure.
QString MensajeArchivo(FalloArchivo fallo);
// What the user is told when writing `ruta` failed: what happened and that
// the file that was there is intact (or that none was created).
QString MensajeEscritura(FalloArchivo fallo, const QString& ruta);
// What the vehicle-type dialog says when a reference data file fails.
QString MensajeBaremario(FalloArchivo fallo);

} // namespace tarvia

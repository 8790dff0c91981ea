#pragma once
// The rules behind every "Exportar CSV…" and "Guardar como PDF…": the name
// gets its extension, the dialog opens where the user keeps their work, and
// the reference data are never written over.
#include <QString>

namespace tarvia {

// `ruta` with ".extension" added when its name does not already end so (in
// any case): "informe" and "informe." become "informe.pdf", "informe.PDF"
// stays as it is. `extension` goes without the dot.
QString ConExtension(const QString& ruta, const QString& extension);

// The extension a dialog filter such as "PDF (*.pdf)" stands for, without
// the dot; empty when it names none.
QString ExtensionDelFiltro(const QString& filtro);

// Whether `carpeta` holds the program's reference data (any .brm file).
bool EsCarpetaDeReferencia(const QString& carpeta);

// Where an export dialog opens: the last folder exported to while it still
// exists, can be written and holds no reference data; otherwise the
// calculations folder under the same conditions; otherwise the home folder.
QString CarpetaInicialExportacion(const QString& ultima, const QString& calculos);

} // namespace tarvia

#pragma once
// Where the program finds its reference data and help files, and where the
// user's calculations are kept.
#include <QString>

namespace tarvia {

struct Ubicaciones {
    QString datos;    // holds Baremario/, Tarvia.chm and Acuerdos.chm
    QString calculos; // where the file dialogs open
};

// The data beside the program when they are there (the build tree, an
// unpacked portable copy, Windows), otherwise in `instalados` (share/tarvia).
// Calculations: the "Cálculos" folder beside the program when there is one
// (the build tree, a portable copy); otherwise a "TARVIA" folder in the
// user's `documentos`, created on first use with a copy of the example
// calculations. With no data anywhere, the program's folder: opening a
// vehicle then says that Baremario is missing.
Ubicaciones BuscarUbicaciones(const QString& programa, const QString& instalados, const QString& documentos);

// The same for this program: beside the executable, the installed data
// folder, the user's documents folder.
Ubicaciones UbicacionesDelPrograma();

} // namespace tarvia

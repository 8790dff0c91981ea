#pragma once
// The two help commands of the menus: the program help ("Contenido") and the
// agreements document ("Acuerdos"), both compiled help files beside the program.
#include <QString>

#include <functional>

class QWidget;

namespace tarvia {

class VisorAyuda;

// How a command tells the user what went wrong (the main window passes MostrarMensaje).
using AvisoAyuda = std::function<void(const QString& texto, const QString& titulo)>;

// The application's help-file setting: the full path of the last help file a
// command tried to open; empty until then.
const QString& ArchivoAyuda();

// Open the file at its default topic in a help window owned by `principal`.
// On a missing or damaged file, `avisar` gets the command's message titled
// "Error" and the result is nullptr. Opening a file already shown reuses its window.
// The files are looked for in `carpeta`, the program's directory when empty.
VisorAyuda* AbrirAyuda(QWidget* principal, const AvisoAyuda& avisar, const QString& carpeta = {});    // Tarvia.chm
VisorAyuda* AbrirAcuerdos(QWidget* principal, const AvisoAyuda& avisar, const QString& carpeta = {}); // Acuerdos.chm

// The common step, for any path and message.
VisorAyuda* AbrirArchivoAyuda(QWidget* principal, const QString& ruta, const QString& mensajeError,
                              const AvisoAyuda& avisar);

} // namespace tarvia

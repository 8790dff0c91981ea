#pragma once
// What the analysis windows share to hand their work out: a table as CSV, a
// text written safely, the window on the printer or in a PDF.
#include "core/rutas.h"

#include <QString>

#include <functional>

class QAbstractButton;
class QTableWidget;
class QWidget;

namespace tarvia {

// Shows a message to the user (the program's message window).
using AvisoExportacion = std::function<void(const QString& texto, const QString& titulo)>;

// The cells as shown, quoted as CSV needs; the row captions first when asked.
QString TablaCsv(const QTableWidget& tabla, bool conRotulos, const QString& esquina = {});
// Replaces the file only once the whole text is written.
FalloArchivo GrabarTexto(const QString& ruta, const QString& texto);
// Every export ends here: a failure tells the user which file and why.
// Returns `fallo`.
FalloArchivo InformarExportacion(FalloArchivo fallo, const QString& ruta, const AvisoExportacion& avisar);
// The window as it looks, on the default printer (nothing without one) or in a PDF.
void ImprimirVentana(QWidget& ventana);
FalloArchivo VentanaAPdf(QWidget& ventana, const QString& ruta);
// A click on the button asks for a file name and, unless cancelled, saves there.
void AlPulsarGuardarComo(QAbstractButton* boton, QWidget* ventana, const QString& titulo, const QString& filtro,
                         std::function<void(const QString&)> guardar);

} // namespace tarvia

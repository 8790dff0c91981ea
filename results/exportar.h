#pragma once
// What the analysis windows share to hand their work out: a table as CSV, a
// text written safely; where exports go, and what happens without a printer.
#include "core/formato.h"
#include "core/rutas.h"

#include <QString>

#include <functional>

class QAbstractButton;
class QTableWidget;
class QTableWidgetItem;
class QWidget;

namespace tarvia {

// Shows a message to the user (the program's message window).
using AvisoExportacion = std::function<void(const QString& texto, const QString& titulo)>;

// A right-aligned cell showing x in the locale that keeps the value and its
// decimals for the CSV.
QTableWidgetItem* CeldaNumero(double x, int decimales, const Localizacion& loc);
// The table as CSV: one header row, the row captions first when asked, the
// cells made by CeldaNumero as plain numbers from their values and the rest
// as shown, quoted as CSV needs.
QString TablaCsv(const QTableWidget& tabla, bool conRotulos, const Localizacion& loc, const QString& esquina = {});
// The CSV with its byte-order mark; replaces the file only once the whole
// text is written.
FalloArchivo GrabarCsv(const QString& ruta, const QString& csv);
// Every export ends here: a failure tells the user which file and why.
// Returns `fallo`.
FalloArchivo InformarExportacion(FalloArchivo fallo, const QString& ruta, const AvisoExportacion& avisar);

// Whether there is a printer to print on.
bool HayImpresora();
// Says there is no printer; whether the user then chose "Guardar como PDF…".
bool OfrecerPdfSinImpresora(QWidget* dueno);

// Where the export dialogs open when the user has not exported yet (the
// main window gives its calculations folder).
void FijarCarpetaCalculos(const QString& carpeta);

// Asks where to export with `filtro` ("PDF (*.pdf)"), opening in the last
// folder exported to or the calculations folder. The name gets the filter's
// extension; the reference data folder is refused, and an existing file is
// replaced only if the user says so. Empty when there is nothing to write.
QString PedirRutaExportacion(QWidget* ventana, const QString& titulo, const QString& filtro,
                             const AvisoExportacion& avisar, const QString& nombre = {});
// After an export: on success says which file was written and remembers its folder.
void ConfirmarExportacion(FalloArchivo fallo, const QString& ruta, const AvisoExportacion& avisar);

// A click on the button asks for a file name (PedirRutaExportacion) and,
// unless cancelled, saves there and says how it went (`guardar` reports
// its own failures).
void AlPulsarGuardarComo(QAbstractButton* boton, QWidget* ventana, const QString& titulo, const QString& filtro,
                         AvisoExportacion avisar, std::function<FalloArchivo(const QString&)> guardar);

} // namespace tarvia

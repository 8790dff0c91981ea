#pragma once
// "Revisar una lista…" from the fuel revision window: a month of invoices
// pasted or imported as CSV, each service revised by its dates, with the
// totals, the lines that could not be revised, a CSV and a PDF report.
#include "presentacion/documento.h"
#include "presentacion/informe.h"
#include "presentacion/revision_lista.h"
#include "results/exportar.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QTableWidget;

namespace tarvia {

class VentanaRevisionLista : public QDialog {
    Q_OBJECT
public:
    // The calculation gives the mass and fuel share of the services that do
    // not say theirs; `obra` the works flag by default.
    VentanaRevisionLista(const Documento& doc, TablaIndices indices, TablaGasoleo precios, bool obra,
                         AvisoExportacion avisar, QWidget* dueno = nullptr);

    QPlainTextEdit* lista() const { return lista_; }
    QTableWidget* tabla() const { return tabla_; }
    QListWidget* errores() const { return errores_; }
    QString Totales() const;
    const RevisionDeLista& Resultado() const { return revision_; }

    // Revises the text of the list box.
    void Revisar();
    // Puts the file's text in the list box and revises it: whether it could be read.
    bool Importar(const QString& ruta);
    FalloArchivo ExportarCsv(const QString& ruta) const;
    Informe InformeActual() const;
    FalloArchivo GuardarPdf(const QString& ruta) const;

private:
    const Documento& doc_;
    TablaIndices indices_;
    TablaGasoleo precios_;
    bool obra_ = false;
    AvisoExportacion avisar_;
    QPlainTextEdit* lista_ = nullptr;
    QTableWidget* tabla_ = nullptr;
    QLabel* totales_ = nullptr;
    QListWidget* errores_ = nullptr;
    RevisionDeLista revision_;
};

} // namespace tarvia

#pragma once
// "Imprimir → Resumen de costes…": the one-page summary as it will print,
// with the buttons to print it or save it as a PDF.
#include "presentacion/informe.h"
#include "results/exportar.h"

#include <QDialog>
#include <QPrinter>

class QPrintPreviewWidget;
class QPushButton;

namespace tarvia {

class VentanaResumen : public QDialog {
    Q_OBJECT
public:
    // `nombrePdf`: the name the save dialog proposes.
    VentanaResumen(Informe informe, AvisoExportacion avisar, const QString& nombrePdf = {}, QWidget* padre = nullptr);

    const Informe& informe() const { return informe_; }
    QPrintPreviewWidget* vista() const { return vista_; }
    QPushButton* botonPdf() const { return pdf_; }
    QPushButton* botonImprimir() const { return imprimir_; }

private:
    Informe informe_;
    AvisoExportacion avisar_;
    QPrinter impresora_;
    QPrintPreviewWidget* vista_ = nullptr;
    QPushButton* pdf_ = nullptr;
    QPushButton* imprimir_ = nullptr;
};

} // namespace tarvia

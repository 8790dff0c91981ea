#include "results/ventana_resumen.h"

#include "results/pintar_informe.h"

#include <QDialogButtonBox>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvia {

VentanaResumen::VentanaResumen(Informe informe, AvisoExportacion avisar, const QString& nombrePdf, QWidget* padre)
    : QDialog(padre), informe_(std::move(informe)), avisar_(std::move(avisar)), impresora_(QPrinter::HighResolution)
{
    setObjectName(QStringLiteral("frmResumen"));
    setWindowTitle(informe_.titulo);
    // The page as the printer and the PDF get it: A4, the report's own margins.
    impresora_.setFullPage(true);
    impresora_.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    vista_ = new QPrintPreviewWidget(&impresora_, this);
    vista_->setZoomMode(QPrintPreviewWidget::FitInView);
    connect(vista_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* p) { PintarInforme(informe_, *p); });

    auto* botones = new QDialogButtonBox(this);
    pdf_ = botones->addButton(QStringLiteral("Guardar como PDF…"), QDialogButtonBox::ActionRole);
    imprimir_ = botones->addButton(QStringLiteral("Imprimir"), QDialogButtonBox::ActionRole);
    botones->addButton(QStringLiteral("Cerrar"), QDialogButtonBox::RejectRole);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Without a printer, ImprimirInforme says so and offers the PDF.
    connect(imprimir_, &QPushButton::clicked, this, [this] { ImprimirInforme(informe_, this, avisar_); });
    connect(pdf_, &QPushButton::clicked, this, [this, nombrePdf] {
        const QString ruta = PedirRutaExportacion(this, QStringLiteral("Guardar como PDF"),
                                                  QStringLiteral("PDF (*.pdf)"), avisar_, nombrePdf);
        if (!ruta.isEmpty())
            ConfirmarExportacion(InformarExportacion(InformeAPdf(informe_, ruta), ruta, avisar_), ruta, avisar_);
    });

    auto* capa = new QVBoxLayout(this);
    capa->addWidget(vista_, 1);
    capa->addWidget(botones);
    resize(760, 690); // the whole page readable on a laptop's screen
}

} // namespace tarvia

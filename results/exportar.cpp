#include "results/exportar.h"

#include "core/archivo.h"
#include "core/archivo_seguro.h"
#include "core/csv.h"
#include "sheets/impresion.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QTableWidget>

namespace tarvia {

QString TablaCsv(const QTableWidget& tabla, bool conRotulos, const QString& esquina)
{
    const auto texto = [](const QTableWidgetItem* i) { return i ? i->text() : QString(); };
    QStringList cabecera;
    if (conRotulos)
        cabecera << esquina;
    for (int c = 0; c < tabla.columnCount(); ++c)
        cabecera << texto(tabla.horizontalHeaderItem(c));
    QString csv = FilaCsv(cabecera);
    for (int f = 0; f < tabla.rowCount(); ++f) {
        QStringList fila;
        if (conRotulos)
            fila << texto(tabla.verticalHeaderItem(f));
        for (int c = 0; c < tabla.columnCount(); ++c)
            fila << texto(tabla.item(f, c));
        csv += FilaCsv(fila);
    }
    return csv;
}

FalloArchivo GrabarTexto(const QString& ruta, const QString& texto)
{
    ArchivoSeguro archivo(ruta);
    if (const FalloArchivo f = archivo.Abrir(); f != FalloArchivo::Ninguno)
        return f;
    // A failed write leaves its reason for Confirmar, which then replaces nothing.
    archivo.write(texto.toUtf8());
    return archivo.Confirmar();
}

FalloArchivo InformarExportacion(FalloArchivo fallo, const QString& ruta, const AvisoExportacion& avisar)
{
    if (fallo == FalloArchivo::Ninguno || !avisar)
        return fallo;
    QString texto = MensajeEscritura(fallo, ruta);
    // A missing folder or a bad name is told without the file: it goes after.
    const QString nombre = QDir::toNativeSeparators(ruta);
    if (!texto.contains(nombre))
        texto += QStringLiteral("\r\n\r\n«%1»").arg(nombre);
    avisar(texto, QStringLiteral("Error"));
    return fallo;
}

void ImprimirVentana(QWidget& ventana)
{
    DestinoImpresora impresora;
    impresora.Imprimir(Hoja::R, ImagenVentana(ventana));
}

FalloArchivo VentanaAPdf(QWidget& ventana, const QString& ruta)
{
    DestinoPdf pdf(ruta);
    pdf.Imprimir(Hoja::R, ImagenVentana(ventana));
    return pdf.Cerrar();
}

void AlPulsarGuardarComo(QAbstractButton* boton, QWidget* ventana, const QString& titulo, const QString& filtro,
                         std::function<void(const QString&)> guardar)
{
    QObject::connect(boton, &QAbstractButton::clicked, ventana, [=] {
        const QString ruta = QFileDialog::getSaveFileName(ventana, titulo, QString(), filtro);
        if (!ruta.isEmpty())
            guardar(ruta);
    });
}

} // namespace tarvia

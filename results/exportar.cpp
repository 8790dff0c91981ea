#include "results/exportar.h"

#include "core/archivo_seguro.h"
#include "sheets/impresion.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QTableWidget>

namespace tarvia {

QString TablaCsv(const QTableWidget& tabla, bool conRotulos, const QString& esquina)
{
    const auto texto = [](const QTableWidgetItem* i) { return i ? i->text() : QString(); };
    QStringList filas;
    QStringList cabecera;
    if (conRotulos)
        cabecera << esquina;
    for (int c = 0; c < tabla.columnCount(); ++c)
        cabecera << texto(tabla.horizontalHeaderItem(c));
    filas << cabecera.join(u';');
    for (int f = 0; f < tabla.rowCount(); ++f) {
        QStringList fila;
        if (conRotulos)
            fila << texto(tabla.verticalHeaderItem(f));
        for (int c = 0; c < tabla.columnCount(); ++c)
            fila << texto(tabla.item(f, c));
        filas << fila.join(u';');
    }
    return filas.join(u'\n') + u'\n';
}

bool GrabarTexto(const QString& ruta, const QString& texto)
{
    ArchivoSeguro archivo(ruta);
    if (archivo.Abrir() != FalloArchivo::Ninguno)
        return false;
    const QByteArray bytes = texto.toUtf8();
    if (archivo.write(bytes) != bytes.size()) {
        archivo.Descartar();
        return false;
    }
    return archivo.Confirmar() == FalloArchivo::Ninguno;
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

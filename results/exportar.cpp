#include "results/exportar.h"

#include "core/archivo.h"
#include "core/archivo_seguro.h"
#include "core/csv.h"
#include "core/destino_exportacion.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableWidget>

namespace tarvia {

namespace {

// Where CeldaNumero keeps the value behind the text it shows.
constexpr int kRolValor = Qt::UserRole + 1;
constexpr int kRolDecimales = Qt::UserRole + 2;

} // namespace

QTableWidgetItem* CeldaNumero(double x, int decimales, const Localizacion& loc)
{
    auto* item = new QTableWidgetItem(FormatearNumero(x, decimales, loc));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setData(kRolValor, x);
    item->setData(kRolDecimales, decimales);
    return item;
}

QString TablaCsv(const QTableWidget& tabla, bool conRotulos, const Localizacion& loc, const QString& esquina)
{
    const auto texto = [](const QTableWidgetItem* i) { return i ? i->text() : QString(); };
    const auto campo = [&](const QTableWidgetItem* i) {
        if (!i || !i->data(kRolValor).isValid())
            return texto(i);
        return NumeroCsv(i->data(kRolValor).toDouble(), i->data(kRolDecimales).toInt(), loc);
    };
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
            fila << campo(tabla.item(f, c));
        csv += FilaCsv(fila);
    }
    return csv;
}

FalloArchivo GrabarCsv(const QString& ruta, const QString& csv)
{
    ArchivoSeguro archivo(ruta);
    if (const FalloArchivo f = archivo.Abrir(); f != FalloArchivo::Ninguno)
        return f;
    // A failed write leaves its reason for Confirmar, which then replaces nothing.
    archivo.write(BytesCsv(csv, true));
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

namespace {

struct CarpetasExportacion {
    QString calculos;
    QString ultima; // this session's last export
};

CarpetasExportacion& Carpetas()
{
    static CarpetasExportacion carpetas;
    return carpetas;
}

void Avisar(const AvisoExportacion& avisar, const QString& texto, const QString& titulo)
{
    if (avisar)
        avisar(texto, titulo);
    else
        QMessageBox::information(QApplication::activeWindow(), titulo, texto);
}

// "No" is the default: Enter must not lose the file already there.
bool PreguntarReemplazar(QWidget* dueno, const QString& ruta)
{
    QMessageBox pregunta(
        QMessageBox::Question, QStringLiteral("Reemplazar archivo"),
        QStringLiteral("El archivo «%1» ya existe. ¿Desea reemplazarlo?").arg(QDir::toNativeSeparators(ruta)),
        QMessageBox::NoButton, dueno);
    pregunta.setObjectName(QStringLiteral("PreguntaReemplazar"));
    QPushButton* si = pregunta.addButton(QStringLiteral("Sí"), QMessageBox::YesRole);
    QPushButton* no = pregunta.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    pregunta.setDefaultButton(no);
    pregunta.setEscapeButton(no);
    pregunta.exec();
    return pregunta.clickedButton() == si;
}

} // namespace

bool HayImpresora() { return !QPrinterInfo::availablePrinters().isEmpty() && !QPrinterInfo::defaultPrinter().isNull(); }

bool OfrecerPdfSinImpresora(QWidget* dueno)
{
    QMessageBox aviso(QMessageBox::Information, QStringLiteral("Imprimir"),
                      QStringLiteral("No hay ninguna impresora instalada."), QMessageBox::NoButton, dueno);
    aviso.setObjectName(QStringLiteral("SinImpresora"));
    QPushButton* pdf = aviso.addButton(QStringLiteral("Guardar como PDF…"), QMessageBox::AcceptRole);
    QPushButton* cerrar = aviso.addButton(QStringLiteral("Cerrar"), QMessageBox::RejectRole);
    aviso.setDefaultButton(cerrar);
    aviso.setEscapeButton(cerrar);
    aviso.exec();
    return aviso.clickedButton() == pdf;
}

void FijarCarpetaCalculos(const QString& carpeta) { Carpetas().calculos = carpeta; }

QString PedirRutaExportacion(QWidget* ventana, const QString& titulo, const QString& filtro,
                             const AvisoExportacion& avisar, const QString& nombre)
{
    const QString inicio = CarpetaInicialExportacion(Carpetas().ultima, Carpetas().calculos);
    const QString elegida =
        QFileDialog::getSaveFileName(ventana, titulo, nombre.isEmpty() ? inicio : QDir(inicio).filePath(nombre), filtro,
                                     nullptr, QFileDialog::DontConfirmOverwrite);
    if (elegida.isEmpty())
        return {};
    const QString ruta = ConExtension(elegida, ExtensionDelFiltro(filtro));
    const QString carpeta = QFileInfo(ruta).absolutePath();
    if (EsCarpetaDeReferencia(carpeta)) {
        Avisar(avisar,
               QStringLiteral("La carpeta «%1» guarda los datos de referencia del programa y no se escribe en ella. "
                              "Elija otra carpeta.")
                   .arg(QDir::toNativeSeparators(carpeta)),
               QStringLiteral("Error"));
        return {};
    }
    if (QFileInfo::exists(ruta) && !PreguntarReemplazar(ventana, ruta))
        return {};
    return ruta;
}

void ConfirmarExportacion(FalloArchivo fallo, const QString& ruta, const AvisoExportacion& avisar)
{
    if (fallo != FalloArchivo::Ninguno)
        return;
    Carpetas().ultima = QFileInfo(ruta).absolutePath();
    Avisar(avisar, QStringLiteral("Se ha guardado «%1».").arg(QDir::toNativeSeparators(ruta)),
           QStringLiteral("Guardar"));
}

void AlPulsarGuardarComo(QAbstractButton* boton, QWidget* ventana, const QString& titulo, const QString& filtro,
                         AvisoExportacion avisar, std::function<FalloArchivo(const QString&)> guardar)
{
    QObject::connect(boton, &QAbstractButton::clicked, ventana, [=] {
        const QString ruta = PedirRutaExportacion(ventana, titulo, filtro, avisar);
        if (!ruta.isEmpty())
            ConfirmarExportacion(guardar(ruta), ruta, avisar);
    });
}

} // namespace tarvia

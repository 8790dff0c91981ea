#include "sheets/impresion.h"

#include "engine/resultados.h"
#include "presentacion/documento.h"
#include "presentacion/edicion.h"
#include "sheets/caja_texto.h"
#include "sheets/colores.h"
#include "sheets/hoja_disenada.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>

#include <cstring>
#include <optional>

namespace tarvia {

namespace {

// A cut between pages goes where this many rows in a row are alike, so that
// no line of text is split; it may move up by a quarter of a page for that.
constexpr int kFilasIguales = 4;
// A sheet up to this much taller than the page is shrunk onto one page.
constexpr double kEncogerHasta = 1.2;

int Corte(const QImage& imagen, int desde, int hasta)
{
    const int minimo = hasta - (hasta - desde) / 4;
    const auto bytes = static_cast<size_t>(imagen.bytesPerLine());
    int iguales = 1;
    for (int y = hasta - 1; y > minimo; --y) {
        iguales = std::memcmp(imagen.constScanLine(y), imagen.constScanLine(y - 1), bytes) == 0 ? iguales + 1 : 1;
        if (iguales >= kFilasIguales)
            return y + kFilasIguales / 2; // in the middle of the blank band
    }
    return hasta;
}

// The colours the sheet has on show: the strip's background and the
// highlighted title frame.
void Preparar(VentanaHoja& hoja)
{
    QPalette p = hoja.palette();
    p.setColor(QPalette::Window, QColor(colores::Patillas));
    hoja.setPalette(p);
    hoja.setAutoFillBackground(true);
    hoja.FijarColorTitulo(QColor(colores::BotonCaracteristicas));
    hoja.Refrescar();
}

DestinoImpresion*& DestinoFijado()
{
    static DestinoImpresion* destino = nullptr;
    return destino;
}

} // namespace

QImage ImagenHoja::Rasterizar(double escala) const
{
    QImage imagen((QSizeF(tamano) * escala).toSize(), QImage::Format_RGB32);
    imagen.fill(Qt::white);
    QPainter p(&imagen);
    p.scale(escala, escala);
    p.drawPicture(0, 0, dibujo);
    return imagen;
}

ImagenHoja ImagenVentana(QWidget& ventana)
{
    ImagenHoja imagen;
    imagen.tamano = ventana.size();
    ventana.render(&imagen.dibujo);
    return imagen;
}

void PintarEnPaginas(QPainter& p, QPagedPaintDevice& d, const ImagenHoja& imagen)
{
    if (imagen.tamano.isEmpty() || d.width() <= 0 || d.height() <= 0)
        return;
    // Device pixels per screen pixel; a picture plays scaled by the
    // device's resolution over the screen's, which the painter takes back.
    double escala = static_cast<double>(d.width()) / imagen.tamano.width();
    const double alto = imagen.tamano.height() * escala;
    if (alto > d.height() && alto <= d.height() * kEncogerHasta)
        escala = d.height() / static_cast<double>(imagen.tamano.height());
    const double resolucion = d.logicalDpiY() / static_cast<double>(imagen.dibujo.logicalDpiY());
    const int altoPagina = std::max(kFilasIguales * 4, static_cast<int>(d.height() / escala));
    const QImage filas = imagen.tamano.height() > altoPagina ? imagen.Rasterizar() : QImage();
    for (int y = 0;;) {
        int hasta = std::min(imagen.tamano.height(), y + altoPagina);
        if (hasta < imagen.tamano.height())
            hasta = Corte(filas, y, hasta);
        p.save();
        p.setClipRect(QRectF(0, 0, d.width(), (hasta - y) * escala));
        p.scale(escala / resolucion, escala / resolucion);
        p.drawPicture(QPointF(0, -y * resolucion), imagen.dibujo);
        p.restore();
        y = hasta;
        if (y >= imagen.tamano.height())
            break;
        d.newPage();
    }
}

void DestinoImpresora::Imprimir(Hoja h, const ImagenHoja& imagen)
{
    QPrinter impresora(QPrinter::HighResolution); // the default printer
    impresora.setDocName(QStringLiteral("TARVIA - ") + QString::fromUtf8(TituloHoja(h)));
    QPainter p;
    if (!p.begin(&impresora))
        return; // no printer, or off line: nothing to say
    PintarEnPaginas(p, impresora, imagen);
    p.end();
}

DestinoPdf::DestinoPdf(const QString& ruta) : archivo_(ruta) {}

DestinoPdf::~DestinoPdf() = default; // unfinished: the file is left as it was

bool DestinoPdf::Abrir()
{
    if (abierto_ || fallo_ != FalloArchivo::Ninguno)
        return abierto_;
    if (fallo_ = archivo_.Abrir(); fallo_ != FalloArchivo::Ninguno)
        return false;
    pdf_ = std::make_unique<QPdfWriter>(&archivo_);
    pdf_->setTitle(QStringLiteral("TARVIA"));
    pdf_->setCreator(QStringLiteral("TARVIA"));
    pdf_->setResolution(300);
    pdf_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                    QPageLayout::Millimeter));
    if (!pintor_.begin(pdf_.get())) {
        fallo_ = FalloArchivo::MalEstado;
        return false;
    }
    abierto_ = true;
    return true;
}

void DestinoPdf::Imprimir(Hoja, const ImagenHoja& imagen)
{
    const bool primera = !abierto_;
    if (!Abrir())
        return;
    if (!primera)
        pdf_->newPage();
    PintarEnPaginas(pintor_, *pdf_, imagen);
}

FalloArchivo DestinoPdf::Cerrar()
{
    if (!Abrir())
        return fallo_;
    abierto_ = false;
    fallo_ = FalloArchivo::MalEstado; // closed once
    if (!pintor_.end())
        return fallo_ = archivo_.Abandonar();
    return archivo_.Confirmar();
}

Impresion::Impresion(Documento& doc, Cargar cargar, VentanaHoja* activa, DestinoImpresion& destino,
                     std::function<void()> mostrarMensajes)
    : doc_(doc), cargar_(std::move(cargar)), activa_(activa), destino_(destino),
      mostrarMensajes_(std::move(mostrarMensajes))
{
}

void Impresion::Imprimir(Hoja h)
{
    switch (h) {
    case Hoja::R: ImprimirResultados(); break;
    case Hoja::S: ImprimirServicio(); break;
    default: ImprimirEntrada(h); break;
    }
}

void Impresion::Todo()
{
    for (Hoja h : OrdenTodos)
        Imprimir(h);
}

void Impresion::ImprimirEntrada(Hoja h)
{
    CajaTexto* caja = CajaEditada(false);
    if (caja)
        Confirmar(*caja);
    Enviar(h);
    if (caja)
        Editar(*caja);
}

void Impresion::ImprimirResultados()
{
    VentanaHoja* resultados = cargar_(Hoja::R);
    if (!resultados)
        return;
    resultados->Activar(); // Actualizar, and both charts drawn
    Enviar(Hoja::R);
}

void Impresion::ImprimirServicio()
{
    Actualizar(doc_); // the services are priced from the unit costs
    CajaTexto* caja = CajaEditada(true);
    if (caja)
        Confirmar(*caja);
    Enviar(Hoja::S);
    if (caja)
        Editar(*caja);
}

void Impresion::Enviar(Hoja h)
{
    VentanaHoja* hoja = cargar_(h);
    if (!hoja)
        return; // a sheet not built: nothing to print
    Preparar(*hoja);
    destino_.Imprimir(h, ImagenVentana(*hoja));
}

CajaTexto* Impresion::CajaEditada(bool servicio) const
{
    if (!activa_ || activa_->hoja() == Hoja::R || (activa_->hoja() == Hoja::S) != servicio)
        return nullptr;
    auto* disenada = qobject_cast<HojaDisenada*>(activa_);
    auto* caja = disenada ? qobject_cast<CajaTexto*>(disenada->ControlActivo()) : nullptr;
    return caja && caja->editando() ? caja : nullptr;
}

// As on leaving the field, so that the paper shows the checked, formatted value.
void Impresion::Confirmar(CajaTexto& caja)
{
    const Hoja h = activa_->hoja();
    ConfirmarCampo(doc_, h, caja.indice(), caja.text(), kTeclaSalida);
    activa_->Refrescar(); // every box but the edited one
    caja.setText(doc_.pantalla.caja(h, Columna::S, caja.indice()).texto);
    caja.setCursorPosition(0);
    if (mostrarMensajes_)
        mostrarMensajes_(); // a refused entry says why before the paper comes out
}

// The user goes on typing where the printing interrupted.
void Impresion::Editar(CajaTexto& caja) { caja.Aplicar(MostrarParaEditar(doc_, activa_->hoja(), caja.indice())); }

void FijarDestinoImpresion(DestinoImpresion* destino) { DestinoFijado() = destino; }

DestinoImpresion& DestinoActual()
{
    static DestinoImpresora impresora;
    DestinoImpresion* fijado = DestinoFijado();
    return fijado ? *fijado : impresora;
}

} // namespace tarvia

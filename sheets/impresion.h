#pragma once
// Printing the sheets: each one as the image of its window, fitted to the
// page width and cut into pages when taller, one job per sheet. The same
// code feeds the default printer (the "Imprimir" menu) and a PDF file
// (tarvia-calc --pdf).
#include "core/archivo.h"
#include "core/hojas.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <array>
#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPdfWriter;
class QWidget;

namespace tarvia {

class CajaTexto;
class Documento;
class VentanaHoja;

// "Todos los formularios": the input sheets, then the results, then the service.
inline constexpr std::array<Hoja, kNumeroDeHojas> OrdenTodos = {Hoja::C, Hoja::F1, Hoja::F2, Hoja::F3,
                                                                Hoja::V, Hoja::I,  Hoja::R,  Hoja::S};

// A window as it looks on screen, kept as drawing commands so that on paper
// text stays text and the charts stay sharp at any resolution.
struct ImagenHoja {
    QPicture dibujo;
    QSize tamano; // the window's, in screen pixels

    // Drawn into pixels, `escala` of them per screen pixel.
    QImage Rasterizar(double escala = 1) const;
};

ImagenHoja ImagenVentana(QWidget& ventana);

// Paints a sheet's image on a device whose painter is active, from the top
// of the current page: fitted to the page width and cut into pages when
// taller (only slightly taller: shrunk onto one page instead).
void PintarEnPaginas(QPainter& p, QPagedPaintDevice& d, const ImagenHoja& imagen);

// Where the printed sheets go: each call is one job.
class DestinoImpresion {
public:
    virtual ~DestinoImpresion() = default;
    virtual void Imprimir(Hoja h, const ImagenHoja& imagen) = 0;
};

// The system's default printer. Without one the job is dropped silently.
class DestinoImpresora final : public DestinoImpresion {
public:
    void Imprimir(Hoja h, const ImagenHoja& imagen) override;
};

// One PDF file with the sheets one after another, each from a new page.
class DestinoPdf final : public DestinoImpresion {
public:
    explicit DestinoPdf(const QString& ruta);
    ~DestinoPdf() override;
    void Imprimir(Hoja h, const ImagenHoja& imagen) override;
    // Writes the file out; why it could not, or Ninguno.
    FalloArchivo Cerrar();

private:
    bool Abrir();

    ArchivoSeguro archivo_;
    std::unique_ptr<QPdfWriter> pdf_;
    QPainter pintor_;
    bool abierto_ = false;
    FalloArchivo fallo_ = FalloArchivo::Ninguno;
};

// The print sequences of the menu items, on whatever holds the sheets.
class Impresion {
public:
    // Loads a sheet (created hidden) if it is not yet; nullptr when it cannot be.
    using Cargar = std::function<VentanaHoja*(Hoja)>;

    // `activa`: the sheet on show, whose edited field is committed first;
    // `mostrarMensajes` shows what that commit has to say.
    Impresion(Documento& doc, Cargar cargar, VentanaHoja* activa, DestinoImpresion& destino,
              std::function<void()> mostrarMensajes = {});

    // The item of one sheet: input-sheet, results or service print.
    void Imprimir(Hoja h);
    // "Todos los formularios".
    void Todo();

private:
    void ImprimirEntrada(Hoja h);
    void ImprimirResultados();
    void ImprimirServicio();
    void Enviar(Hoja h);
    // The personal box being edited on the sheet on show: an input sheet's
    // (C to I) or the service sheet's; nullptr when none.
    CajaTexto* CajaEditada(bool servicio) const;
    void Confirmar(CajaTexto& caja);
    void Editar(CajaTexto& caja);

    Documento& doc_;
    Cargar cargar_;
    VentanaHoja* activa_;
    DestinoImpresion& destino_;
    std::function<void()> mostrarMensajes_;
};

// Where the menu prints (tests); nullptr restores the default printer.
void FijarDestinoImpresion(DestinoImpresion* destino);
DestinoImpresion& DestinoActual();

} // namespace tarvia

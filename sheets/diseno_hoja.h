#pragma once
// The layout table of an input sheet: frames, labels, text boxes and option
// buttons with their positions in twips. One table describes the column
// content once; the framework draws it in the personal column and, when the
// sheet has one, again in the reference column.
#include "core/hojas.h"
#include "presentacion/pantalla.h"
#include "sheets/colores.h"

#include <QRect>
#include <QRgb>
#include <QSize>
#include <optional>
#include <span>

namespace tarvia {

// A frame inside a column. `padre` 0 is the column frame itself; frames are
// listed parents first.
struct MarcoDiseno {
    int id = 0;
    int padre = 0;
    QRect rect; // twips, relative to the parent
    const char* titulo = "";
    QRgb fondoS = 0;                               // background in the personal column
    QRgb fondoO = 0;                               // and in the reference column
    std::optional<Marco> conmutado = std::nullopt; // shown or hidden by an option group
    const char* nombre = nullptr;                  // "D" names it FrameSD / FrameOD
    int ayudaDe = 0;                               // the personal frame shows this field's tooltip
};

struct EtiquetaDiseno {
    int marco = 0; // 0: the column frame
    QRect rect;
    const char* texto = "";
    bool negrita = true;
    bool soloPersonal = false; // not drawn in the reference column
    bool centrada = false;     // column headings above boxes
    bool marcador = false;     // a small "-" in the margin before its first line
    QRgb color = 0;            // text colour; 0: the default
    QRgb fondo = 0;            // a band of this colour behind it; 0: none
    bool recuadro = false;     // drawn inside a box
    int sigueCaja = 0;         // shown only while the box of this field is
};

// The text box of field `indice` (TextS<hoja>(indice) / TextO<hoja>(indice)).
struct CajaDiseno {
    int marco = 0;
    int indice = 0;
    QRect rect;
    QRgb color = 0; // text colour; 0: black
};

// Button `boton` (1 or 2) of the option pair of field `indice`.
struct OpcionDiseno {
    int marco = 0;
    int indice = 0;
    int boton = 1;
    QRect rect;
    const char* texto = "";
    int antesDeCaja = 0; // takes the focus just before this field's box; 0: before every box
};

struct DisenoHoja {
    Hoja hoja = Hoja::C;
    QSize tamano;   // the sheet's Width × Height
    QRect titulo;   // the title frame Frame1, on the sheet
    QRect columnaS; // FrameS inside Frame1
    QRect columnaO; // FrameO inside Frame1; empty: no reference column
    QRgb fondoColumnaS = colores::ColumnaPersonal;
    QRgb fondoColumnaO = colores::ColumnaReferencia;
    std::span<const MarcoDiseno> marcos;
    std::span<const EtiquetaDiseno> etiquetas;
    // The personal controls take the focus in this order: options, then boxes,
    // as listed; an option with `antesDeCaja` goes just before that box.
    std::span<const OpcionDiseno> opciones;
    std::span<const CajaDiseno> cajas;
};

// The usual sheet: the title frame over the whole sheet, the personal column
// on the left and the reference column beside it, both as high, and the
// sheet's tables.
inline DisenoHoja DisenoDosColumnas(Hoja hoja, int alto, int altoColumnas, std::span<const MarcoDiseno> marcos,
                                    std::span<const EtiquetaDiseno> etiquetas, std::span<const CajaDiseno> cajas,
                                    std::span<const OpcionDiseno> opciones = {})
{
    constexpr int kAncho = 11235;
    DisenoHoja d;
    d.hoja = hoja;
    d.tamano = QSize(kAncho, alto);
    d.titulo = QRect(0, 0, kAncho, alto);
    d.columnaS = QRect(120, 360, 5430, altoColumnas);
    d.columnaO = QRect(5685, 360, 5430, altoColumnas);
    d.marcos = marcos;
    d.etiquetas = etiquetas;
    d.cajas = cajas;
    d.opciones = opciones;
    return d;
}

} // namespace tarvia

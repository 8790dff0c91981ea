#pragma once
// The arithmetic of the main window's two scroll bars and of its placing on
// the screen, in twips. The windows only apply what these return.
#include <cstdint>

namespace tarvia {

// A scroll bar as the sheets are placed with it (Min is always 0).
struct Barra {
    int minimo = 0;
    int maximo = 0;
    int valor = 0;
    int cambioPequeno = 600; // one wheel notch
    int cambioGrande = 1;    // one page
};

// Large change and maximum of the vertical bar for a sheet of height
// `altoHoja` in a viewport (PicVScroll) of height `altoVisor`.
Barra DimensionarV(int altoHoja, int altoVisor);

// The same for the horizontal bar: `anchoTira` is PicHScroll's width,
// `anchoVScroll` PicVScroll's.
Barra DimensionarH(int anchoHoja, int anchoTira, int anchoVScroll);

// Start of the page holding field position `b`, capped at the maximum.
int InicioDePagina(const Barra& barra, int b);

// Brings a control whose vertical field position is `b` and height `alto`
// into view: the new value (unchanged when it is already visible).
int MoverV(const Barra& barra, int b, int alto);
// The same horizontally, with the horizontal field position `x`.
int MoverH(const Barra& barra, int x);

// A position clamped to the bar's range.
int Desplazar(const Barra& barra, int posicion);

// One wheel notch: away from the user (`alejando`) moves up a small change.
int PasoRueda(const Barra& barra, bool alejando);

// Where the main window goes on a work area `anchoTrabajo` wide, given the
// width it asks for: centred when narrower, otherwise at 0 and cut to fit.
struct Horizontal {
    int izquierda = 0;
    int ancho = 0;
};
Horizontal SituarVentana(int anchoPedido, int anchoTrabajo);

// Bar values are 16-bit on the original controls: keep them in range.
int A16Bits(long valor);

} // namespace tarvia

#pragma once
// Colours shared by the sheets and the main window.
#include <QRgb>

namespace tarvia::colores {

inline constexpr QRgb Editable = qRgb(255, 255, 255);
// Background of a disabled box (the grey-text system colour, lightened so
// that the black figures on it stay readable).
inline constexpr QRgb SoloLectura = qRgb(192, 192, 192);
inline constexpr QRgb Texto = qRgb(0, 0, 0);
// The default button face: the inactive sheet buttons and cmbCerrar.
inline constexpr QRgb CaraBoton = qRgb(212, 208, 200);
// The application workspace behind the sheets while nothing is open.
inline constexpr QRgb EspacioTrabajo = qRgb(171, 171, 171);
inline constexpr QRgb Patillas = qRgb(255, 255, 192);
inline constexpr QRgb BotonCaracteristicas = qRgb(180, 215, 168);
inline constexpr QRgb FrameTodos = qRgb(223, 217, 140);

// The two columns of a sheet: the personal one bluish, the reference grey.
inline constexpr QRgb ColumnaPersonal = qRgb(192, 192, 255);
inline constexpr QRgb ColumnaReferencia = qRgb(192, 192, 192);
// A group of fields inside a column, and the outer frame of a purchase block.
inline constexpr QRgb GrupoPersonal = qRgb(234, 234, 255);
inline constexpr QRgb GrupoReferencia = qRgb(224, 224, 224);
inline constexpr QRgb BloquePersonal = qRgb(213, 213, 255);
inline constexpr QRgb BloqueReferencia = qRgb(208, 208, 208);
// Text colours of the service sheet's three prices and of notes.
inline constexpr QRgb Azul = qRgb(0, 0, 255);
inline constexpr QRgb Verde = qRgb(0, 128, 0);
inline constexpr QRgb OlivaOscuro = qRgb(128, 128, 0);

} // namespace tarvia::colores

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

} // namespace tarvia::colores

#pragma once
// The program's own pictures, drawn with QPainter: the twenty vehicle types,
// the message icons and the splash artwork.
#include <QPixmap>

namespace tarvia {

// Picture of vehicle type i (0..19), `lado` pixels square.
QPixmap DibujoVehiculo(int tipo, int lado);

enum class Icono { Informacion, Alarma, Pregunta };
QPixmap DibujoIcono(Icono icono, int lado);

QPixmap DibujoEscudo(int lado); // the emblem of the issuing body
QPixmap DibujoLogo(int ancho, int alto);

} // namespace tarvia

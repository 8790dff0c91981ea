#pragma once
// Geometry of the cost-structure pie chart, in twips: the circle, the wedge
// angles and where each percentage label goes. No drawing here.
#include <QPointF>
#include <QSizeF>

#include <array>

namespace tarvia {

// The chart's own value of pi, so that a full turn is 6.2831853072.
inline constexpr double kPiGrafico = 3.1415926536;
inline constexpr double kVueltaGrafico = 2 * kPiGrafico;
// The first wedge starts just past 3 o'clock.
inline constexpr double kInicioGrafico = 1e-11;
// Labels stand this far outside the circle.
inline constexpr double kSeparacionEtiqueta = 50;

inline constexpr int kPorciones = 13;

// Heading of each slice, as an index of R; its percentage is R(k + 20).
inline constexpr std::array<int, kPorciones> kIndicePorcion = {1, 2, 3, 4, 5, 7, 20, 8, 9, 10, 6, 11, 18};

struct Circulo {
    double cx = 0, cy = 0, radio = 0;
    bool operator==(const Circulo&) const = default;
};

// The circle inside a picture of that size: the smaller inner side minus
// 650 on each side for the labels, centred in the inner area.
Circulo CirculoDelGrafico(QSizeF picture);

struct Porcion {
    double inicio = 0, fin = 0; // radians, counter-clockwise from 3 o'clock
    bool dibujada() const { return inicio + 1e-11 < fin; }
    double medio() const { return (inicio + fin) / 2; }
    bool operator==(const Porcion&) const = default;
};

// Wedges laid one after another from the rounded percentages; a wedge that
// would pass the full turn stops there.
std::array<Porcion, kPorciones> Porciones(const std::array<double, kPorciones>& porcentajes);

// Top-left corner of a label of that size for a wedge whose middle is at
// theta: on the circle of radius r + 50, lying outside it by quadrant.
// Single precision, as labels are moved.
QPointF PosicionEtiqueta(const Circulo& circulo, double theta, QSizeF etiqueta);

} // namespace tarvia

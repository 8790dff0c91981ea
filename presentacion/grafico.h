#pragma once
// Geometry of the cost-structure pie chart, in twips: the circle, the wedge
// angles and where each percentage label goes. No drawing here.
#include "core/grupos.h"

#include <QPointF>
#include <QRectF>
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

inline constexpr int kPorciones = static_cast<int>(campos::kPorcionesDelGrafico.size());

// Heading of each slice, as an index of R (core/grupos.h); its percentage is R(k + 20).
inline constexpr std::array<int, kPorciones> kIndicePorcion = [] {
    std::array<int, kPorciones> r{};
    for (size_t i = 0; i < r.size(); ++i)
        r[i] = campos::kPorcionesDelGrafico[i].i;
    return r;
}();

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

// Where labels may go: the picture's inner area, the one the circle is
// centred in.
QRectF AreaDelGrafico(QSizeF picture);

// Labels stacked on one side of the pie keep this gap between them.
inline constexpr double kHuecoEtiquetas = 10;

struct EtiquetaColocada {
    bool visible = false; // a wedge that draws nothing has no label
    QRectF rect;          // twips
    // When the label had to leave its place beside the wedge, a line joins
    // the wedge's edge (desde) to the nearest point of the label (hasta).
    bool guia = false;
    QPointF desde, hasta;
    bool operator==(const EtiquetaColocada&) const = default;
};

// Places the labels of the drawn wedges, each beside its wedge when there is
// room; labels that would overlap are spread up and down a column on their
// side of the pie and joined to their wedge by a line. No two
// labels overlap and all stay inside the area whenever one side of the pie
// can hold them all, as the pictures of the sheet can.
std::array<EtiquetaColocada, kPorciones> ColocarEtiquetas(const Circulo& circulo,
                                                          const std::array<Porcion, kPorciones>& porciones,
                                                          const std::array<QSizeF, kPorciones>& tamanos, QRectF area);

// Colours as the screen shows them, 0 to 255 per channel.
struct ColorRgb {
    int rojo = 0, verde = 0, azul = 0;
    bool operator==(const ColorRgb&) const = default;
};

// Relative luminance and contrast ratio as the accessibility guidelines
// define them: from 1 (same luminance) to 21 (black on white).
double LuminanciaRelativa(ColorRgb c);
double RelacionDeContraste(ColorRgb a, ColorRgb b);

// Normal-size text needs this contrast against its background to be read.
inline constexpr double kContrasteMinimo = 4.5;

// The colour as text on that background: unchanged if it is already
// readable, else the same hue darkened (or lightened, on a dark background)
// just enough to reach the minimum contrast.
ColorRgb ColorDeTextoLegible(ColorRgb color, ColorRgb fondo);

// A value axis with round ticks: from `minimo` to `maximo` every `paso`,
// which is 1, 2, 2.5 or 5 times a power of ten, so that no tick reads 157.002
// or 1,79.
struct EscalaDeEje {
    double minimo = 0, maximo = 1, paso = 0.2;
    int intervalos = 5;
    int decimales = 1; // what the step needs to be read
    bool operator==(const EscalaDeEje&) const = default;
};

// The smallest such scale covering [desde, hasta] in at most `maxIntervalos`
// steps; a single value (or none: NaN) still gets an axis around it.
EscalaDeEje EscalaRedonda(double desde, double hasta, int maxIntervalos = 8);

} // namespace tarvia

#include "presentacion/grafico.h"

#include <algorithm>
#include <cmath>

namespace tarvia {

namespace {
// The picture's border: its inner area is 38 twips narrower and shorter.
constexpr double kBorde = 38;
constexpr double kMargenEtiquetas = 1300;
} // namespace

Circulo CirculoDelGrafico(QSizeF picture)
{
    const double ancho = picture.width() - kBorde;
    const double alto = picture.height() - kBorde;
    const double diametro = std::min(ancho, alto) - kMargenEtiquetas;
    return {ancho / 2, alto / 2, diametro / 2};
}

std::array<Porcion, kPorciones> Porciones(const std::array<double, kPorciones>& porcentajes)
{
    std::array<Porcion, kPorciones> p;
    double inicio = kInicioGrafico;
    for (int i = 0; i < kPorciones; ++i) {
        double fin = inicio + porcentajes[i] * kVueltaGrafico / 100;
        if (fin > kVueltaGrafico)
            fin = kVueltaGrafico;
        p[i] = {inicio, fin};
        inicio = fin;
    }
    return p;
}

QPointF PosicionEtiqueta(const Circulo& k, double theta, QSizeF etiqueta)
{
    const double d = k.radio + kSeparacionEtiqueta;
    const double x = k.cx + d * std::cos(theta);
    const double y = k.cy - d * std::sin(theta);
    double left = x, top = y;
    if (theta < kPiGrafico / 2) {
        top = y - etiqueta.height();
    } else if (theta < kPiGrafico) {
        left = x - etiqueta.width();
        top = y - etiqueta.height();
    } else if (theta < 3 * kPiGrafico / 2) {
        left = x - etiqueta.width();
    }
    // volatile: without it the optimiser drops the round trip through float.
    const volatile float fx = static_cast<float>(left);
    const volatile float fy = static_cast<float>(top);
    return {fx, fy};
}

} // namespace tarvia

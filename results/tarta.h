#pragma once
// One column's cost-structure pie chart, ready to paint on the screen or on
// a printer: wedges, labels and colours, all in twips.
#include "core/formato.h"
#include "presentacion/grafico.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include <array>

class QPainter;

namespace tarvia {

struct EtiquetaTarta {
    QString texto;        // "23,4%"
    QColor color;         // the slice's colour, darkened if the background needs it
    QRectF rect;          // twips, in the picture
    bool visible = false; // wedges that draw nothing have none
    bool guia = false;    // joined to its wedge by a line from desde to hasta
    QPointF desde, hasta;
    bool operator==(const EtiquetaTarta&) const = default;
};

struct Tarta {
    QSizeF tamano; // the picture, twips
    QColor fondo;
    Circulo circulo;
    std::array<Porcion, kPorciones> porciones;
    std::array<QColor, kPorciones> colores;
    std::array<EtiquetaTarta, kPorciones> etiquetas;

    bool operator==(const Tarta&) const = default;
};

// The labels' font: bold 8.25 points, sized in twips (one point is 20).
QFont FuenteEtiquetasTarta();

// A slice's or a legend's colour as text on that background: the same
// colour, darkened where it would not read.
QColor ColorDeTexto(const QColor& color, const QColor& fondo);

// Lays out the chart of a picture of that size from the rounded percentages
// of the thirteen headings and the legend's colours.
Tarta ComponerTarta(QSizeF tamanoTwips, const std::array<double, kPorciones>& porcentajes,
                    const std::array<QColor, kPorciones>& colores, const Localizacion& loc, const QColor& fondo);

// Paints the chart with the painter's origin at the picture's top-left
// corner; pixelesPorTwip scales twips to the device.
void PintarTarta(QPainter& p, const Tarta& t, double pixelesPorTwip);

} // namespace tarvia

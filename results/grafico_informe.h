#pragma once
// The letters and charts of a printed report, in twips: line charts and
// stacked bars on round axes, the pie of the cost structure, each with its
// whole legend.
#include "presentacion/informe.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRectF>

#include <vector>

class QPainter;

namespace tarvia {

enum class Letra { Titulo, Normal, Negrita, Tabla, TablaNegrita, Pequena };

// The report's fonts at a scale (1 is the normal size; a one-page report
// shrinks them all alike).
struct EstiloInforme {
    double escala = 1;
    std::vector<QFont> fuentes; // by Letra
    std::vector<QFontMetricsF> medidas;
    const QFont& Fuente(Letra l) const { return fuentes[size_t(l)]; }
    const QFontMetricsF& Medida(Letra l) const { return medidas[size_t(l)]; }
};
EstiloInforme EstiloDeInforme(double escala);

// The height a chart takes at that width, its legend included.
double AltoDeGrafico(const GraficoInforme& g, const EstiloInforme& estilo, double ancho);
// Paints it in `rect` (twips in the painter's coordinates).
void PintarGrafico(QPainter& p, const QRectF& rect, const GraficoInforme& g, const EstiloInforme& estilo,
                   const Localizacion& loc);

} // namespace tarvia

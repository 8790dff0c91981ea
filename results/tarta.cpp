#include "results/tarta.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace tarvia {

namespace {
// Qt counts angles in sixteenths of a degree.
int Dieciseisavos(double radianes) { return static_cast<int>(std::lround(radianes * 180.0 / kPiGrafico * 16.0)); }

ColorRgb Rgb(const QColor& c) { return {c.red(), c.green(), c.blue()}; }
} // namespace

QColor ColorDeTexto(const QColor& color, const QColor& fondo)
{
    const ColorRgb c = ColorDeTextoLegible(Rgb(color), Rgb(fondo));
    return {c.rojo, c.verde, c.azul};
}

QFont FuenteEtiquetasTarta()
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(165); // 8.25 pt in twips
    f.setBold(true);
    return f;
}

Tarta ComponerTarta(QSizeF tamanoTwips, const std::array<double, kPorciones>& porcentajes,
                    const std::array<QColor, kPorciones>& colores, const Localizacion& loc, const QColor& fondo)
{
    Tarta t;
    t.tamano = tamanoTwips;
    t.fondo = fondo;
    t.circulo = CirculoDelGrafico(tamanoTwips);
    t.porciones = Porciones(porcentajes);
    t.colores = colores;
    const QFontMetricsF medida(FuenteEtiquetasTarta());
    std::array<QSizeF, kPorciones> tamanos;
    for (int i = 0; i < kPorciones; ++i) {
        EtiquetaTarta& e = t.etiquetas[i];
        e.texto = FormatearNumero(porcentajes[i], 1, loc) + u'%';
        e.color = ColorDeTexto(colores[i], fondo);
        tamanos[i] = QSizeF(medida.horizontalAdvance(e.texto), medida.height());
    }
    const auto colocadas = ColocarEtiquetas(t.circulo, t.porciones, tamanos, AreaDelGrafico(tamanoTwips));
    for (int i = 0; i < kPorciones; ++i) {
        EtiquetaTarta& e = t.etiquetas[i];
        const EtiquetaColocada& c = colocadas[i];
        e.visible = c.visible;
        e.rect = c.visible ? c.rect : QRectF(QPointF(), tamanos[i]);
        e.guia = c.guia;
        e.desde = c.desde;
        e.hasta = c.hasta;
    }
    return t;
}

void PintarTarta(QPainter& p, const Tarta& t, double pixelesPorTwip)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.scale(pixelesPorTwip, pixelesPorTwip);
    p.fillRect(QRectF(QPointF(0, 0), t.tamano), t.fondo);

    const Circulo& k = t.circulo;
    const QRectF caja(k.cx - k.radio, k.cy - k.radio, 2 * k.radio, 2 * k.radio);
    QPen borde(Qt::black);
    borde.setCosmetic(true); // one device pixel whatever the scale
    p.setPen(borde);
    for (int i = 0; i < kPorciones; ++i) {
        const Porcion& w = t.porciones[i];
        if (!w.dibujada())
            continue;
        p.setBrush(t.colores[i]);
        // Both ends rounded on their own, so neighbouring wedges meet exactly.
        const int a = Dieciseisavos(w.inicio);
        p.drawPie(caja, a, Dieciseisavos(w.fin) - a);
    }

    p.setFont(FuenteEtiquetasTarta());
    for (const EtiquetaTarta& e : t.etiquetas) {
        if (!e.visible)
            continue;
        if (e.guia) {
            QPen guia(e.color);
            guia.setCosmetic(true);
            p.setPen(guia);
            p.drawLine(e.desde, e.hasta);
        }
        p.setPen(e.color);
        p.drawText(e.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, e.texto);
    }
    p.restore();
}

} // namespace tarvia

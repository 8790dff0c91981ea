#include "results/grafico_informe.h"

#include "presentacion/grafico.h"
#include "results/disposicion.h"
#include "results/tarta.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tarvia {

EstiloInforme EstiloDeInforme(double escala)
{
    // Points of each letter; a twip is a twentieth of a point.
    struct Definicion {
        double puntos;
        bool negrita;
    };
    constexpr std::array<Definicion, 6> kLetras = {{
        {.puntos = 16, .negrita = true}, // Titulo
        {.puntos = 10, .negrita = false},
        {.puntos = 10, .negrita = true},
        {.puntos = 9, .negrita = false}, // Tabla
        {.puntos = 9, .negrita = true},
        {.puntos = 8, .negrita = false}, // Pequena
    }};
    EstiloInforme e;
    e.escala = escala;
    for (const Definicion& d : kLetras) {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setStyleHint(QFont::SansSerif);
        f.setPixelSize(static_cast<int>(std::lround(d.puntos * 20 * escala)));
        f.setBold(d.negrita);
        f.setHintingPreference(QFont::PreferNoHinting); // measured as the PDF will draw it
        e.fuentes.push_back(f);
        e.medidas.emplace_back(f);
    }
    return e;
}

namespace {

// Line colours when a series is not a cost heading.
constexpr std::array<QColor, 4> kPaleta = {{{0, 70, 180}, {200, 60, 0}, {0, 0, 0}, {0, 140, 60}}};

QColor ColorDe(const SerieInforme& s, size_t k)
{
    return s.porcion >= 0 ? resultados::kColoresMuestras[size_t(s.porcion)] : kPaleta[k % kPaleta.size()];
}

struct Leyenda {
    int columnas = 1, filas = 0;
    double anchoColumna = 0, altoFila = 0;
    double alto() const { return filas * altoFila; }
};

Leyenda ComponerLeyenda(const GraficoInforme& g, const EstiloInforme& e, double ancho)
{
    const QFontMetricsF& m = e.Medida(Letra::Pequena);
    double mayor = 0;
    for (const SerieInforme& s : g.series)
        mayor = std::max(mayor, m.horizontalAdvance(s.nombre));
    Leyenda l;
    l.altoFila = m.height() * 1.3;
    l.anchoColumna = mayor + 520 * e.escala;
    l.columnas = std::clamp(static_cast<int>(ancho / l.anchoColumna), 1, 4);
    l.filas = (static_cast<int>(g.series.size()) + l.columnas - 1) / l.columnas;
    l.anchoColumna = std::max(l.anchoColumna, ancho / l.columnas);
    return l;
}

void PintarLeyenda(QPainter& p, QPointF origen, const GraficoInforme& g, const EstiloInforme& e, const Leyenda& l)
{
    const double lado = 180 * e.escala;
    p.setFont(e.Fuente(Letra::Pequena));
    for (size_t k = 0; k < g.series.size(); ++k) {
        const SerieInforme& s = g.series[k];
        const int col = static_cast<int>(k) / l.filas, fila = static_cast<int>(k) % l.filas;
        const QPointF esquina = origen + QPointF(col * l.anchoColumna, fila * l.altoFila);
        const QRectF muestra(esquina.x(), esquina.y() + (l.altoFila - lado) / 2, lado, lado);
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(ColorDe(s, k));
        if (s.soloMarcas)
            p.drawEllipse(muestra);
        else
            p.drawRect(muestra);
        p.setPen(Qt::black);
        p.drawText(QRectF(esquina.x() + lado + 100 * e.escala, esquina.y(), l.anchoColumna - lado, l.altoFila),
                   Qt::AlignLeft | Qt::AlignVCenter, s.nombre);
    }
}

QString Marca(double v, const EscalaDeEje& e, const Localizacion& loc)
{
    return FormatearNumero(std::abs(v) < e.paso * 1e-9 ? 0.0 : v, e.decimales, loc);
}

double AnchoMarcas(const EscalaDeEje& e, const QFontMetricsF& m, const Localizacion& loc)
{
    double w = 0;
    for (int i = 0; i <= e.intervalos; ++i)
        w = std::max(w, m.horizontalAdvance(Marca(e.minimo + i * e.paso, e, loc)));
    return w;
}

constexpr double kAltoTrazado = 3400; // the plot area, twips at scale 1

double AltoTitulo(const GraficoInforme& g, const EstiloInforme& e)
{
    return g.titulo.isEmpty() ? 0 : e.Medida(Letra::Negrita).height() * 1.5;
}

// The scales of a line or bar chart: x (lines only), left and right y.
struct Ejes {
    EscalaDeEje x, izquierdo, derecho;
    bool hayDerecho = false;
};

Ejes EscalasDe(const GraficoInforme& g)
{
    double x0 = NAN, x1 = NAN, i0 = NAN, i1 = NAN, d0 = NAN, d1 = NAN;
    const auto ampliar = [](double& a, double& b, double v) {
        a = std::isnan(a) ? v : std::min(a, v);
        b = std::isnan(b) ? v : std::max(b, v);
    };
    Ejes e;
    if (g.tipo == GraficoInforme::Tipo::BarrasApiladas) {
        std::vector<double> alturas(size_t(g.categorias.size()), 0.0);
        for (const SerieInforme& s : g.series)
            for (const QPointF& p : s.puntos)
                if (p.x() >= 0 && p.x() < double(alturas.size()))
                    alturas[size_t(p.x())] += std::max(0.0, p.y());
        ampliar(i0, i1, 0);
        for (double a : alturas)
            ampliar(i0, i1, a);
        e.izquierdo = EscalaRedonda(i0, i1, 6);
        return e;
    }
    for (const SerieInforme& s : g.series)
        for (const QPointF& p : s.puntos) {
            ampliar(x0, x1, p.x());
            s.ejeDerecho ? ampliar(d0, d1, p.y()) : ampliar(i0, i1, p.y());
        }
    e.x = EscalaRedonda(x0, x1, 8);
    e.izquierdo = EscalaRedonda(i0, i1, 6);
    e.hayDerecho = !std::isnan(d0);
    if (e.hayDerecho)
        e.derecho = EscalaRedonda(d0, d1, 6);
    return e;
}

void PintarTexto(QPainter& p, const QRectF& r, int alineacion, const QString& t) { p.drawText(r, alineacion, t); }

// Text turned a quarter, centred on `centro`.
void TextoGirado(QPainter& p, QPointF centro, double grados, const QString& t, const QFontMetricsF& m)
{
    p.save();
    p.translate(centro);
    p.rotate(grados);
    const double w = m.horizontalAdvance(t);
    p.drawText(QRectF(-w / 2 - 10, -m.height() / 2, w + 20, m.height()), Qt::AlignCenter, t);
    p.restore();
}

// The plot area and its scales: where a value falls.
struct Plano {
    QRectF area;
    Ejes ejes;
    double Y(const EscalaDeEje& s, double v) const
    {
        return area.bottom() - (v - s.minimo) / (s.maximo - s.minimo) * area.height();
    }
    double X(double v) const
    {
        return area.left() + (v - ejes.x.minimo) / (ejes.x.maximo - ejes.x.minimo) * area.width();
    }
    double Categoria(qsizetype n) const { return area.width() / std::max<qsizetype>(1, n); }
};

// Grid lines, tick labels on both sides and below, the frame and the axes' titles.
void PintarMarcas(QPainter& p, const QRectF& rect, const Plano& plano, const GraficoInforme& g, const EstiloInforme& e,
                  const Localizacion& loc)
{
    const QFontMetricsF& m = e.Medida(Letra::Pequena);
    const QRectF& area = plano.area;
    const Ejes& ejes = plano.ejes;
    const double hueco = 80 * e.escala;
    p.setFont(e.Fuente(Letra::Pequena));
    for (int i = 0; i <= ejes.izquierdo.intervalos; ++i) {
        const double v = ejes.izquierdo.minimo + i * ejes.izquierdo.paso, y = plano.Y(ejes.izquierdo, v);
        p.setPen(QPen(QColor(215, 215, 215), 0));
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        p.setPen(Qt::black);
        PintarTexto(p, QRectF(area.left() - hueco - 4000, y - m.height() / 2, 4000, m.height()),
                    Qt::AlignRight | Qt::AlignVCenter, Marca(v, ejes.izquierdo, loc));
    }
    if (ejes.hayDerecho)
        for (int i = 0; i <= ejes.derecho.intervalos; ++i) {
            const double v = ejes.derecho.minimo + i * ejes.derecho.paso, y = plano.Y(ejes.derecho, v);
            PintarTexto(p, QRectF(area.right() + hueco, y - m.height() / 2, 4000, m.height()),
                        Qt::AlignLeft | Qt::AlignVCenter, Marca(v, ejes.derecho, loc));
        }
    const double bajoMarcas = area.bottom() + hueco / 2;
    if (g.tipo == GraficoInforme::Tipo::BarrasApiladas) {
        const double paso = plano.Categoria(g.categorias.size());
        for (qsizetype k = 0; k < g.categorias.size(); ++k)
            PintarTexto(p, QRectF(area.left() + k * paso, bajoMarcas, paso, m.height()), Qt::AlignCenter,
                        g.categorias[k]);
    } else {
        for (int i = 0; i <= ejes.x.intervalos; ++i) {
            const double v = ejes.x.minimo + i * ejes.x.paso, x = plano.X(v);
            p.setPen(QPen(QColor(215, 215, 215), 0));
            p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
            p.setPen(Qt::black);
            PintarTexto(p, QRectF(x - 1500, bajoMarcas, 3000, m.height()), Qt::AlignCenter, Marca(v, ejes.x, loc));
        }
    }
    p.setPen(QPen(Qt::black, 10 * e.escala));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area);
    if (!g.ejeX.isEmpty())
        PintarTexto(p, QRectF(area.left(), bajoMarcas + m.height(), area.width(), m.height()), Qt::AlignCenter, g.ejeX);
    if (!g.ejeY.isEmpty())
        TextoGirado(p, QPointF(rect.left() + m.height() / 2, area.center().y()), -90, g.ejeY, m);
    if (ejes.hayDerecho && !g.ejeYDerecho.isEmpty())
        TextoGirado(p, QPointF(rect.right() - m.height() / 2, area.center().y()), 90, g.ejeYDerecho, m);
}

// The bars stacked one heading on another, or the lines and their marks.
void PintarDatos(QPainter& p, const Plano& plano, const GraficoInforme& g, const EstiloInforme& e)
{
    const Ejes& ejes = plano.ejes;
    p.save();
    p.setClipRect(plano.area.adjusted(-200, -200, 200, 200));
    if (g.tipo == GraficoInforme::Tipo::BarrasApiladas) {
        const double paso = plano.Categoria(g.categorias.size());
        std::vector<double> base(size_t(g.categorias.size()), 0.0);
        for (size_t k = 0; k < g.series.size(); ++k)
            for (const QPointF& punto : g.series[k].puntos) {
                const auto c = static_cast<size_t>(punto.x());
                if (c >= base.size() || punto.y() <= 0)
                    continue;
                const double y0 = plano.Y(ejes.izquierdo, base[c]), y1 = plano.Y(ejes.izquierdo, base[c] + punto.y());
                p.setPen(QPen(Qt::black, 0));
                p.setBrush(ColorDe(g.series[k], k));
                p.drawRect(QRectF(plano.area.left() + (double(c) + 0.2) * paso, y1, 0.6 * paso, y0 - y1));
                base[c] += punto.y();
            }
        p.restore();
        return;
    }
    for (size_t k = 0; k < g.series.size(); ++k) {
        const SerieInforme& s = g.series[k];
        const EscalaDeEje& eje = s.ejeDerecho ? ejes.derecho : ejes.izquierdo;
        if (s.soloMarcas) {
            p.setPen(QPen(Qt::black, 0));
            p.setBrush(ColorDe(s, k));
            for (const QPointF& q : s.puntos)
                p.drawEllipse(QPointF(plano.X(q.x()), plano.Y(eje, q.y())), 70 * e.escala, 70 * e.escala);
            continue;
        }
        QPainterPath linea;
        for (size_t i = 0; i < s.puntos.size(); ++i) {
            const QPointF q(plano.X(s.puntos[i].x()), plano.Y(eje, s.puntos[i].y()));
            i == 0 ? linea.moveTo(q) : linea.lineTo(q);
        }
        p.setPen(QPen(ColorDe(s, k), 25 * e.escala));
        p.setBrush(Qt::NoBrush);
        p.drawPath(linea);
    }
    p.restore();
}

void PintarEjes(QPainter& p, const QRectF& rect, const GraficoInforme& g, const EstiloInforme& e,
                const Localizacion& loc)
{
    // Room beside the plot for the tick labels and the rotated axis titles.
    const QFontMetricsF& m = e.Medida(Letra::Pequena);
    const Ejes ejes = EscalasDe(g);
    const double hueco = 80 * e.escala;
    const double izquierda = (g.ejeY.isEmpty() ? 0 : m.height() + hueco) + AnchoMarcas(ejes.izquierdo, m, loc) + hueco;
    const double derecha =
        ejes.hayDerecho ? (g.ejeYDerecho.isEmpty() ? 0 : m.height() + hueco) + AnchoMarcas(ejes.derecho, m, loc) + hueco
                        : 300 * e.escala;
    const Plano plano{QRectF(rect.left() + izquierda, rect.top() + AltoTitulo(g, e), rect.width() - izquierda - derecha,
                             kAltoTrazado * e.escala),
                      ejes};
    PintarMarcas(p, rect, plano, g, e, loc);
    PintarDatos(p, plano, g, e);
}

double AltoEjes(const EstiloInforme& e)
{
    return kAltoTrazado * e.escala + 2 * e.Medida(Letra::Pequena).height() + 200 * e.escala;
}

constexpr double kLadoTarta = 3315; // the results sheet's picture, twips

} // namespace

double AltoDeGrafico(const GraficoInforme& g, const EstiloInforme& e, double ancho)
{
    if (g.tipo == GraficoInforme::Tipo::Tarta) {
        const Leyenda l = ComponerLeyenda(g, e, std::max(1.0, ancho - kLadoTarta * e.escala));
        return AltoTitulo(g, e) + std::max(kLadoTarta * e.escala, l.alto());
    }
    return AltoTitulo(g, e) + AltoEjes(e) + ComponerLeyenda(g, e, ancho).alto();
}

void PintarGrafico(QPainter& p, const QRectF& rect, const GraficoInforme& g, const EstiloInforme& e,
                   const Localizacion& loc)
{
    p.save();
    if (!g.titulo.isEmpty()) {
        p.setFont(e.Fuente(Letra::Negrita));
        p.setPen(Qt::black);
        p.drawText(QRectF(rect.left(), rect.top(), rect.width(), AltoTitulo(g, e)), Qt::AlignCenter, g.titulo);
    }
    if (g.tipo == GraficoInforme::Tipo::Tarta) {
        const double lado = kLadoTarta * e.escala;
        std::array<double, kPorciones> porcentajes{};
        for (size_t k = 0; k < porcentajes.size() && k < g.porcentajes.size(); ++k)
            porcentajes[k] = g.porcentajes[k];
        std::array<QColor, kPorciones> colores{};
        std::copy(resultados::kColoresMuestras.begin(), resultados::kColoresMuestras.end(), colores.begin());
        const Tarta t = ComponerTarta(QSizeF(kLadoTarta, kLadoTarta), porcentajes, colores, loc, Qt::white);
        p.save();
        p.translate(rect.left(), rect.top() + AltoTitulo(g, e));
        PintarTarta(p, t, e.escala);
        p.restore();
        const Leyenda l = ComponerLeyenda(g, e, std::max(1.0, rect.width() - lado));
        PintarLeyenda(p, QPointF(rect.left() + lado + 200 * e.escala, rect.top() + AltoTitulo(g, e)), g, e, l);
    } else {
        PintarEjes(p, rect, g, e, loc);
        PintarLeyenda(p, QPointF(rect.left(), rect.top() + AltoTitulo(g, e) + AltoEjes(e)), g, e,
                      ComponerLeyenda(g, e, rect.width()));
    }
    p.restore();
}

} // namespace tarvia

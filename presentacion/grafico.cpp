#include "presentacion/grafico.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace tarvia {

namespace {
// The picture's border: its inner area is 38 twips narrower and shorter.
constexpr double kBorde = 38;
constexpr double kMargenEtiquetas = 1300;

// Labels of the upper right and lower right quadrants stand right of the pie.
bool ALaDerecha(double theta) { return theta < kPiGrafico / 2 || theta >= 3 * kPiGrafico / 2; }

double AltoApilado(const std::vector<int>& lado, const std::array<QSizeF, kPorciones>& tamanos)
{
    double alto = 0;
    for (int i : lado)
        alto += tamanos[i].height();
    return lado.empty() ? 0.0 : alto + kHuecoEtiquetas * static_cast<double>(lado.size() - 1);
}

// A run of labels stacked without gaps beyond kHuecoEtiquetas, placed where
// its members would like to be on average.
struct Bloque {
    std::vector<int> miembros; // indices into the side's sorted list
    double top = 0, alto = 0;
};

// Spreads one side's labels, sorted top to bottom by where they would like
// their top, so that none overlaps the next and all stay in the area.
std::vector<double> Repartir(const std::vector<double>& deseado, const std::vector<double>& altos, QRectF area)
{
    std::vector<Bloque> bloques;
    const auto situar = [&](Bloque& b) {
        double suma = 0, desplazamiento = 0;
        for (int j : b.miembros) {
            suma += deseado[j] - desplazamiento;
            desplazamiento += altos[j] + kHuecoEtiquetas;
        }
        b.alto = desplazamiento - kHuecoEtiquetas;
        const double top = suma / static_cast<double>(b.miembros.size());
        b.top = std::max(area.top(), std::min(top, area.bottom() - b.alto));
    };
    for (size_t j = 0; j < deseado.size(); ++j) {
        bloques.push_back({{static_cast<int>(j)}, 0, 0});
        situar(bloques.back());
    }
    // Every merge leaves one block fewer, so this ends.
    for (bool unidos = true; unidos;) {
        unidos = false;
        for (size_t b = 1; b < bloques.size(); ++b) {
            if (bloques[b - 1].top + bloques[b - 1].alto + kHuecoEtiquetas > bloques[b].top) {
                auto& anterior = bloques[b - 1].miembros;
                anterior.insert(anterior.end(), bloques[b].miembros.begin(), bloques[b].miembros.end());
                situar(bloques[b - 1]);
                bloques.erase(bloques.begin() + static_cast<std::ptrdiff_t>(b));
                unidos = true;
                break;
            }
        }
    }
    std::vector<double> tops(deseado.size());
    for (const Bloque& b : bloques) {
        double top = b.top;
        for (int j : b.miembros) {
            tops[j] = top;
            top += altos[j] + kHuecoEtiquetas;
        }
    }
    return tops;
}

// The linear value of every channel level, worked out once: the search for
// a readable colour asks for thousands of them.
const std::array<double, 256>& TablaLineal()
{
    static const std::array<double, 256> tabla = [] {
        std::array<double, 256> t{};
        for (int canal = 0; canal < 256; ++canal) {
            const double v = canal / 255.0;
            t[static_cast<size_t>(canal)] = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return tabla;
}

double Lineal(int canal) { return TablaLineal()[static_cast<size_t>(std::clamp(canal, 0, 255))]; }

ColorRgb BuscarColorLegible(ColorRgb color, ColorRgb fondo);
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

QRectF AreaDelGrafico(QSizeF picture) { return {0, 0, picture.width() - kBorde, picture.height() - kBorde}; }

std::array<EtiquetaColocada, kPorciones> ColocarEtiquetas(const Circulo& k,
                                                          const std::array<Porcion, kPorciones>& porciones,
                                                          const std::array<QSizeF, kPorciones>& tamanos, QRectF area)
{
    std::array<EtiquetaColocada, kPorciones> e;
    std::array<QRectF, kPorciones> natural;
    std::array<bool, kPorciones> derecha{};
    std::array<std::vector<int>, 2> lados; // right, left
    for (int i = 0; i < kPorciones; ++i) {
        if (!porciones[i].dibujada())
            continue;
        const double theta = porciones[i].medio();
        e[i].visible = true;
        natural[i] = QRectF(PosicionEtiqueta(k, theta, tamanos[i]), tamanos[i]);
        derecha[i] = ALaDerecha(theta);
        lados[derecha[i] ? 0 : 1].push_back(i);
    }

    // A side too full for the area hands its labels nearest the top or the
    // bottom of the pie to the other side, while that one has room.
    for (int s = 0; s < 2; ++s) {
        auto& este = lados[s];
        auto& otro = lados[1 - s];
        while (AltoApilado(este, tamanos) > area.height()) {
            const auto vertical = std::max_element(este.begin(), este.end(), [&](int a, int b) {
                return std::abs(std::sin(porciones[a].medio())) < std::abs(std::sin(porciones[b].medio()));
            });
            otro.push_back(*vertical);
            if (AltoApilado(otro, tamanos) > area.height()) {
                otro.pop_back();
                break;
            }
            derecha[*vertical] = !derecha[*vertical];
            este.erase(vertical);
        }
    }

    const double d = k.radio + kSeparacionEtiqueta;
    for (auto& lado : lados) {
        // Top to bottom; labels wanting the same row keep the order of the
        // wedges round the pie.
        const auto vuelta = [&](int i) {
            const double theta = porciones[i].medio();
            return derecha[i] ? -(theta < kPiGrafico / 2 ? theta + kVueltaGrafico : theta) : theta;
        };
        std::sort(lado.begin(), lado.end(), [&](int a, int b) {
            if (natural[a].top() != natural[b].top())
                return natural[a].top() < natural[b].top();
            return vuelta(a) < vuelta(b);
        });
        std::vector<double> deseado, altos;
        for (int i : lado) {
            deseado.push_back(natural[i].top());
            altos.push_back(tamanos[i].height());
        }
        const std::vector<double> tops = Repartir(deseado, altos, area);
        for (size_t j = 0; j < lado.size(); ++j) {
            const int i = lado[j];
            const QSizeF tam = tamanos[i];
            const bool mismoLado = derecha[i] == ALaDerecha(porciones[i].medio());
            QRectF r = natural[i];
            // A label that had to move stands in its side's column, clear of
            // the whole circle, so that the lines of a crowded run reach each
            // label from the pie's side without crossing the others.
            if (tops[j] != natural[i].top() || !mismoLado)
                r = QRectF(QPointF(derecha[i] ? k.cx + d : k.cx - d - tam.width(), tops[j]), tam);
            r.moveLeft(std::max(area.left(), std::min(r.left(), area.right() - tam.width())));
            r.moveTop(std::max(area.top(), std::min(r.top(), area.bottom() - tam.height())));
            e[i].rect = r;
            // Half a twip is far less than a pixel: still beside its wedge.
            const bool movida =
                std::abs(r.left() - natural[i].left()) > 0.5 || std::abs(r.top() - natural[i].top()) > 0.5;
            if (movida) {
                const double theta = porciones[i].medio();
                e[i].guia = true;
                e[i].desde = QPointF(k.cx + k.radio * std::cos(theta), k.cy - k.radio * std::sin(theta));
                e[i].hasta = QPointF(derecha[i] ? r.left() : r.right(), r.center().y());
            }
        }
    }
    return e;
}

double LuminanciaRelativa(ColorRgb c)
{
    return 0.2126 * Lineal(c.rojo) + 0.7152 * Lineal(c.verde) + 0.0722 * Lineal(c.azul);
}

double RelacionDeContraste(ColorRgb a, ColorRgb b)
{
    const double la = LuminanciaRelativa(a), lb = LuminanciaRelativa(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The results sheet asks for the same few pairs on every repaint: the
// answers are remembered, a handful per thread.
ColorRgb ColorDeTextoLegible(ColorRgb color, ColorRgb fondo)
{
    struct Recordado {
        ColorRgb color, fondo, legible;
        bool usado = false;
    };
    thread_local std::array<Recordado, 64> recordados;
    thread_local size_t siguiente = 0;
    for (const Recordado& r : recordados)
        if (r.usado && r.color == color && r.fondo == fondo)
            return r.legible;
    const ColorRgb legible = BuscarColorLegible(color, fondo);
    recordados[siguiente] = {color, fondo, legible, true};
    siguiente = (siguiente + 1) % recordados.size();
    return legible;
}

namespace {
ColorRgb BuscarColorLegible(ColorRgb color, ColorRgb fondo)
{
    if (RelacionDeContraste(color, fondo) >= kContrasteMinimo)
        return color;
    const double lFondo = LuminanciaRelativa(fondo);
    // Towards black on a light background, towards white on a dark one.
    const bool oscurecer = RelacionDeContraste({0, 0, 0}, fondo) >= RelacionDeContraste({255, 255, 255}, fondo);
    const auto mezcla = [&](int canal, double f) {
        const double hacia = oscurecer ? 0.0 : 255.0;
        return static_cast<int>(std::lround(canal + (hacia - canal) * f));
    };
    // The smallest step that reads, so the hue stays as close as it can.
    constexpr int kPasos = 1024;
    for (int paso = 1; paso <= kPasos; ++paso) {
        const double f = static_cast<double>(paso) / kPasos;
        const ColorRgb c{mezcla(color.rojo, f), mezcla(color.verde, f), mezcla(color.azul, f)};
        const bool alOtroLado = oscurecer ? LuminanciaRelativa(c) < lFondo : LuminanciaRelativa(c) > lFondo;
        if (alOtroLado && RelacionDeContraste(c, fondo) >= kContrasteMinimo)
            return c;
    }
    return oscurecer ? ColorRgb{0, 0, 0} : ColorRgb{255, 255, 255};
}
} // namespace

EscalaDeEje EscalaRedonda(double desde, double hasta, int maxIntervalos)
{
    if (!std::isfinite(desde) || !std::isfinite(hasta)) {
        if (!std::isfinite(desde) && !std::isfinite(hasta))
            return {};
        desde = hasta = std::isfinite(desde) ? desde : hasta;
    }
    if (desde > hasta)
        std::swap(desde, hasta);
    if (hasta - desde <= 1e-12 * std::max(1.0, std::abs(hasta))) {
        // One value: an axis from zero to it, or around it if zero is in it.
        const double m = std::abs(desde);
        if (m == 0)
            hasta = 1;
        else if (desde > 0)
            desde = 0;
        else
            hasta = 0;
    }
    maxIntervalos = std::max(1, maxIntervalos);
    const double bruto = (hasta - desde) / maxIntervalos;
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    // Candidates in increasing order; the last always fits.
    for (const double factor : {1.0, 2.0, 2.5, 5.0, 10.0, 20.0}) {
        const double paso = factor * potencia;
        // The tolerance keeps a bound that is a multiple of the step on it.
        const double desdeK = std::floor(desde / paso + 1e-9);
        const double hastaK = std::ceil(hasta / paso - 1e-9);
        const int intervalos = static_cast<int>(hastaK - desdeK);
        if (intervalos > maxIntervalos)
            continue;
        EscalaDeEje e;
        e.paso = paso;
        e.minimo = desdeK * paso;
        e.maximo = hastaK * paso;
        e.intervalos = intervalos;
        e.decimales = 0;
        while (e.decimales < 12) {
            const double escalado = paso * std::pow(10.0, e.decimales);
            if (std::abs(escalado - std::round(escalado)) <= 1e-9 * escalado)
                break;
            ++e.decimales;
        }
        return e;
    }
    return {};
}

} // namespace tarvia

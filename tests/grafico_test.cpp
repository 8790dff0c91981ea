#include "presentacion/grafico.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <random>
#include <vector>

namespace tarvia {
namespace {

std::array<double, kPorciones> Porcentajes(std::initializer_list<double> primeros)
{
    std::array<double, kPorciones> p{};
    std::copy(primeros.begin(), primeros.end(), p.begin());
    return p;
}

TEST(Grafico, CirculoDentroDelPicture)
{
    struct Caso {
        QSizeF picture;
        Circulo esperado;
    };
    const Caso casos[] = {
        {{3315, 3315}, {1638.5, 1638.5, 988.5}},
        {{4038, 3315}, {2000, 1638.5, 988.5}}, // the height decides
        {{3315, 5038}, {1638.5, 2500, 988.5}}, // the width decides
    };
    for (const Caso& c : casos) {
        const Circulo k = CirculoDelGrafico(c.picture);
        EXPECT_DOUBLE_EQ(k.cx, c.esperado.cx);
        EXPECT_DOUBLE_EQ(k.cy, c.esperado.cy);
        EXPECT_DOUBLE_EQ(k.radio, c.esperado.radio);
    }
}

TEST(Grafico, PorcionesSeguidasDesdeLasTres)
{
    const auto p = Porciones(Porcentajes({25, 0, 50, 25}));
    EXPECT_DOUBLE_EQ(p[0].inicio, kInicioGrafico);
    EXPECT_NEAR(p[0].fin, kPiGrafico / 2, 1e-10);
    // A heading at 0 draws nothing; its label goes where the previous wedge ended.
    EXPECT_FALSE(p[1].dibujada());
    EXPECT_DOUBLE_EQ(p[1].medio(), p[0].fin);
    EXPECT_NEAR(p[2].fin, 3 * kPiGrafico / 2, 1e-10);
    EXPECT_TRUE(p[3].dibujada());
    for (int i = 1; i < kPorciones; ++i)
        EXPECT_EQ(p[i].inicio, p[i - 1].fin);
    // 100 % would pass the turn by the first wedge's 1e-11: it stops at the turn.
    EXPECT_EQ(p[12].fin, kVueltaGrafico);
}

TEST(Grafico, PasarseDeCienSeCortaYQuedarseCortoDejaHueco)
{
    const auto mas = Porciones(Porcentajes({60, 30, 20, 5}));
    EXPECT_DOUBLE_EQ(mas[2].fin, kVueltaGrafico);
    EXPECT_TRUE(mas[2].dibujada());
    EXPECT_FALSE(mas[3].dibujada());
    EXPECT_DOUBLE_EQ(mas[3].inicio, kVueltaGrafico);

    const auto menos = Porciones(Porcentajes({49.9, 49.9}));
    EXPECT_LT(menos[12].fin, kVueltaGrafico - 0.01);
}

TEST(Grafico, TotalCeroTodoALasTres)
{
    const auto p = Porciones(Porcentajes({}));
    for (const Porcion& w : p) {
        EXPECT_FALSE(w.dibujada());
        EXPECT_DOUBLE_EQ(w.medio(), kInicioGrafico);
    }
}

// The label lies outside the point on the circle of radius r + 50: the corner
// nearest the centre touches it, whatever the quadrant.
TEST(Grafico, EtiquetaAnclada)
{
    const Circulo k = CirculoDelGrafico({3315, 3315});
    const QSizeF tam(420, 195);
    struct Caso {
        double theta;
        bool derecha; // anchored by its right edge
        bool abajo;   // anchored by its bottom edge
    };
    const Caso casos[] = {
        {kInicioGrafico, false, true}, {1.0, false, true}, {kPiGrafico / 2, true, true},       {2.5, true, true},
        {kPiGrafico, true, false},     {4.0, true, false}, {3 * kPiGrafico / 2, false, false}, {6.0, false, false},
    };
    const double d = k.radio + kSeparacionEtiqueta;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.theta);
        const QPointF p = PosicionEtiqueta(k, c.theta, tam);
        const double x = k.cx + d * std::cos(c.theta);
        const double y = k.cy - d * std::sin(c.theta);
        EXPECT_NEAR(p.x() + (c.derecha ? tam.width() : 0), x, 1e-3);
        EXPECT_NEAR(p.y() + (c.abajo ? tam.height() : 0), y, 1e-3);
        // Moved in single precision.
        EXPECT_EQ(static_cast<double>(static_cast<float>(p.x())), p.x());
        EXPECT_EQ(static_cast<double>(static_cast<float>(p.y())), p.y());
    }
}

// Reference values of the accessibility guidelines' contrast ratio.
TEST(Contraste, RelacionDeReferencia)
{
    struct Caso {
        ColorRgb a, b;
        double relacion;
    };
    const Caso casos[] = {
        {{0, 0, 0}, {255, 255, 255}, 21.0},       // the most there is
        {{255, 255, 255}, {255, 255, 255}, 1.0},  // none
        {{118, 118, 118}, {255, 255, 255}, 4.54}, // the lightest grey that reads on white
        {{119, 119, 119}, {255, 255, 255}, 4.48}, // one step lighter does not
        {{255, 0, 0}, {255, 255, 255}, 4.00},     // nor does pure red
        {{0, 0, 255}, {255, 255, 255}, 8.59},     // pure blue does
        {{255, 255, 192}, {192, 192, 255}, 1.66}, // pale yellow on lavender
    };
    for (const Caso& c : casos) {
        EXPECT_NEAR(RelacionDeContraste(c.a, c.b), c.relacion, 0.01) << c.a.rojo << ',' << c.a.verde << ',' << c.a.azul;
        EXPECT_DOUBLE_EQ(RelacionDeContraste(c.a, c.b), RelacionDeContraste(c.b, c.a));
    }
}

// A text colour that reads is kept; one that does not is darkened (lightened
// on a dark background) in its own hue, no further than it needs.
TEST(Contraste, ColorDeTextoLegible)
{
    const ColorRgb colores[] = {{0, 0, 255},     {192, 64, 0}, {128, 128, 255}, {128, 128, 0},
                                {0, 192, 0},     {255, 0, 0},  {0, 192, 192},   {255, 255, 192},
                                {255, 255, 255}, {0, 0, 0},    {30, 30, 120},   {128, 0, 0}};
    const ColorRgb fondos[] = {{212, 208, 200}, {192, 192, 255}, {192, 192, 192}, {255, 255, 255}, {20, 20, 40}};
    for (const ColorRgb& fondo : fondos)
        for (const ColorRgb& c : colores) {
            SCOPED_TRACE(testing::Message() << c.rojo << ',' << c.verde << ',' << c.azul << " sobre " << fondo.rojo
                                            << ',' << fondo.verde << ',' << fondo.azul);
            const ColorRgb l = ColorDeTextoLegible(c, fondo);
            const double antes = RelacionDeContraste(c, fondo), despues = RelacionDeContraste(l, fondo);
            EXPECT_GE(despues, kContrasteMinimo);
            if (antes >= kContrasteMinimo) {
                EXPECT_EQ(l, c);
                continue;
            }
            const bool oscuro = LuminanciaRelativa(fondo) < 0.18;
            const std::pair<int, int> canales[] = {{c.rojo, l.rojo}, {c.verde, l.verde}, {c.azul, l.azul}};
            for (const auto& [original, nuevo] : canales) {
                if (oscuro) {
                    EXPECT_GE(nuevo, original);
                } else {
                    EXPECT_LE(nuevo, original);
                }
            }
            // The channels keep their proportions, so the hue stays.
            if (!oscuro && c.rojo > 0 && l.rojo > 8) {
                EXPECT_NEAR(static_cast<double>(l.verde) / l.rojo, static_cast<double>(c.verde) / c.rojo, 0.1);
            }
            if (!(l == ColorRgb{0, 0, 0}) && !(l == ColorRgb{255, 255, 255})) {
                EXPECT_LT(despues, kContrasteMinimo + 0.3) << "oscurecido de más";
            }
        }
}

// Labels of a plausible size for the text of each percentage.
std::array<QSizeF, kPorciones> Tamanos(const std::array<double, kPorciones>& porcentajes)
{
    std::array<QSizeF, kPorciones> t;
    for (int i = 0; i < kPorciones; ++i)
        t[i] = QSizeF(porcentajes[i] >= 10 ? 470 : 380, 190);
    return t;
}

// What every layout must give: visible labels for exactly the drawn wedges,
// none overlapping another, the pie or the area's edges, and the line of a
// moved label running from its wedge's edge to the label.
void ComprobarColocacion(const Circulo& k, const std::array<Porcion, kPorciones>& porciones,
                         const std::array<EtiquetaColocada, kPorciones>& e, QRectF area)
{
    for (int i = 0; i < kPorciones; ++i) {
        EXPECT_EQ(e[i].visible, porciones[i].dibujada()) << i;
        if (!e[i].visible)
            continue;
        const QRectF& r = e[i].rect;
        EXPECT_TRUE(area.contains(r)) << i << " fuera del área";
        const double cercaX = std::clamp(k.cx, r.left(), r.right()), cercaY = std::clamp(k.cy, r.top(), r.bottom());
        EXPECT_GE(std::hypot(cercaX - k.cx, cercaY - k.cy), k.radio) << i << " encima de la tarta";
        for (int j = i + 1; j < kPorciones; ++j)
            if (e[j].visible) {
                EXPECT_FALSE(r.intersects(e[j].rect)) << i << " pisa " << j;
            }
        if (e[i].guia) {
            const double theta = porciones[i].medio();
            EXPECT_NEAR(e[i].desde.x(), k.cx + k.radio * std::cos(theta), 1e-6);
            EXPECT_NEAR(e[i].desde.y(), k.cy - k.radio * std::sin(theta), 1e-6);
            const QRectF borde = r.adjusted(-1e-6, -1e-6, 1e-6, 1e-6);
            EXPECT_TRUE(borde.contains(e[i].hasta));
            // The line crosses no other label.
            for (int j = 0; j < kPorciones; ++j)
                if (j != i && e[j].visible) {
                    for (double f = 0; f <= 1; f += 1.0 / 256) {
                        const QPointF punto = e[i].desde + f * (e[i].hasta - e[i].desde);
                        ASSERT_FALSE(e[j].rect.adjusted(1, 1, -1, -1).contains(punto))
                            << "la línea de " << i << " cruza " << j;
                    }
                }
        }
    }
}

TEST(Grafico, EtiquetasSinPisarseEnCasosExtremos)
{
    std::vector<std::array<double, kPorciones>> casos = {
        Porcentajes({0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 98.8}),  // tiny at 3 o'clock
        Porcentajes({98.8, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1}),  // tiny just under it
        Porcentajes({24.5, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 74.4}), // tiny at the top
        Porcentajes({49.5, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 49.4}), // tiny at 9 o'clock
        Porcentajes({74.5, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 24.4}), // tiny at the bottom
        Porcentajes({97, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5}),
        Porcentajes({0.7, 4.6, 0, 30, 0, 0.2, 0.3, 64.2}),
        Porcentajes({7.7, 7.7, 7.7, 7.7, 7.7, 7.7, 7.7, 7.7, 7.7, 7.7, 7.7, 7.7, 7.6}),
        Porcentajes({60, 30, 20, 5, 5, 5}), // past 100: the last ones draw nothing
        Porcentajes({}),
        Porcentajes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100}),
    };
    // Random shares rounded to tenths, many of them tiny or zero.
    std::mt19937 azar(20261207);
    std::exponential_distribution<double> peso(1.0);
    std::uniform_int_distribution<int> cuantos(0, kPorciones);
    for (int n = 0; n < 400; ++n) {
        std::array<double, kPorciones> w{};
        const int vacias = cuantos(azar);
        for (int i = 0; i < kPorciones; ++i)
            w[i] = i < vacias ? 0 : std::pow(peso(azar), 4);
        std::shuffle(w.begin(), w.end(), azar);
        const double suma = std::accumulate(w.begin(), w.end(), 0.0);
        if (suma > 0)
            for (double& x : w)
                x = std::round(x / suma * 1000) / 10;
        casos.push_back(w);
    }
    // The sheet's picture, a wider one and one too short for all labels on one side.
    for (QSizeF picture : {QSizeF(3315, 3315), QSizeF(5000, 3315), QSizeF(3315, 1900)}) {
        const Circulo k = CirculoDelGrafico(picture);
        const QRectF area = AreaDelGrafico(picture);
        for (const auto& p : casos) {
            SCOPED_TRACE(testing::Message()
                         << picture.width() << 'x' << picture.height() << " caso " << (&p - casos.data()));
            const auto porciones = Porciones(p);
            ComprobarColocacion(k, porciones, ColocarEtiquetas(k, porciones, Tamanos(p), area), area);
        }
    }
}

// With room enough every label stays where it always stood, beside its wedge.
TEST(Grafico, EtiquetasConSitioNoSeMueven)
{
    const Circulo k = CirculoDelGrafico({3315, 3315});
    const auto p = Porcentajes({20, 15, 30, 10, 25});
    const auto porciones = Porciones(p);
    const auto tam = Tamanos(p);
    const auto e = ColocarEtiquetas(k, porciones, tam, AreaDelGrafico({3315, 3315}));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(e[i].rect, QRectF(PosicionEtiqueta(k, porciones[i].medio(), tam[i]), tam[i])) << i;
        EXPECT_FALSE(e[i].guia) << i;
    }
}

// Tiny wedges side by side: their labels are spread and joined to them.
TEST(Grafico, EtiquetasApretadasSeSeparanConGuia)
{
    const Circulo k = CirculoDelGrafico({3315, 3315});
    const auto p = Porcentajes({30, 0.7, 4.6, 0.5, 64.2});
    const auto porciones = Porciones(p);
    const auto e = ColocarEtiquetas(k, porciones, Tamanos(p), AreaDelGrafico({3315, 3315}));
    EXPECT_TRUE(e[1].guia || e[2].guia || e[3].guia);
    // Still in the order of their wedges, top to bottom on the left side.
    EXPECT_LT(e[1].rect.top(), e[2].rect.top());
    EXPECT_LT(e[2].rect.top(), e[3].rect.top());
}

// Value axes tick at 1, 2, 2.5 or 5 times a power of ten, covering the data
// in at most 8 steps: the comparison's yearly euros and the sensitivity's
// C1 no longer read 157.002 or 2,05, 1,79, 1,54.
TEST(Grafico, EscalaRedondaDeUnEje)
{
    const struct {
        double desde, hasta;
        EscalaDeEje esperada;
    } casos[] = {
        {0, 157002, {0, 160000, 20000, 8, 0}},
        {1.54, 2.05, {1.5, 2.1, 0.1, 6, 1}},
        {0.87, 1.12, {0.85, 1.15, 0.05, 6, 2}},
        {0, 1, {0, 1, 0.2, 5, 1}},
        {-3, 7, {-4, 8, 2, 6, 0}},
        {20000, 200000, {0, 200000, 25000, 8, 0}},
        {0, 0.3, {0, 0.3, 0.05, 6, 2}},
        {7, 2, {2, 7, 1, 5, 0}},      // in either order
        {5, 5, {0, 5, 1, 5, 0}},      // one value: from zero
        {-4, -4, {-4, 0, 0.5, 8, 1}}, // below zero: up to zero
        {0, 0, {0, 1, 0.2, 5, 1}},    // nothing at all
        {NAN, 3, {0, 3, 0.5, 6, 1}},  // a missing end
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.desde << " .. " << c.hasta);
        const EscalaDeEje e = EscalaRedonda(c.desde, c.hasta);
        EXPECT_NEAR(e.minimo, c.esperada.minimo, 1e-12);
        EXPECT_NEAR(e.maximo, c.esperada.maximo, 1e-12);
        EXPECT_NEAR(e.paso, c.esperada.paso, 1e-12);
        EXPECT_EQ(e.intervalos, c.esperada.intervalos);
        EXPECT_EQ(e.decimales, c.esperada.decimales);
    }
    // Whatever the range, every tick is a whole number of round steps and
    // the data stays inside.
    std::mt19937 azar(7);
    std::uniform_real_distribution<double> exponente(-3, 7), signo(-1, 1);
    for (int k = 0; k < 2000; ++k) {
        const double a = signo(azar) * std::pow(10, exponente(azar));
        const double b = signo(azar) * std::pow(10, exponente(azar));
        const EscalaDeEje e = EscalaRedonda(a, b);
        SCOPED_TRACE(testing::Message() << a << " .. " << b);
        ASSERT_LE(e.intervalos, 8);
        // (a billionth of a step out is on the axis: it keeps 0,3 from
        // growing a step for 0,30000000000000004)
        EXPECT_LE(e.minimo, std::min(a, b) + 1e-9 * e.paso);
        EXPECT_GE(e.maximo, std::max(a, b) - 1e-9 * e.paso);
        const double mantisa = e.paso / std::pow(10, std::floor(std::log10(e.paso) + 1e-9));
        EXPECT_TRUE(std::abs(mantisa - 1) < 1e-9 || std::abs(mantisa - 2) < 1e-9 || std::abs(mantisa - 2.5) < 1e-9 ||
                    std::abs(mantisa - 5) < 1e-9)
            << mantisa;
        EXPECT_NEAR(e.minimo / e.paso, std::round(e.minimo / e.paso), 1e-6);
        EXPECT_NEAR(e.maximo - e.minimo, e.intervalos * e.paso, 1e-9 * std::max(1.0, std::abs(e.maximo)));
    }
}

} // namespace
} // namespace tarvia

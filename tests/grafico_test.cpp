#include "presentacion/grafico.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

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

} // namespace
} // namespace tarvia

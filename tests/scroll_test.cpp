// Scroll-bar arithmetic of the main window, in twips.
#include "presentacion/desplazamiento.h"

#include <gtest/gtest.h>

using namespace tarvia;

TEST(Desplazamiento, HojaMasAltaQueElVisor)
{
    Barra b = DimensionarV(8000, 6150);
    EXPECT_EQ(b.cambioGrande, 5930);
    EXPECT_EQ(b.maximo, 2210);
    EXPECT_EQ(b.cambioPequeno, 600);
    // A field whose lower edge lies at 7000: b = 7180, page 5930, capped.
    EXPECT_EQ(InicioDePagina(b, 7180), 2210);
    EXPECT_EQ(InicioDePagina(b, 5000), 0);
}

TEST(Desplazamiento, VisorSuficienteOMinusculo)
{
    EXPECT_EQ(DimensionarV(5790, 6150).maximo, 0); // 5790 + 360 = 6150: not greater
    EXPECT_EQ(DimensionarV(5791, 6150).maximo, 1);
    EXPECT_EQ(DimensionarV(8000, 220).cambioGrande, 1);
    EXPECT_EQ(DimensionarV(8000, 221).cambioGrande, 1);
    EXPECT_EQ(DimensionarV(8000, 0).cambioGrande, 1);
    // Without a range, wheel and page keys stay at 0.
    Barra quieta = DimensionarV(1000, 6150);
    EXPECT_EQ(PasoRueda(quieta, false), 0);
    EXPECT_EQ(Desplazar(quieta, 5930), 0);
}

TEST(Desplazamiento, Horizontal)
{
    // Sheet C fits exactly in the designed client area: no horizontal range.
    Barra b = DimensionarH(11235, 11995, 400);
    EXPECT_EQ(b.maximo, 0);
    EXPECT_EQ(b.cambioGrande, 11995 - 400 - 1300);
    b = DimensionarH(15000, 8000, 400);
    EXPECT_EQ(b.maximo, 15000 + 360 + 400 - 8000);
    EXPECT_EQ(DimensionarH(15000, 1600, 400).cambioGrande, 1);
}

TEST(Desplazamiento, RuedaYLimites)
{
    Barra b = DimensionarV(8000, 6150);
    struct Caso {
        int valor;
        bool alejando;
        int esperado;
    };
    const Caso casos[] = {
        {300, true, 0}, // clamped at 0, not -300
        {0, true, 0},        {600, true, 0},      {1000, true, 400},
        {1000, false, 1600}, {2000, false, 2210}, // clamped at the maximum
        {2210, false, 2210},
    };
    for (const Caso& c : casos) {
        b.valor = c.valor;
        EXPECT_EQ(PasoRueda(b, c.alejando), c.esperado) << c.valor << (c.alejando ? " arriba" : " abajo");
    }
    EXPECT_EQ(Desplazar(b, -5), 0);
    EXPECT_EQ(Desplazar(b, 99999), 2210);
    EXPECT_EQ(Desplazar(b, 1234), 1234);
}

TEST(Desplazamiento, MoverVAmbasRamas)
{
    Barra b = DimensionarV(12000, 6150); // page 5930, max 6210
    b.valor = 0;
    // Below the page: bring its lower edge to the bottom.
    EXPECT_EQ(MoverV(b, 7180, 285), 7180 - 5930);
    EXPECT_EQ(MoverV(b, 13000, 285), 6210); // capped at the maximum
    // Inside the page: nothing moves.
    EXPECT_EQ(MoverV(b, 3000, 285), 0);
    // Above the page: show it with 220 of margin.
    b.valor = 4000;
    EXPECT_EQ(MoverV(b, 4100, 285), 4100 - 285 - 220);
    EXPECT_EQ(MoverV(b, 300, 285), 0);     // floored at the minimum
    EXPECT_EQ(MoverV(b, 4285, 285), 4000); // upper edge exactly at the page top
}

TEST(Desplazamiento, MoverHAmbasRamas)
{
    Barra b = DimensionarH(20000, 12000, 400); // page 10300
    b.valor = 0;
    EXPECT_EQ(MoverH(b, 11000), 700);
    EXPECT_EQ(MoverH(b, 5000), 0);
    b.valor = 3000;
    EXPECT_EQ(MoverH(b, 2000), 700);
    EXPECT_EQ(MoverH(b, 1000), 0);
}

TEST(Desplazamiento, SituarVentana)
{
    // A 1024-pixel work area at 15 twips per pixel and a 12200-twip window.
    Horizontal h = SituarVentana(12200, 15360);
    EXPECT_EQ(h.izquierda, 1580);
    EXPECT_EQ(h.ancho, 12200);
    h = SituarVentana(16000, 15360);
    EXPECT_EQ(h.izquierda, 0);
    EXPECT_EQ(h.ancho, 15360);
}

TEST(Desplazamiento, DieciseisBits)
{
    EXPECT_EQ(A16Bits(40000), 32767);
    EXPECT_EQ(A16Bits(-40000), -32768);
    EXPECT_EQ(DimensionarV(40000, 1000).maximo, 32767);
}

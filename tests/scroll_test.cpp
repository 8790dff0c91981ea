// Scroll-bar arithmetic of the main window, in twips.
#include "presentacion/desplazamiento.h"

#include <gtest/gtest.h>

using namespace tarvia;

// A range only when the sheet and its margins (and on the horizontal bar the
// vertical one) do not fit; a page of at least 1; both within 16 bits.
TEST(Desplazamiento, DimensionarLasBarras)
{
    const struct {
        bool horizontal;
        int hoja, visor, maximo, pagina;
    } casos[] = {
        {false, 8000, 6150, 2210, 5930},
        {false, 5790, 6150, 0, 5930}, // 5790 + 360 = 6150: not greater
        {false, 5791, 6150, 1, 5930},
        {false, 8000, 220, 8140, 1},
        {false, 8000, 221, 8139, 1},
        {false, 8000, 0, 8360, 1},
        {false, 40000, 1000, 32767, 780},
        {true, 11235, 11995, 0, 11995 - 400 - 1300}, // sheet C fits exactly in the designed client area
        {true, 15000, 8000, 15000 + 360 + 400 - 8000, 8000 - 400 - 1300},
        {true, 15000, 1600, 15000 + 360 + 400 - 1600, 1},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << (c.horizontal ? "H " : "V ") << c.hoja << " en " << c.visor);
        const Barra b = c.horizontal ? DimensionarH(c.hoja, c.visor, 400) : DimensionarV(c.hoja, c.visor);
        EXPECT_EQ(b.maximo, c.maximo);
        EXPECT_EQ(b.cambioGrande, c.pagina);
        EXPECT_EQ(b.cambioPequeno, 600);
    }
    EXPECT_EQ(A16Bits(40000), 32767);
    EXPECT_EQ(A16Bits(-40000), -32768);
    // Without a range, wheel and page keys stay at 0.
    const Barra quieta = DimensionarV(1000, 6150);
    EXPECT_EQ(PasoRueda(quieta, false), 0);
    EXPECT_EQ(Desplazar(quieta, 5930), 0);
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
    // A field whose lower edge lies at 7000: b = 7180, page 5930, capped.
    EXPECT_EQ(InicioDePagina(DimensionarV(8000, 6150), 7180), 2210);
    EXPECT_EQ(InicioDePagina(DimensionarV(8000, 6150), 5000), 0);
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

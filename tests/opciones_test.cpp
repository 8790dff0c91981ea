#include "engine/opciones.h"
#include "presentacion/documento.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tarvia;

namespace {

class OpcionesTest : public ::testing::Test {
protected:
    void SetUp() override { InicializarCalculo(doc.calculo); }

    Valor& En(Columna c, Hoja h, int i) { return doc.calculo.Columna(c)[h](i); }
    Valor& P(Hoja h, int i) { return En(Columna::S, h, i); }
    const Caja& Box(Columna c, Hoja h, int i) { return doc.pantalla.caja(h, c, i); }
    bool Visible(Marco m, Columna c) { return doc.pantalla.marcoVisible(m, c); }

    Documento doc;
};

// Purchase shows the amortisation and financing frames, renting the yearly
// cost's; hidden fields keep their values.
TEST_F(OpcionesTest, FormaDeAdquisicionEnAmbasColumnas)
{
    const struct {
        Hoja h;
        int opcion, costeAnual;
        Marco anual;
        std::vector<Marco> compra;
    } grupos[] = {
        {Hoja::F1, 1, 12, Marco::F1CosteAnual, {Marco::F1Amortizacion, Marco::F1Financiacion, Marco::F1Carrozado}},
        {Hoja::F2, 1, 12, Marco::F2SemiCosteAnual, {Marco::F2SemiAmortizacion, Marco::F2SemiFinanciacion}},
        {Hoja::F2, 13, 24, Marco::F2EquipoCosteAnual, {Marco::F2EquipoAmortizacion, Marco::F2EquipoFinanciacion}},
    };
    for (const auto& g : grupos)
        for (Columna c : {Columna::S, Columna::O}) {
            SCOPED_TRACE(::testing::Message() << Codigo(g.h).data() << g.opcion << (c == Columna::S ? " S" : " O"));
            En(c, g.h, g.costeAnual) = 15000;
            PulsarOpcion(doc, g.h, c, g.opcion, 2);
            EXPECT_EQ(En(c, g.h, g.opcion), Valor(false));
            EXPECT_EQ(doc.pantalla.opcion(g.h, c, g.opcion), 2);
            EXPECT_TRUE(Visible(g.anual, c));
            for (Marco m : g.compra)
                EXPECT_FALSE(Visible(m, c));

            PulsarOpcion(doc, g.h, c, g.opcion, 1);
            EXPECT_EQ(En(c, g.h, g.opcion), Valor(true));
            EXPECT_FALSE(Visible(g.anual, c));
            for (Marco m : g.compra)
                EXPECT_TRUE(Visible(m, c));
            EXPECT_EQ(En(c, g.h, g.costeAnual).numero(), 15000); // hidden, kept
        }
}

// A semitrailer bought at no price has no tyres on sheet V: off and empty,
// their values kept; rented, they come back showing them. The price and life
// come back only with a number of tyres.
TEST_F(OpcionesTest, NeumaticosDelSemirremolqueSegunSuAdquisicion)
{
    P(Hoja::F2, 2) = 0;
    P(Hoja::V, 25) = 6;
    P(Hoja::V, 26) = 420;
    P(Hoja::V, 27) = 150000;
    PulsarOpcion(doc, Hoja::F2, Columna::S, 1, 1);
    for (int i : {25, 26, 27}) {
        EXPECT_FALSE(Box(Columna::S, Hoja::V, i).habilitado) << i;
        EXPECT_TRUE(Box(Columna::S, Hoja::V, i).texto.isEmpty()) << i;
    }
    EXPECT_EQ(P(Hoja::V, 25).numero(), 6);

    PulsarOpcion(doc, Hoja::F2, Columna::S, 1, 2);
    const char* textos[] = {"6", "420,00", "150.000"};
    for (int i : {25, 26, 27}) {
        EXPECT_TRUE(Box(Columna::S, Hoja::V, i).habilitado) << i;
        EXPECT_EQ(Box(Columna::S, Hoja::V, i).texto, QString::fromUtf8(textos[i - 25])) << i;
    }

    PulsarOpcion(doc, Hoja::F2, Columna::S, 1, 1);
    P(Hoja::V, 25) = 0;
    PulsarOpcion(doc, Hoja::F2, Columna::S, 1, 2);
    EXPECT_TRUE(Box(Columna::S, Hoja::V, 25).habilitado);
    EXPECT_FALSE(Box(Columna::S, Hoja::V, 26).habilitado);
}

// Diets to a total and back: the number of days is offered only with a daily
// diet, and the total is the parts' again, 50 € × 200 days + 0,02 €/km ×
// 100 000 km = 12 000 (2 000 without the daily diet).
TEST_F(OpcionesTest, DietasATotalYDeVuelta)
{
    P(Hoja::C, 7) = 100000.0;
    P(Hoja::F3, 4) = 200.0;
    P(Hoja::F3, 6) = 0.02;
    for (double diaria : {0.0, 50.0}) {
        SCOPED_TRACE(diaria);
        P(Hoja::F3, 3) = diaria;
        PulsarOpcion(doc, Hoja::F3, Columna::S, 2, 2);
        P(Hoja::F3, 8) = 9999;
        PulsarOpcion(doc, Hoja::F3, Columna::S, 2, 1);
        EXPECT_TRUE(Box(Columna::S, Hoja::F3, 3).habilitado);
        EXPECT_EQ(Box(Columna::S, Hoja::F3, 4).habilitado, diaria != 0);
        EXPECT_FALSE(Box(Columna::S, Hoja::F3, 5).habilitado);
        EXPECT_DOUBLE_EQ(P(Hoja::F3, 8).numero(), diaria * 200 + 2000);
    }
}

// The other two groups: to a total and back, every part shown again and the
// total recomputed from them over the total typed meanwhile. Part k holds
// 100 × k: eleven insurance parts add up to 6 600, eight fiscal ones to 3 600.
TEST_F(OpcionesTest, SegurosYFiscalesATotalYDeVuelta)
{
    const struct {
        int opcion;
        std::vector<int> partes;
        int total;
        double suma;
    } grupos[] = {{9, {10, 11, 12, 13, 14, 15, 16, 17, 29, 30, 31}, 18, 6600},
                  {19, {20, 21, 22, 23, 24, 25, 26, 27}, 28, 3600}};
    for (const auto& g : grupos) {
        SCOPED_TRACE(g.opcion);
        for (size_t k = 0; k < g.partes.size(); ++k)
            P(Hoja::F3, g.partes[k]) = 100.0 * (k + 1);
        PulsarOpcion(doc, Hoja::F3, Columna::S, g.opcion, 2);
        EXPECT_EQ(P(Hoja::F3, g.opcion), Valor(false));
        for (int i : g.partes) {
            EXPECT_FALSE(Box(Columna::S, Hoja::F3, i).habilitado) << i;
            EXPECT_TRUE(Box(Columna::S, Hoja::F3, i).texto.isEmpty()) << i;
        }
        EXPECT_TRUE(Box(Columna::S, Hoja::F3, g.total).habilitado);
        P(Hoja::F3, g.total) = 9999;

        PulsarOpcion(doc, Hoja::F3, Columna::S, g.opcion, 1);
        for (int i : g.partes)
            EXPECT_TRUE(Box(Columna::S, Hoja::F3, i).habilitado) << i;
        EXPECT_EQ(Box(Columna::S, Hoja::F3, g.partes[0]).texto, "100,00");
        EXPECT_FALSE(Box(Columna::S, Hoja::F3, g.total).habilitado);
        EXPECT_EQ(P(Hoja::F3, g.total).numero(), g.suma);
    }
}

TEST_F(OpcionesTest, TotalEnLaReferenciaVaciaLasPartesSinTocarValores)
{
    for (int i : {3, 4, 5, 6, 7})
        doc.pantalla.caja(Hoja::F3, Columna::O, i).texto = QStringLiteral("x");
    PulsarOpcion(doc, Hoja::F3, Columna::O, 2, 1);
    EXPECT_EQ(Box(Columna::O, Hoja::F3, 3).texto, "x"); // "Desglosado" changes nothing
    PulsarOpcion(doc, Hoja::F3, Columna::O, 2, 2);
    for (int i : {3, 4, 5, 6, 7}) {
        EXPECT_TRUE(Box(Columna::O, Hoja::F3, i).texto.isEmpty()) << i;
        EXPECT_FALSE(Box(Columna::O, Hoja::F3, i).habilitado) << i;
    }
    EXPECT_FALSE(Box(Columna::O, Hoja::F3, 8).habilitado);
    EXPECT_EQ(doc.pantalla.opcion(Hoja::F3, Columna::O, 2), 2);
}

TEST_F(OpcionesTest, IndirectosEnTotalOcultanElDesgloseEnAmbasColumnas)
{
    for (Columna c : {Columna::S, Columna::O}) {
        En(c, Hoja::I, 2) = 1000;
        En(c, Hoja::I, 3) = 2000;
        En(c, Hoja::I, 4) = 3000;
        PulsarOpcion(doc, Hoja::I, c, 1, 2);
        for (int i : {2, 3, 4}) {
            EXPECT_FALSE(Box(c, Hoja::I, i).visible) << i;
            EXPECT_FALSE(Box(c, Hoja::I, i).habilitado) << i;
        }
        EXPECT_TRUE(doc.pantalla.comentarioFijado(c));
        EXPECT_EQ(doc.pantalla.opcion(Hoja::I, c, 1), 2);
    }
    EXPECT_EQ(P(Hoja::I, 1), Valor(false));
    EXPECT_TRUE(Box(Columna::S, Hoja::I, 5).habilitado);
    EXPECT_FALSE(Box(Columna::O, Hoja::I, 5).habilitado);

    PulsarOpcion(doc, Hoja::I, Columna::S, 1, 1);
    EXPECT_EQ(P(Hoja::I, 1), Valor(true));
    EXPECT_EQ(P(Hoja::I, 5).numero(), 6000);
    EXPECT_TRUE(doc.pantalla.comentario(Columna::S).isEmpty());
    EXPECT_FALSE(Box(Columna::S, Hoja::I, 5).habilitado);
    for (int i : {2, 3, 4}) {
        EXPECT_TRUE(Box(Columna::S, Hoja::I, i).visible) << i;
        EXPECT_TRUE(Box(Columna::S, Hoja::I, i).habilitado) << i;
    }
    EXPECT_EQ(Box(Columna::S, Hoja::I, 3).texto, "2.000,00");

    PulsarOpcion(doc, Hoja::I, Columna::O, 1, 1);
    for (int i : {2, 3, 4})
        EXPECT_TRUE(Box(Columna::O, Hoja::I, i).visible) << i;
}

} // namespace

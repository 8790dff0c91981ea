#include "engine/opciones.h"
#include "presentacion/documento.h"

#include <gtest/gtest.h>

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

TEST_F(OpcionesTest, FormaDeAdquisicionDelTractorEnAmbasColumnas)
{
    for (Columna c : {Columna::S, Columna::O}) {
        En(c, Hoja::F1, 12) = 15000;
        PulsarOpcion(doc, Hoja::F1, c, 1, 2);
        EXPECT_EQ(En(c, Hoja::F1, 1), Valor(false));
        EXPECT_EQ(doc.pantalla.opcion(Hoja::F1, c, 1), 2);
        EXPECT_TRUE(Visible(Marco::F1CosteAnual, c));
        for (Marco m : {Marco::F1Amortizacion, Marco::F1Financiacion, Marco::F1Carrozado})
            EXPECT_FALSE(Visible(m, c));

        PulsarOpcion(doc, Hoja::F1, c, 1, 1);
        EXPECT_EQ(En(c, Hoja::F1, 1), Valor(true));
        EXPECT_FALSE(Visible(Marco::F1CosteAnual, c));
        for (Marco m : {Marco::F1Amortizacion, Marco::F1Financiacion, Marco::F1Carrozado})
            EXPECT_TRUE(Visible(m, c));
        EXPECT_EQ(En(c, Hoja::F1, 12).numero(), 15000); // hidden, kept
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

#include "engine/recalcular.h"

#include "core/catalogo.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tarvia;

namespace {

class RecalcularTest : public ::testing::Test {
protected:
    void SetUp() override { InicializarCalculo(doc.calculo); }

    Valor& P(Hoja h, int i) { return doc.calculo.Personal[h](i); }
    Valor& O(Hoja h, int i) { return doc.calculo.Referencia[h](i); }
    Valor& En(Columna c, Hoja h, int i) { return doc.calculo.Columna(c)[h](i); }
    double Num(Columna c, Hoja h, int i) { return En(c, h, i).numeroOCero(); }
    const Caja& Box(Columna c, Hoja h, int i) { return doc.pantalla.caja(h, c, i); }

    Documento doc;
};

TEST_F(RecalcularTest, KilometrosEnCargaYProduccionEnAmbasColumnas)
{
    for (Columna c : {Columna::S, Columna::O}) {
        SCOPED_TRACE(c == Columna::S ? "S" : "O");
        En(c, Hoja::C, 7) = 100000;
        En(c, Hoja::C, 8) = 75;
        En(c, Hoja::C, 19) = 20;
        Recalcular(doc, Hoja::C, c, 7);
        EXPECT_EQ(Num(c, Hoja::C, 9), 75000);
        EXPECT_EQ(Num(c, Hoja::C, 10), 25);
        EXPECT_EQ(Num(c, Hoja::C, 11), 25000);
        EXPECT_EQ(Num(c, Hoja::C, 20), 1500000);
        EXPECT_EQ(Box(c, Hoja::C, 9).texto, "75.000");
        EXPECT_EQ(Box(c, Hoja::C, 10).texto, "25,0");
        EXPECT_EQ(Box(c, Hoja::C, 20).texto, "1.500.000");
    }
}

TEST_F(RecalcularTest, PotenciaEnKilovatios)
{
    P(Hoja::C, 2) = 420;
    Recalcular(doc, Hoja::C, Columna::S, 2);
    EXPECT_EQ(P(Hoja::C, 21).numero(), 309);
}

TEST_F(RecalcularTest, SinKilometrosEnCargaLaCargaMediaSeDeshabilitaYConservaSuValor)
{
    P(Hoja::C, 7) = 100000;
    P(Hoja::C, 8) = 75;
    P(Hoja::C, 19) = 20;
    Recalcular(doc, Hoja::C, Columna::S, 7);
    P(Hoja::C, 8) = 0;
    Recalcular(doc, Hoja::C, Columna::S, 8);
    for (int i : {9, 10, 11, 20}) {
        EXPECT_EQ(P(Hoja::C, i).numero(), 0) << i;
        EXPECT_TRUE(Box(Columna::S, Hoja::C, i).texto.isEmpty()) << i;
    }
    EXPECT_FALSE(Box(Columna::S, Hoja::C, 19).habilitado);
    EXPECT_EQ(Box(Columna::S, Hoja::C, 19).fondo, Fondo::SoloLectura);
    EXPECT_TRUE(Box(Columna::S, Hoja::C, 19).texto.isEmpty());
    EXPECT_EQ(P(Hoja::C, 19).numero(), 20);

    P(Hoja::C, 8) = 50;
    Recalcular(doc, Hoja::C, Columna::S, 8);
    EXPECT_TRUE(Box(Columna::S, Hoja::C, 19).habilitado);
    EXPECT_EQ(Box(Columna::S, Hoja::C, 19).fondo, Fondo::Editable);
    EXPECT_EQ(Box(Columna::S, Hoja::C, 19).texto, "20,0");
    EXPECT_EQ(P(Hoja::C, 20).numero(), 1000000);
}

TEST_F(RecalcularTest, HorasPorJornadaConCeroDiasEsCero)
{
    P(Hoja::C, 12) = 1800;
    P(Hoja::C, 17) = 225;
    Recalcular(doc, Hoja::C, Columna::S, 17);
    EXPECT_EQ(P(Hoja::C, 18).numero(), 8);
    P(Hoja::C, 17) = 0;
    Recalcular(doc, Hoja::C, Columna::S, 17);
    EXPECT_EQ(P(Hoja::C, 18).numero(), 0);
}

TEST_F(RecalcularTest, LosKilometrosAnualesLleganAlPlusYAlMantenimiento)
{
    P(Hoja::C, 7) = 100000;
    P(Hoja::F3, 5) = 1000;
    P(Hoja::F3, 6) = 0.02;
    P(Hoja::F3, 7) = 7;
    P(Hoja::F3, 8) = 8;
    P(Hoja::V, 28) = 0.05;
    P(Hoja::V, 30) = 0.061234;

    P(Hoja::F3, 2) = false;
    Recalcular(doc, Hoja::C, Columna::S, 7);
    EXPECT_EQ(P(Hoja::F3, 7).numero(), 7);
    EXPECT_EQ(P(Hoja::F3, 8).numero(), 8);
    EXPECT_EQ(P(Hoja::V, 29).numero(), 5000);
    EXPECT_DOUBLE_EQ(P(Hoja::V, 31).numero(), 6123.4);

    P(Hoja::F3, 2) = true;
    Recalcular(doc, Hoja::C, Columna::S, 7);
    EXPECT_EQ(P(Hoja::F3, 7).numero(), 2000);
    EXPECT_EQ(P(Hoja::F3, 8).numero(), 3000);
    EXPECT_EQ(Box(Columna::S, Hoja::F3, 8).texto, "3.000,00");
}

struct CasoTractor {
    double tarifa, descuento, valorNeumaticos, precioNeumatico;
    double sinNeumaticos;
};

class PrecioSinNeumaticosTest : public RecalcularTest,
                                public ::testing::WithParamInterface<CasoTractor> {};

TEST_P(PrecioSinNeumaticosTest, NuncaNegativo)
{
    const CasoTractor c = GetParam();
    P(Hoja::F1, 2) = c.tarifa;
    P(Hoja::F1, 3) = c.descuento;
    P(Hoja::F1, 23) = c.valorNeumaticos;
    P(Hoja::V, 16) = 2;
    P(Hoja::V, 17) = c.precioNeumatico;
    P(Hoja::V, 19) = 4;
    P(Hoja::V, 20) = c.precioNeumatico;
    P(Hoja::V, 22) = 0;
    P(Hoja::V, 23) = 400;
    Recalcular(doc, Hoja::F1, Columna::S, 2);
    EXPECT_EQ(P(Hoja::F1, 24).numero(), c.sinNeumaticos);
    // The tyre fields lead to the same figure.
    P(Hoja::F1, 24) = -1.0;
    Recalcular(doc, Hoja::V, Columna::S, 20);
    EXPECT_EQ(P(Hoja::F1, 24).numero(), c.sinNeumaticos);
}

INSTANTIATE_TEST_SUITE_P(Casos, PrecioSinNeumaticosTest,
                         ::testing::Values(CasoTractor{100000, 10, 50, 400, 88800},
                                           CasoTractor{100000, 10, 100, 20000, 0},
                                           CasoTractor{3000, 0, 0, 400, 3000}));

TEST_F(RecalcularTest, CompraDelTractor)
{
    P(Hoja::F1, 2) = 100000;
    P(Hoja::F1, 3) = 10;
    P(Hoja::F1, 6) = 20;
    P(Hoja::F1, 8) = 80;
    Recalcular(doc, Hoja::F1, Columna::S, 2);
    EXPECT_EQ(P(Hoja::F1, 4).numero(), 90000);
    EXPECT_EQ(P(Hoja::F1, 7).numero(), 20000);
    EXPECT_EQ(P(Hoja::F1, 9).numero(), 72000);

    // The residual value follows the list price only.
    P(Hoja::F1, 3) = 20;
    P(Hoja::F1, 6) = 30;
    Recalcular(doc, Hoja::F1, Columna::S, 3);
    EXPECT_EQ(P(Hoja::F1, 4).numero(), 80000);
    EXPECT_EQ(P(Hoja::F1, 9).numero(), 64000);
    EXPECT_EQ(P(Hoja::F1, 7).numero(), 20000);
}

TEST_F(RecalcularTest, SinFinanciacionPeriodoEInteresSeApaganYVuelven)
{
    P(Hoja::F1, 10) = 5;
    P(Hoja::F1, 11) = 4.5;
    P(Hoja::F1, 8) = 0;
    Recalcular(doc, Hoja::F1, Columna::S, 8);
    for (int i : {10, 11}) {
        EXPECT_FALSE(Box(Columna::S, Hoja::F1, i).habilitado);
        EXPECT_TRUE(Box(Columna::S, Hoja::F1, i).texto.isEmpty());
    }
    P(Hoja::F1, 8) = 80;
    Recalcular(doc, Hoja::F1, Columna::S, 8);
    EXPECT_TRUE(Box(Columna::S, Hoja::F1, 10).habilitado);
    EXPECT_EQ(Box(Columna::S, Hoja::F1, 10).texto, "5,0");
    EXPECT_EQ(Box(Columna::S, Hoja::F1, 11).texto, "4,50");
}

TEST_F(RecalcularTest, SinCarrozadoSeApagaTodoSuGrupo)
{
    P(Hoja::F1, 13) = 0;
    P(Hoja::F1, 19) = 50;
    Recalcular(doc, Hoja::F1, Columna::S, 13);
    for (int i : {14, 16, 17, 19, 21, 22})
        EXPECT_FALSE(Box(Columna::S, Hoja::F1, i).habilitado) << i;
}

TEST_F(RecalcularTest, GrupoDeCarburanteEspana)
{
    P(Hoja::V, 1) = 1.20;
    P(Hoja::V, 3) = 0.05;
    P(Hoja::V, 4) = 21;
    Recalcular(doc, Hoja::V, Columna::S, 1);
    EXPECT_DOUBLE_EQ(P(Hoja::V, 2).numero(), 4.2);
    EXPECT_DOUBLE_EQ(P(Hoja::V, 6).numero(), 0.9504132);
    EXPECT_DOUBLE_EQ(P(Hoja::V, 5).numero(), 0.1996);
    EXPECT_EQ(Box(Columna::S, Hoja::V, 6).texto, "0,9504132");
}

TEST_F(RecalcularTest, UnPrecioQueDejaElDescuentoPorEncimaDelMaximoLoAnula)
{
    P(Hoja::V, 1) = 0.11;
    P(Hoja::V, 3) = 0.07;
    P(Hoja::V, 4) = 21;
    Recalcular(doc, Hoja::V, Columna::S, 1);
    EXPECT_EQ(P(Hoja::V, 3).numero(), 0);
    EXPECT_EQ(P(Hoja::V, 2).numero(), 0);
    EXPECT_TRUE(Box(Columna::S, Hoja::V, 3).texto.isEmpty());
}

TEST_F(RecalcularTest, PrecioCeroDaDescuentoCero)
{
    P(Hoja::V, 8) = 0;
    P(Hoja::V, 10) = 0.02;
    P(Hoja::V, 9) = 33;
    Recalcular(doc, Hoja::V, Columna::S, 10);
    EXPECT_EQ(P(Hoja::V, 9).numero(), 0);
}

TEST_F(RecalcularTest, RepostajeTodoEnEspanaOTodoFuera)
{
    for (int i : {1, 35})
        P(Hoja::V, i) = 1.3;
    for (int i : {3, 37})
        P(Hoja::V, i) = 0.05;
    for (int i : {4, 38})
        P(Hoja::V, i) = 21;

    P(Hoja::V, 33) = 100;
    Recalcular(doc, Hoja::V, Columna::S, 33);
    EXPECT_EQ(P(Hoja::V, 34).numero(), 0);
    EXPECT_EQ(P(Hoja::V, 40).numero(), 0);
    EXPECT_GT(P(Hoja::V, 6).numero(), 0);
    for (int i : {35, 36, 37, 38, 39, 40})
        EXPECT_TRUE(Box(Columna::S, Hoja::V, i).texto.isEmpty()) << i;
    for (int i : {35, 37, 38})
        EXPECT_FALSE(Box(Columna::S, Hoja::V, i).habilitado) << i;
    EXPECT_EQ(P(Hoja::V, 35).numero(), 1.3); // emptied, not lost

    P(Hoja::V, 33) = 0;
    Recalcular(doc, Hoja::V, Columna::S, 33);
    EXPECT_EQ(P(Hoja::V, 34).numero(), 100);
    EXPECT_EQ(P(Hoja::V, 6).numero(), 0);
    EXPECT_GT(P(Hoja::V, 40).numero(), 0);
    for (int i : {1, 2, 3, 4, 5, 6, 41})
        EXPECT_TRUE(Box(Columna::S, Hoja::V, i).texto.isEmpty()) << i;
    for (int i : {1, 3, 4, 41})
        EXPECT_FALSE(Box(Columna::S, Hoja::V, i).habilitado) << i;
    EXPECT_TRUE(Box(Columna::S, Hoja::V, 35).habilitado);
    EXPECT_EQ(Box(Columna::S, Hoja::V, 35).texto, "1,3000");
}

TEST_F(RecalcularTest, SinPrecioDelSemirremolqueSusNeumaticosSeApagan)
{
    P(Hoja::V, 25) = 6;
    P(Hoja::F2, 2) = 0;
    Recalcular(doc, Hoja::F2, Columna::S, 2);
    for (int i : {25, 26, 27})
        EXPECT_FALSE(Box(Columna::S, Hoja::V, i).habilitado) << i;
    // Nothing turns them on while the box of V(25) stays off.
    Recalcular(doc, Hoja::V, Columna::S, 25);
    EXPECT_FALSE(Box(Columna::S, Hoja::V, 26).habilitado);

    P(Hoja::F2, 2) = 35000;
    Recalcular(doc, Hoja::F2, Columna::S, 2);
    for (int i : {25, 26, 27})
        EXPECT_TRUE(Box(Columna::S, Hoja::V, i).habilitado) << i;
    EXPECT_EQ(Box(Columna::S, Hoja::V, 25).texto, "6");
}

TEST_F(RecalcularTest, LaColumnaDeReferenciaNuncaSeHabilita)
{
    struct Caso {
        Hoja h;
        int campo;
    };
    // Every field whose change enables or disables something, first at 0, then not.
    const Caso casos[] = {{Hoja::C, 8},   {Hoja::C, 12},  {Hoja::F1, 8},  {Hoja::F1, 13},
                          {Hoja::F1, 19}, {Hoja::F2, 2},  {Hoja::F2, 8},  {Hoja::F2, 14},
                          {Hoja::F2, 20}, {Hoja::F3, 3},  {Hoja::V, 33},  {Hoja::V, 8},
                          {Hoja::V, 16},  {Hoja::V, 19},  {Hoja::V, 22},  {Hoja::V, 25}};
    const Pantalla antes = doc.pantalla;
    for (double v : {0.0, 50.0})
        for (const Caso& c : casos) {
            O(c.h, c.campo) = v;
            Recalcular(doc, c.h, Columna::O, c.campo);
        }
    for (Hoja h : TodasLasHojas)
        for (int i = 1; i <= NumeroDeCampos(h); ++i) {
            EXPECT_FALSE(Box(Columna::O, h, i).habilitado) << Codigo(h).data() << i;
            EXPECT_EQ(Box(Columna::S, h, i).habilitado, antes.caja(h, Columna::S, i).habilitado)
                << Codigo(h).data() << i;
        }
}

TEST_F(RecalcularTest, UnOperandoQueNoSePuedeCalcularSoloSaltaSuPaso)
{
    P(Hoja::F1, 2) = 100000;
    P(Hoja::F1, 3) = 10;
    P(Hoja::F1, 6) = "veinte";
    P(Hoja::F1, 7) = 123;
    P(Hoja::F1, 8) = 50;
    Recalcular(doc, Hoja::F1, Columna::S, 2);
    EXPECT_EQ(P(Hoja::F1, 7).numero(), 123);
    EXPECT_EQ(P(Hoja::F1, 4).numero(), 90000);
    EXPECT_EQ(P(Hoja::F1, 9).numero(), 45000);
}

TEST_F(RecalcularTest, UnaDivisionSinProteccionPorCeroSeSalta)
{
    // VAT of -100 %: the price without VAT would divide by zero.
    P(Hoja::V, 1) = 1.2;
    P(Hoja::V, 3) = 0;
    P(Hoja::V, 4) = -100;
    P(Hoja::V, 6) = 0.5;
    Recalcular(doc, Hoja::V, Columna::S, 4);
    EXPECT_EQ(P(Hoja::V, 6).numero(), 0.5);
    EXPECT_DOUBLE_EQ(P(Hoja::V, 5).numero(), 0.7); // from the value that stayed
}

TEST_F(RecalcularTest, IndiceSinCasoNoCambiaNada)
{
    Normalizar(doc.calculo);
    const Calculo antes = doc.calculo;
    const Pantalla pantallaAntes = doc.pantalla;
    P(Hoja::C, 3) = 40000;
    Recalcular(doc, Hoja::C, Columna::S, 3);
    Recalcular(doc, Hoja::V, Columna::S, 7);
    Recalcular(doc, Hoja::F1, Columna::S, 5);
    EXPECT_TRUE(doc.calculo.Referencia == antes.Referencia);
    P(Hoja::C, 3) = antes.Personal.C(3);
    EXPECT_TRUE(doc.calculo.Personal == antes.Personal);
    for (Hoja h : TodasLasHojas)
        for (int i = 1; i <= NumeroDeCampos(h); ++i)
            EXPECT_EQ(Box(Columna::S, h, i).texto, pantallaAntes.caja(h, Columna::S, i).texto);
}

TEST_F(RecalcularTest, SumasDeLosGruposDesglosados)
{
    P(Hoja::F3, 9) = true;
    for (int i : {10, 11, 12, 13, 14, 15, 16, 17, 29, 30, 31})
        P(Hoja::F3, i) = 0;
    P(Hoja::F3, 10) = 1000;
    Recalcular(doc, Hoja::F3, Columna::S, 10);
    EXPECT_EQ(P(Hoja::F3, 18).numero(), 1000);

    P(Hoja::F3, 19) = true;
    P(Hoja::F3, 21) = 150;
    P(Hoja::F3, 27) = 400;
    Recalcular(doc, Hoja::F3, Columna::S, 27);
    EXPECT_EQ(P(Hoja::F3, 28).numero(), 550);

    P(Hoja::I, 1) = true;
    P(Hoja::I, 2) = 1000;
    P(Hoja::I, 3) = 2000;
    P(Hoja::I, 4) = 3000;
    Recalcular(doc, Hoja::I, Columna::S, 3);
    EXPECT_EQ(P(Hoja::I, 5).numero(), 6000);
}

TEST_F(RecalcularTest, GrupoEnTotalNoSeRecalcula)
{
    P(Hoja::F3, 2) = false;
    P(Hoja::F3, 3) = 60;
    P(Hoja::F3, 4) = 200;
    P(Hoja::F3, 6) = 0.02;
    P(Hoja::F3, 8) = 9999;
    Recalcular(doc, Hoja::F3, Columna::S, 3);
    Recalcular(doc, Hoja::F3, Columna::S, 6);
    EXPECT_EQ(P(Hoja::F3, 8).numero(), 9999);
    EXPECT_TRUE(P(Hoja::F3, 5).esNumero() && P(Hoja::F3, 5).numero() == 0);

    P(Hoja::F3, 9) = false;
    P(Hoja::F3, 18) = 777;
    Recalcular(doc, Hoja::F3, Columna::S, 10);
    EXPECT_EQ(P(Hoja::F3, 18).numero(), 777);
}

TEST(NormalizarTest, ConvierteLoQuePuedeYDejaLoDemas)
{
    Calculo c;
    InicializarCalculo(c);
    struct Caso {
        Hoja h;
        int i;
        Valor antes, despues;
    };
    const Caso casos[] = {
        {Hoja::C, 9, Valor(), Valor(0.0)},            // empty number
        {Hoja::C, 7, Valor(true), Valor(-1.0)},       // true counts -1
        {Hoja::V, 1, Valor("1.25"), Valor(1.25)},     // text written with "."
        {Hoja::V, 3, Valor("uno"), Valor("uno")},     // cannot convert: stays
        {Hoja::C, 1, Valor(12.5), Valor("12.5")},     // description as text
        {Hoja::C, 6, Valor(), Valor(QString())},      // empty description
        {Hoja::F1, 1, Valor(0.0), Valor(false)},      // option from a number
        {Hoja::I, 1, Valor("Falso"), Valor(false)},   // option from a text
        {Hoja::F3, 9, Valor("quizá"), Valor("quizá")},
        {Hoja::R, 54, Valor(), Valor(0.0)},
        {Hoja::S, 3, Valor("250"), Valor(250.0)},
    };
    for (const Caso& k : casos) {
        c.Personal[k.h](k.i) = k.antes;
        c.Referencia[k.h](k.i) = k.antes;
    }
    Normalizar(c);
    for (const Caso& k : casos) {
        EXPECT_EQ(c.Personal[k.h](k.i), k.despues) << Codigo(k.h).data() << k.i;
        EXPECT_EQ(c.Referencia[k.h](k.i), k.despues) << Codigo(k.h).data() << k.i;
    }
    EXPECT_TRUE(c.Grabado.C(9).esVacio()); // only the two columns
}

} // namespace

#include "core/calculo.h"

#include <gtest/gtest.h>

using namespace tarvia;

TEST(Calculo, TrasInicializarAmbasColumnasTienenLosMinimos)
{
    Calculo c;
    InicializarCalculo(c);
    for (ValoresColumna* col : {&c.Personal, &c.Referencia}) {
        EXPECT_EQ(col->C(1), Valor("A"));
        EXPECT_EQ(col->C(3), Valor(1500.0));
        EXPECT_EQ(col->C(5), Valor(2.0));
        EXPECT_EQ(col->C(7), Valor(5000.0));
        EXPECT_EQ(col->C(8), Valor(20.0));
        EXPECT_EQ(col->C(12), Valor(100.0));
        EXPECT_EQ(col->C(13), Valor(20.0));
        EXPECT_EQ(col->C(17), Valor(10.0));
        EXPECT_TRUE(col->C(9).esVacio());  // derived
        EXPECT_TRUE(col->R(19).esVacio()); // result
        EXPECT_EQ(col->F1(1), Valor(true));
        EXPECT_FALSE(col->Fecha.isValid());
    }
    EXPECT_FALSE(HayCambios(c));
}

TEST(Calculo, HayCambiosComparaALosDecimalesDelCampo)
{
    Calculo c;
    InicializarCalculo(c);
    c.Personal.F3(3) = Valor(12.34);
    c.Grabado.F3(3) = Valor(12.34);
    c.Personal.F3(3) = Valor(12.341); // two decimals shown
    EXPECT_FALSE(HayCambios(c));
    c.Personal.F3(3) = Valor(12.35);
    EXPECT_TRUE(HayCambios(c));
    c.Personal.F3(3) = Valor(12.34); // typed back
    EXPECT_FALSE(HayCambios(c));
}

TEST(Calculo, HayCambiosEnTextosOpcionesYNoEnDerivados)
{
    Calculo c;
    InicializarCalculo(c);
    c.Personal.C(1) = Valor("a"); // case matters
    EXPECT_TRUE(HayCambios(c));
    c.Personal.C(1) = Valor("A");
    c.Personal.F1(1) = Valor(false);
    EXPECT_TRUE(HayCambios(c));
    c.Personal.F1(1) = Valor(true);
    c.Personal.C(9) = Valor(123.0); // derived: never compared
    c.Personal.R(19) = Valor(1.0);  // result
    c.Referencia.C(7) = Valor(9e4); // reference column
    c.Personal.Fecha = QDate(2026, 1, 1);
    EXPECT_FALSE(HayCambios(c));
    c.Personal.C(7) = Valor(5000.4); // 0 decimals: still 5000
    EXPECT_FALSE(HayCambios(c));
    c.Personal.C(7) = Valor(5000.5);
    EXPECT_TRUE(HayCambios(c));
}

TEST(Calculo, TextoEnCampoNumericoNoRompeLaComparacion)
{
    Calculo c;
    InicializarCalculo(c);
    c.Personal.C(2) = Valor("doscientos");
    EXPECT_TRUE(HayCambios(c));
    c.Grabado.C(2) = Valor("doscientos");
    EXPECT_FALSE(HayCambios(c));
}

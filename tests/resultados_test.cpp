#include "engine/resultados.h"

#include <gtest/gtest.h>

namespace tarvia {
namespace {

// A document whose columns start empty: every figure not set counts as 0.
class Resultados : public ::testing::Test {
protected:
    Documento doc;
    ValoresColumna& p = doc.calculo.Personal;

    double R(int i, Columna c = Columna::S)
    {
        const Valor& v = doc.calculo.Columna(c).R(i);
        EXPECT_TRUE(v.esNumero()) << "R(" << i << ")";
        return v.esNumero() ? v.numero() : -1;
    }
    // Only the tractor's fuel in Spain: l litres a year at `precio`, `reembolso` refunded.
    void Gasoleo(double mma, double litros, double precio, double reembolso)
    {
        p.C(3) = mma;
        p.C(7) = 100000.0;
        p.V(7) = litros / 1000.0; // litres per 100 km
        p.V(33) = 100.0;
        p.V(6) = precio;
        p.V(41) = reembolso;
    }
};

TEST_F(Resultados, AmortizacionDeBienesCompradosYAlquilados)
{
    p.F1(1) = true; // tractor bought: (price without tyres − residual) / life
    p.F1(2) = 100000.0;
    p.F1(5) = 5.0;
    p.F1(24) = 90000.0;
    p.F1(7) = 20000.0;
    p.F2(1) = true; // semitrailer bought
    p.F2(2) = 30000.0;
    p.F2(5) = 10.0;
    p.F2(26) = 28000.0;
    p.F2(7) = 3000.0;
    p.F2(13) = false; // equipment rented
    p.F2(24) = 1200.0;
    ActualizarColumna(doc, Columna::S);
    EXPECT_DOUBLE_EQ(R(1), 14000 + 2500 + 1200);

    // A residual above the price adds nothing; a bodywork is amortised like the tractor.
    p.F1(7) = 95000.0;
    p.F1(13) = 10000.0;
    p.F1(16) = 4.0;
    p.F1(15) = 9000.0;
    p.F1(18) = 1000.0;
    ActualizarColumna(doc, Columna::S);
    EXPECT_DOUBLE_EQ(R(1), 2000 + 2500 + 1200);
}

TEST_F(Resultados, RentingDelTractorSustituyeAmortizacionYFinanciacion)
{
    p.F1(1) = false;
    p.F1(12) = 15000.0;
    // Figures of a purchase that must be ignored while the tractor is rented.
    p.F1(2) = 100000.0;
    p.F1(5) = 5.0;
    p.F1(24) = 90000.0;
    p.F1(9) = 60000.0;
    p.F1(10) = 5.0;
    p.F1(11) = 5.0;
    p.F1(13) = 10000.0;
    p.F1(16) = 4.0;
    p.F1(15) = 9000.0;
    p.F1(20) = 9000.0;
    p.F1(21) = 4.0;
    p.F1(22) = 4.0;
    ActualizarColumna(doc, Columna::S);
    EXPECT_DOUBLE_EQ(R(1), 15000);
    EXPECT_DOUBLE_EQ(R(2), 0);
}

TEST_F(Resultados, FinanciacionConCuotaConstante)
{
    // 60 000 at 5 % over 5 years: instalment 13 858,49, interest 9 292,44 over a 5-year life.
    p.F1(1) = true;
    p.F1(9) = 60000.0;
    p.F1(10) = 5.0;
    p.F1(11) = 5.0;
    p.F1(5) = 5.0;
    ActualizarColumna(doc, Columna::S);
    EXPECT_DOUBLE_EQ(R(2), 1858.49);

    // A rate of 0 cannot be computed: that item is left out, the others stay.
    p.F2(1) = true;
    p.F2(9) = 20000.0;
    p.F2(10) = 4.0;
    p.F2(11) = 0.0;
    p.F2(5) = 8.0;
    ActualizarColumna(doc, Columna::S);
    EXPECT_DOUBLE_EQ(R(2), 1858.49);
}

struct CasoGasoleo {
    double mma, litros, precio, reembolso, parteEspana;
};

TEST_F(Resultados, ReembolsoDelGasoleoProfesional)
{
    const CasoGasoleo casos[] = {
        {40000, 60000, 1.0, 0.05, 10000 * 1.0 + 50000 * 0.95}, // refund on 50 000 litres only
        {40000, 40000, 1.0, 0.05, 40000 * 0.95},
        {7500, 40000, 1.0, 0.05, 40000 * 0.95},   // from 7 500 kg on
        {3500, 60000, 1.0, 0.05, 60000 * 1.0},    // light vehicle: no refund
        {40000, 40000, 0.04, 0.05, 0},            // refund above the price: 0, not negative
        {40000, 60000, 0.04, 0.05, 0},
    };
    for (const auto& c : casos) {
        Gasoleo(c.mma, c.litros, c.precio, c.reembolso);
        ActualizarColumna(doc, Columna::S);
        EXPECT_NEAR(R(7), c.parteEspana, 1e-6) << "MMA " << c.mma << ", " << c.litros << " l";
    }
}

TEST_F(Resultados, CombustibleSumaTresPartesRedondeadas)
{
    // Spain, abroad and the equipment each cost `parte`: each is rounded
    // to cents before the sum, so three parts of 0,004 make 0, not 0,01.
    struct { double parte, esperado; } casos[] = {{0.004, 0}, {0.006, 0.03}, {12.345, 37.05}};
    for (const auto& c : casos) {
        Gasoleo(3500, c.parte, 1.0, 0);
        p.V(34) = 100.0;
        p.V(40) = 1.0;
        p.V(13) = c.parte;
        p.V(14) = 1.0;
        p.V(15) = 1.0;
        ActualizarColumna(doc, Columna::S);
        EXPECT_DOUBLE_EQ(R(7), c.esperado) << c.parte;
    }
}

TEST_F(Resultados, NeumaticosYLaReglaDelSemirremolque)
{
    p.C(7) = 100000.0;
    p.V(16) = 2.0; p.V(17) = 500.0; p.V(18) = 100000.0; // 0,01 €/km
    p.V(19) = 4.0; p.V(20) = 500.0; p.V(21) = 200000.0; // 0,01 €/km
    p.V(22) = 0.0; p.V(23) = 0.0;   p.V(24) = 100000.0;
    p.V(25) = 6.0; p.V(26) = 500.0; p.V(27) = 150000.0; // semitrailer 0,02 €/km

    struct { Valor compra; double precio; double esperado; } casos[] = {
        {true, 30000, 4000},  // bought semitrailer
        {true, 0, 2000},      // bought at price 0: there is none
        {false, 0, 4000},     // rented
    };
    for (const auto& c : casos) {
        p.F2(1) = c.compra;
        p.F2(2) = c.precio;
        ActualizarColumna(doc, Columna::S);
        EXPECT_DOUBLE_EQ(R(8), c.esperado) << c.precio;
    }
}

// A column with every row of the structure set.
void ColumnaCompleta(ValoresColumna& v)
{
    v.F1(1) = false; v.F1(12) = 12000.0;
    v.F3(1) = 35000.0; v.F3(18) = 4000.0; v.F3(28) = 1500.0; v.F3(8) = 9000.0;
    v.C(3) = 3500.0; v.C(7) = 100000.0; v.V(7) = 30.0; v.V(33) = 100.0; v.V(6) = 1.1;
    v.V(42) = 800.0; v.V(29) = 3000.0; v.V(31) = 2500.0; v.V(32) = 1700.0;
    v.I(1) = true; v.I(2) = 3000.0; v.I(3) = 1000.0; v.I(4) = 500.0; v.I(5) = 4500.0;
    v.C(9) = 80000.0; v.C(12) = 2000.0; v.C(14) = 1600.0; v.C(20) = 1600000.0;
}

TEST_F(Resultados, GruposPorcentajesYCostesUnitarios)
{
    ColumnaCompleta(p);
    ActualizarColumna(doc, Columna::S);
    EXPECT_DOUBLE_EQ(R(7), 33000);
    EXPECT_DOUBLE_EQ(R(15), 12000 + 35000 + 4000 + 1500);
    EXPECT_DOUBLE_EQ(R(8), 0); // no tyre life given: nothing can be computed
    EXPECT_DOUBLE_EQ(R(16), 33000 + 800 + 3000 + 2500 + 9000 + 1700);
    EXPECT_DOUBLE_EQ(R(17), R(15) + R(16));
    EXPECT_DOUBLE_EQ(R(18), 4500);
    EXPECT_DOUBLE_EQ(R(19), 107000);

    EXPECT_DOUBLE_EQ(R(39), 100);
    double suma = R(40);
    for (int k = 1; k <= 14; ++k)
        suma += R(k + 20);
    EXPECT_NEAR(suma, 100, 0.5);
    EXPECT_DOUBLE_EQ(R(23), 32.7); // 35 000 of 107 000

    EXPECT_DOUBLE_EQ(R(43), 1.07);
    EXPECT_DOUBLE_EQ(R(44), 1.3375);
    EXPECT_DOUBLE_EQ(R(47), 53.5);
    EXPECT_DOUBLE_EQ(R(48), 66.88);
    EXPECT_DOUBLE_EQ(R(49), 0.5);     // 50 000 / 100 000
    EXPECT_DOUBLE_EQ(R(50), 0.625);   // 50 000 / 80 000
    EXPECT_DOUBLE_EQ(R(51), 28.5);    // (52 500 + 4 500) / 2 000
    EXPECT_DOUBLE_EQ(R(52), 35.63);   // 57 000 / 1 600 = 35,625
    EXPECT_DOUBLE_EQ(R(54), 0.06688); // 107 000 / 1 600 000 = 0,066875
}

TEST_F(Resultados, TotalCeroDejaTodosLosPorcentajesACero)
{
    ActualizarColumna(doc, Columna::S);
    for (int i = 21; i <= 40; ++i)
        EXPECT_DOUBLE_EQ(R(i), 0) << i;
    EXPECT_EQ(doc.pantalla.caja(Hoja::R, Columna::S, 39).texto, QStringLiteral("0,0"));
}

TEST_F(Resultados, SinKilometrosNiHorasEnCarga)
{
    ColumnaCompleta(p);
    p.C(7) = 0.0;
    p.C(9) = 0.0;
    ActualizarColumna(doc, Columna::S);
    for (int i : {41, 42, 43, 44, 49, 50, 51, 52})
        EXPECT_DOUBLE_EQ(R(i), 0) << i;
    EXPECT_DOUBLE_EQ(R(47), R(19) / 2000);
    EXPECT_GT(R(48), 0);

    ColumnaCompleta(p);
    p.C(14) = 0.0;
    ActualizarColumna(doc, Columna::S);
    for (int i : {46, 48, 52})
        EXPECT_DOUBLE_EQ(R(i), 0) << i;
    for (int i : {43, 44, 47, 49, 50, 51})
        EXPECT_GT(R(i), 0) << i;
}

TEST_F(Resultados, SinToneladasNoHayC5)
{
    ColumnaCompleta(p);
    p.C(20) = Valor(); // empty counts as 0
    ActualizarColumna(doc, Columna::S);
    EXPECT_DOUBLE_EQ(R(53), 0);
    EXPECT_DOUBLE_EQ(R(54), 0);
}

TEST_F(Resultados, DetalleDeIndirectosVisibleSoloDesglosado)
{
    ColumnaCompleta(p);
    ActualizarColumna(doc, Columna::S);
    for (int i : {12, 13, 14, 32, 33, 34})
        EXPECT_TRUE(doc.pantalla.caja(Hoja::R, Columna::S, i).visible) << i;

    p.I(1) = false;
    ActualizarColumna(doc, Columna::S);
    for (int i : {12, 13, 14, 32, 33, 34})
        EXPECT_FALSE(doc.pantalla.caja(Hoja::R, Columna::S, i).visible) << i;
    EXPECT_TRUE(doc.pantalla.caja(Hoja::R, Columna::S, 18).visible);
    EXPECT_DOUBLE_EQ(R(12), 3000); // still computed
}

TEST_F(Resultados, MuestraCadaResultadoConCerosYFormatoLocal)
{
    ColumnaCompleta(p);
    ActualizarColumna(doc, Columna::S);
    const auto texto = [this](int i) { return doc.pantalla.caja(Hoja::R, Columna::S, i).texto; };
    EXPECT_EQ(texto(19), QStringLiteral("107.000,00"));
    EXPECT_EQ(texto(2), QStringLiteral("0,00"));
    EXPECT_EQ(texto(22), QStringLiteral("0,0"));
    EXPECT_EQ(texto(41), QStringLiteral("100.000"));
    EXPECT_EQ(texto(44), QStringLiteral("1,3375"));
}

TEST_F(Resultados, ActualizarCalculaAmbasColumnasPorSeparado)
{
    ColumnaCompleta(p);
    ColumnaCompleta(doc.calculo.Referencia);
    doc.calculo.Referencia.F3(1) = 45000.0;
    Actualizar(doc);
    EXPECT_DOUBLE_EQ(R(19, Columna::O) - R(19, Columna::S), 10000);
    EXPECT_EQ(doc.pantalla.caja(Hoja::R, Columna::O, 3).texto, QStringLiteral("45.000,00"));
}

} // namespace
} // namespace tarvia

#include "engine/resultados.h"
#include "presentacion/documento.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace tarvia {
namespace {

// Columns start empty: every figure not set counts as 0.
class Resultados : public ::testing::Test {
protected:
    Documento doc;
    ValoresColumna& p = doc.calculo.Personal;

    double R(int i, Columna c = Columna::S)
    {
        ActualizarColumna(doc, c);
        return doc.calculo.Columna(c).R(i).numero();
    }
    QString Caja(int i) { return doc.pantalla.caja(Hoja::R, Columna::S, i).texto; }
    // The tractor's fuel, `litros` a year, `espana` % of it bought in Spain.
    void Gasoleo(double mma, double litros, double precio, double reembolso, double espana = 100,
                 double precioExtranjero = 0)
    {
        p.C(3) = mma;
        p.C(7) = 100000.0;
        p.V(7) = litros / 1000.0; // litres per 100 km
        p.V(33) = espana;
        p.V(34) = 100 - espana;
        p.V(6) = precio;
        p.V(41) = reembolso;
        p.V(40) = precioExtranjero;
    }
    // Every row of the structure set; the expected figures are in the tests.
    void Completa()
    {
        p.F1(1) = false;
        p.F1(12) = 12000.0;
        p.F3(1) = 35000.0;
        p.F3(18) = 4000.0;
        p.F3(28) = 1500.0;
        p.F3(8) = 9000.0;
        Gasoleo(3500, 30000, 1.1, 0); // 33 000
        p.V(42) = 800.0;
        p.V(29) = 3000.0;
        p.V(31) = 2500.0;
        p.V(32) = 1700.0;
        p.I(1) = true;
        p.I(2) = 3000.0;
        p.I(3) = 1000.0;
        p.I(4) = 500.0;
        p.I(5) = 4500.0;
        p.C(9) = 80000.0;
        p.C(12) = 2000.0;
        p.C(14) = 1600.0;
        p.C(20) = 1600000.0;
    }
};

// Each good bought or obtained another way, from empty columns. Interest is
// the loan's total (instalments × years − capital) spread over the good's life.
TEST_F(Resultados, AmortizacionYFinanciacion)
{
    using Campos = std::vector<std::pair<int, Valor>>;
    // Tractor bought: (90 000 without tyres − 20 000 residual) / 5 years = 14 000.
    const Campos tractor = {{1, true}, {2, 100000}, {5, 5}, {24, 90000}, {7, 20000}};
    const struct {
        const char* que;
        double amortizacion, financiacion;
        Campos f1 = {}, f2 = {};
    } casos[] = {
        // 60 000 at 5 % over 5 years: instalment 13 858,4879, interest 9 292,4394 / 5 = 1 858,49.
        {"prestamo igual a la vida", 14000, 1858.49, {{9, 60000}, {10, 5}, {11, 5}}},
        // (96 000 − 16 000) / 8 = 10 000; 80 000 at 6 % over 4: interest 12 349,2776 / 8 = 1 543,66.
        {"prestamo 4, vida 8", 10000, 1543.66, {{5, 8}, {24, 96000}, {7, 16000}, {9, 80000}, {10, 4}, {11, 6}}},
        // Bodywork bought: (27 000 − 3 000) / 10 = 2 400 over its own life, beside the tractor's 14 000.
        {"carrozado", 16400, 0, {{13, 30000}, {15, 27000}, {16, 10}, {18, 3000}}},
        // Its loan: 20 000 at 4 % over 3 years, interest 1 620,9124 over its own 10-year life, not the tractor's 5.
        {"carrozado financiado", 14000, 162.09, {{13, 30000}, {16, 10}, {20, 20000}, {21, 3}, {22, 4}}},
        // A rate of 0 cannot be computed: that loan is left out.
        {"interes 0", 14000, 0, {{9, 60000}, {10, 5}, {11, 0}}},
        {"residual por encima del precio", 0, 0, {{7, 95000}}},
        // Renting the tractor: its yearly cost, nothing of its purchase, its loan or its bodywork.
        {"tractor alquilado", 15000, 0, {{1, false}, {12, 15000}, {9, 60000}, {10, 5}, {11, 5}}},
        {"carrozado de un alquilado", 15000, 0, {{1, false}, {12, 15000}, {13, 30000}, {15, 27000}, {16, 10}}},
        // With the tractor bought: the semitrailer's 6 000 a year, not 33 000 / 10.
        {"semi alquilado", 20000, 0, {}, {{1, false}, {2, 35000}, {26, 33000}, {5, 10}, {12, 6000}}},
        // Equipment bought: (19 400 − 2 000) / 8 = 2 175.
        {"equipos", 16175, 0, {}, {{13, true}, {14, 20000}, {16, 19400}, {17, 8}, {19, 2000}}},
        // Its loan: 10 000 at 3 % over 5 years, interest 917,7286 over its 8-year life = 114,72.
        {"equipos financiados", 14000, 114.72, {}, {{13, true}, {17, 8}, {21, 10000}, {22, 5}, {23, 3}}},
        {"equipos alquilados", 15200, 0, {}, {{13, false}, {14, 20000}, {16, 19400}, {17, 8}, {24, 1200}}},
    };
    for (const auto& c : casos) {
        p = ValoresColumna();
        for (const Campos* campos : {&tractor, &c.f1})
            for (const auto& [i, v] : *campos)
                p.F1(i) = v;
        for (const auto& [i, v] : c.f2)
            p.F2(i) = v;
        EXPECT_DOUBLE_EQ(R(1), c.amortizacion) << c.que;
        EXPECT_DOUBLE_EQ(R(2), c.financiacion) << c.que;
    }
}

TEST_F(Resultados, ReembolsoDelGasoleoProfesional)
{
    const struct {
        double mma, litros, precio, reembolso, espana, extranjero, parte;
    } casos[] = {
        {40000, 60000, 1.0, 0.05, 100, 0, 10000 * 1.0 + 50000 * 0.95}, // refund on 50 000 litres only
        {7500, 40000, 1.0, 0.05, 100, 0, 40000 * 0.95},                // from 7 500 kg on
        {3500, 60000, 1.0, 0.05, 100, 0, 60000 * 1.0},                 // light vehicle: no refund
        {40000, 40000, 0.04, 0.05, 100, 0, 0},                         // refund above the price: 0
        {40000, 60000, 0.04, 0.05, 100, 0, 0},
        // 68 000 l, 80 % in Spain: 4 400 × 1,2345678 + 50 000 × 1,1855678 = 64 710,49; abroad 13 600 × 1,4 = 19 040.
        {40000, 68000, 1.2345678, 0.049, 80, 1.4, 83750.49},
    };
    for (const auto& c : casos) {
        Gasoleo(c.mma, c.litros, c.precio, c.reembolso, c.espana, c.extranjero);
        EXPECT_NEAR(R(7), c.parte, 1e-6) << "MMA " << c.mma << ", " << c.litros << " l";
    }
    // Spain, abroad and the equipment each cost 0,006: each part is rounded
    // to cents before the sum (0,03, not 0,02).
    Gasoleo(3500, 6, 0.001, 0, 100, 0.001);
    p.V(34) = 100.0;
    p.V(13) = 0.006;
    p.V(14) = 1.0;
    p.V(15) = 1.0;
    EXPECT_DOUBLE_EQ(R(7), 0.03);
}

TEST_F(Resultados, NeumaticosYLaReglaDelSemirremolque)
{
    p.C(7) = 100000.0;
    p.V(16) = 2.0;
    p.V(17) = 500.0;
    p.V(18) = 100000.0; // 0,01 €/km
    p.V(19) = 4.0;
    p.V(20) = 500.0;
    p.V(21) = 200000.0; // 0,01 €/km
    p.V(24) = 100000.0;
    p.V(25) = 6.0;
    p.V(26) = 500.0;
    p.V(27) = 150000.0; // semitrailer 0,02 €/km
    const struct {
        bool compra;
        double precio, euros;
    } casos[] = {{true, 30000, 4000}, {true, 0, 2000}, {false, 0, 4000}}; // no semitrailer only if bought at 0
    for (const auto& c : casos) {
        p.F2(1) = c.compra;
        p.F2(2) = c.precio;
        EXPECT_DOUBLE_EQ(R(8), c.euros) << c.compra << " " << c.precio;
    }
}

TEST_F(Resultados, GruposPorcentajesYCostesUnitarios)
{
    Completa();
    EXPECT_DOUBLE_EQ(R(15), 12000 + 35000 + 4000 + 1500);
    EXPECT_DOUBLE_EQ(R(16), 33000 + 800 + 3000 + 2500 + 9000 + 1700);
    EXPECT_DOUBLE_EQ(R(19), 107000);
    EXPECT_DOUBLE_EQ(R(39), 100);
    EXPECT_DOUBLE_EQ(R(23), 32.7); // 35 000 of 107 000
    double suma = R(40);
    for (int k = 21; k <= 34; ++k)
        suma += R(k);
    EXPECT_NEAR(suma, 100, 0.5);

    const struct {
        int r;
        double valor;
    } unitarios[] = {{43, 1.07},   {44, 1.3375}, {47, 53.5}, {48, 66.88}, // 66,875 half up
                     {49, 0.5},    {50, 0.625},  {51, 28.5}, {52, 35.63}, // (52 500 + 4 500) / 1 600
                     {54, 0.06688}};
    for (const auto& u : unitarios)
        EXPECT_DOUBLE_EQ(R(u.r), u.valor) << u.r;
    EXPECT_EQ(Caja(19), QStringLiteral("107.000,00"));
    EXPECT_EQ(Caja(2), QStringLiteral("0,00")); // zeros shown on this sheet
    EXPECT_EQ(Caja(44), QStringLiteral("1,3375"));

    // The reference column is computed on its own.
    doc.calculo.Referencia.F3(1) = 1000.0;
    Actualizar(doc);
    EXPECT_DOUBLE_EQ(doc.calculo.Referencia.R(19).numero(), 1000);
    EXPECT_DOUBLE_EQ(p.R(19).numero(), 107000);
}

TEST_F(Resultados, DivisoresCero)
{
    EXPECT_DOUBLE_EQ(R(19), 0); // nothing at all: every percentage 0
    for (int i = 21; i <= 40; ++i)
        EXPECT_DOUBLE_EQ(R(i), 0) << i;
    EXPECT_EQ(Caja(39), QStringLiteral("0,0"));

    Completa();
    p.C(7) = 0.0;
    p.C(9) = 0.0;
    p.C(20) = Valor(); // no kilometres, no tonnage
    for (int i : {41, 42, 43, 44, 49, 50, 51, 52, 53, 54})
        EXPECT_DOUBLE_EQ(R(i), 0) << i;
    EXPECT_DOUBLE_EQ(R(47), R(19) / 2000); // C2 still computed

    Completa();
    p.C(14) = 0.0; // no loaded hours: only the loaded C2 and C4
    for (int i : {46, 48, 52})
        EXPECT_DOUBLE_EQ(R(i), 0) << i;
    for (int i : {43, 44, 47, 49, 50, 51})
        EXPECT_GT(R(i), 0) << i;
}

// A file may hold any figure: a sum beyond what a double holds keeps its
// previous value, as a step that cannot be computed does, instead of "inf".
TEST_F(Resultados, SumaFueraDeRangoConservaSuValor)
{
    p.F3(1) = 1e308;
    p.F3(18) = 1e308;
    EXPECT_DOUBLE_EQ(R(15), 0);
    EXPECT_EQ(Caja(15), QStringLiteral("0,00"));
    for (int i = 1; i <= 54; ++i)
        EXPECT_TRUE(std::isfinite(R(i))) << i;
}

TEST_F(Resultados, DetalleDeIndirectosVisibleSoloDesglosado)
{
    Completa();
    for (bool desglosado : {true, false}) {
        p.I(1) = desglosado;
        EXPECT_DOUBLE_EQ(R(12), 3000); // computed either way
        for (int i : {12, 13, 14, 32, 33, 34})
            EXPECT_EQ(doc.pantalla.caja(Hoja::R, Columna::S, i).visible, desglosado) << i;
        EXPECT_TRUE(doc.pantalla.caja(Hoja::R, Columna::S, 18).visible);
    }
}

} // namespace
} // namespace tarvia

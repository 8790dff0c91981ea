#include "engine/indirectos.h"
#include "engine/servicio.h"
#include "presentacion/documento.h"

#include <gtest/gtest.h>

namespace tarvia {
namespace {

class Servicio : public ::testing::Test {
protected:
    Documento doc;
    ValoresColumna& p = doc.calculo.Personal;

    void SetUp() override
    {
        p.R(44) = 1.2;
        p.R(48) = 40.0;
        p.R(50) = 0.8;
        p.R(52) = 20.0;
    }
    double S(int i) { return p.S(i).numeroOCero(); }
    QString Caja(int i) { return doc.pantalla.caja(Hoja::S, Columna::S, i).texto; }
    // Direct costs (the driver alone) and indirect costs entered as a total, both columns.
    void Costes(double directos, double indirectos)
    {
        for (Columna c : {Columna::S, Columna::O}) {
            doc.calculo.Columna(c).F3(1) = directos;
            doc.calculo.Columna(c).I(1) = false;
            doc.calculo.Columna(c).I(5) = indirectos;
        }
    }
};

TEST_F(Servicio, PreciosPorKilometrosHorasYAmbos)
{
    const struct {
        double costes, km, horas, porKm, porHoras, ambos;
    } casos[] = {
        {100, 250, 5, 400, 300, 400},
        {100, 250, 0, 400, 0, 0}, // kilometres but no hours
        {100, 0, 0, 0, 0, 0},     // charged costs alone are not priced
        {0, 1.25, 0.015, 1.5, 0.6, 1.3},
    };
    for (const auto& c : casos) {
        p.S(8) = c.costes;
        p.S(9) = c.km;
        p.S(10) = c.horas;
        CosteServicio(doc, campos::S::kServicios[1]); // the second service: S(8) to S(13)
        EXPECT_DOUBLE_EQ(S(11), c.porKm) << c.km << " km, " << c.horas << " h";
        EXPECT_DOUBLE_EQ(S(12), c.porHoras) << c.km << " km, " << c.horas << " h";
        EXPECT_DOUBLE_EQ(S(13), c.ambos) << c.km << " km, " << c.horas << " h";
        EXPECT_EQ(Caja(13).isEmpty(), c.ambos == 0); // a zero shows empty on this sheet
    }
}

// Reviewing the sheet recomputes the results first, then zeroes a leg above
// the year's loaded kilometres or hours (one at exactly the year's stays) and
// reprices. 107 000 € a year (70 000 of time, 37 000 of distance) over 1 234
// loaded km and 61 loaded hours: C1 86,7099 and C3 29,9838 €/km, C2 1 754,10
// and C4 1 147,54 €/h in load.
TEST_F(Servicio, RevisarAnulaTramosPorEncimaDeLosTotalesConCostesActuales)
{
    p.F3(1) = 70000.0;
    p.V(32) = 37000.0;
    p.C(7) = 100000.0;
    p.C(12) = 2000.0;
    p.C(9) = 1234.0;
    p.C(14) = 61.0;
    p.S(2) = 100.0;
    const struct {
        double km, horas, quedanKm, quedanHoras, porKm, porHoras, ambos;
    } casos[] = {
        // Exactly the year's: 100 + 1 234 × 86,7099; 100 + 61 × 1 754,10; 100 + 1 234 × 29,9838 + 61 × 1 147,54.
        {1234, 61, 1234, 61, 107100.02, 107100.10, 107099.95},
        // Half: 100 + 617 × 86,7099 = 53 600,0083; 100 + 30,5 × 1 754,10; 100 + 18 500,0046 + 34 999,97.
        {617, 30.5, 617, 30.5, 53600.01, 53600.05, 53599.97},
        {1235, 61, 0, 61, 0, 107100.10, 0}, // one kilometre too many
        {1234, 62, 1234, 0, 107100.02, 0, 0},
    };
    for (const auto& c : casos) {
        p.S(3) = c.km;
        p.S(4) = c.horas;
        Revisar(doc); // the stale unit costs of SetUp must not be used
        SCOPED_TRACE(::testing::Message() << c.km << " km, " << c.horas << " h");
        EXPECT_DOUBLE_EQ(S(3), c.quedanKm);
        EXPECT_DOUBLE_EQ(S(4), c.quedanHoras);
        EXPECT_DOUBLE_EQ(S(5), c.porKm);
        EXPECT_DOUBLE_EQ(S(6), c.porHoras);
        EXPECT_DOUBLE_EQ(S(7), c.ambos);
    }
    // No tonnage: no tonne-kilometre cost, an empty box.
    EXPECT_TRUE(p.S(1).esVacio());
    EXPECT_EQ(Caja(1), QString());
}

TEST_F(Servicio, CambioDeUnCampoRecalculaResultadosYSoloSuServicio)
{
    // 100 000 € a year over 50 000 loaded km and 1 000 loaded hours.
    p.F3(1) = 100000.0;
    p.C(7) = 100000.0;
    p.C(9) = 50000.0;
    p.C(12) = 2000.0;
    p.C(14) = 1000.0;
    p.S(21) = 100.0;
    p.S(5) = 7.0; // a price of service 1 that must stay
    RecalcularServicio(doc, 21);
    EXPECT_DOUBLE_EQ(S(23), 200);
    EXPECT_DOUBLE_EQ(S(5), 7);
    p.S(22) = 2.0;
    RecalcularServicio(doc, 22);
    EXPECT_DOUBLE_EQ(S(24), 200);
    p.S(20) = 50.0;
    RecalcularServicio(doc, 23); // a price field triggers nothing
    EXPECT_DOUBLE_EQ(S(23), 200);
    RecalcularServicio(doc, 20);
    EXPECT_DOUBLE_EQ(S(23), 250);
}

TEST_F(Servicio, ComentarioDeIndirectos)
{
    Costes(80000, 5000);
    Comentario(doc, Columna::S);
    const QString texto =
        QStringLiteral("Los  Costes  Indirectos  anuales  representan  el\r\n6,3  %\r\nde  los  Costes  Directos.");
    EXPECT_EQ(doc.pantalla.comentario(Columna::S), texto);
    EXPECT_EQ(doc.pantalla.comentario(Columna::O), QStringLiteral("Comentario"));

    Costes(1000, 15000);
    Comentario(doc, Columna::O); // grouping and the column's own figures
    EXPECT_TRUE(doc.pantalla.comentario(Columna::O).contains(QStringLiteral("\r\n1.500,0  %\r\n")));

    Costes(80000, 0); // a share of 0 is shown as a zero box shows, empty
    Comentario(doc, Columna::S);
    EXPECT_TRUE(doc.pantalla.comentario(Columna::S).contains(QStringLiteral("el\r\n  %\r\n")));

    Costes(80000, 5000);
    Comentario(doc, Columna::S);
    Costes(0, 5000); // no direct costs: the caption stays
    Comentario(doc, Columna::S);
    Costes(40000, 5000);
    p.I(1) = true; // broken down: not rewritten
    Comentario(doc, Columna::S);
    EXPECT_EQ(doc.pantalla.comentario(Columna::S), texto);
}

} // namespace
} // namespace tarvia

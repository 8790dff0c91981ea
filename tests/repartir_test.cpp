#include "engine/abrir.h"
#include "engine/repartir.h"
#include "presentacion/documento.h"

#include "core/catalogo.h"
#include "core/formato.h"
#include "core/redondear.h"
#include "tests/ejemplo.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <functional>

using namespace tarvia;

namespace {

// Every derived field of sheets C to V as its formula gives it from the inputs;
// a group total only while its group is entered broken down.
struct Derivado {
    Hoja h;
    int i;
    std::function<double(const ValoresColumna&)> formula;
    int desglose = 0; // option field of F3 that must be true, or 0
};

double N(const ValoresColumna& v, Hoja h, int i) { return v[h](i).numeroOCero(); }
double Rd(double x, Hoja h, int i) { return Redondear(x, Decimales(h, i)); }

std::vector<Derivado> Derivados()
{
    using H = Hoja;
    const auto c = [](const ValoresColumna& v, int i) { return N(v, H::C, i); };
    const auto f1 = [](const ValoresColumna& v, int i) { return N(v, H::F1, i); };
    const auto f2 = [](const ValoresColumna& v, int i) { return N(v, H::F2, i); };
    const auto f3 = [](const ValoresColumna& v, int i) { return N(v, H::F3, i); };
    const auto vv = [](const ValoresColumna& v, int i) { return N(v, H::V, i); };
    const auto sinDescuento = [](double tarifa, double d, Hoja h, int i) { return Rd(tarifa * (100 - d) / 100, h, i); };
    const auto cargado = [=](const ValoresColumna& v) { return c(v, 8) != 0; };
    const auto horas = [=](const ValoresColumna& v) { return c(v, 12) != 0 && c(v, 13) != 0; };
    const auto f3Suma = [=](const ValoresColumna& v, std::initializer_list<int> l) {
        double s = 0;
        for (int i : l)
            s += f3(v, i);
        return s;
    };
    // (price, discount %, discount, VAT %, VAT per litre, price without VAT)
    const auto sinIva = [=](const ValoresColumna& v, int p, int r, int t, int w) {
        return Rd((vv(v, p) - vv(v, r)) / (vv(v, t) / 100 + 1), H::V, w);
    };
    std::vector<Derivado> d = {
        {H::C, 21, [=](auto& v) { return Rd(c(v, 2) * 0.73549875, H::C, 21); }},
        {H::C, 9, [=](auto& v) { return cargado(v) ? Rd(c(v, 7) * c(v, 8) / 100, H::C, 9) : 0; }},
        {H::C, 10, [=](auto& v) { return cargado(v) ? 100 - c(v, 8) : 0; }},
        {H::C, 11, [=](auto& v) { return cargado(v) ? c(v, 7) - c(v, 9) : 0; }},
        {H::C, 20, [=](auto& v) { return cargado(v) ? Rd(c(v, 7) * c(v, 8) * c(v, 19) / 100, H::C, 20) : 0; }},
        {H::C, 14, [=](auto& v) { return horas(v) ? Rd(c(v, 12) * c(v, 13) / 100, H::C, 14) : 0; }},
        {H::C, 15, [=](auto& v) { return horas(v) ? 100 - c(v, 13) : 0; }},
        {H::C, 16, [=](auto& v) { return horas(v) ? c(v, 12) - c(v, 14) : 0; }},
        {H::C, 18, [=](auto& v) { return c(v, 17) > 0 ? Rd(c(v, 12) / c(v, 17), H::C, 18) : 0; }},
        {H::F1, 4, [=](auto& v) { return sinDescuento(f1(v, 2), f1(v, 3), H::F1, 4); }},
        {H::F1, 7, [=](auto& v) { return Rd(f1(v, 2) * f1(v, 6) / 100, H::F1, 7); }},
        {H::F1, 9, [=](auto& v) { return Rd(f1(v, 8) * f1(v, 4) / 100, H::F1, 9); }},
        {H::F1, 15, [=](auto& v) { return sinDescuento(f1(v, 13), f1(v, 14), H::F1, 15); }},
        {H::F1, 18, [=](auto& v) { return Rd(f1(v, 13) * f1(v, 17) / 100, H::F1, 18); }},
        {H::F1, 20, [=](auto& v) { return Rd(f1(v, 19) * f1(v, 15) / 100, H::F1, 20); }},
        {H::F1, 24,
         [=](auto& v) {
             const double ruedas = vv(v, 16) * vv(v, 17) + vv(v, 19) * vv(v, 20) + vv(v, 22) * vv(v, 23);
             return std::max(0.0,
                             sinDescuento(f1(v, 2), f1(v, 3), H::F1, 24) - Rd(ruedas * f1(v, 23) / 100, H::F1, 24));
         }},
        {H::F2, 4, [=](auto& v) { return sinDescuento(f2(v, 2), f2(v, 3), H::F2, 4); }},
        {H::F2, 7, [=](auto& v) { return Rd(f2(v, 2) * f2(v, 6) / 100, H::F2, 7); }},
        {H::F2, 9, [=](auto& v) { return Rd(f2(v, 8) * f2(v, 4) / 100, H::F2, 9); }},
        {H::F2, 16, [=](auto& v) { return sinDescuento(f2(v, 14), f2(v, 15), H::F2, 16); }},
        {H::F2, 19, [=](auto& v) { return Rd(f2(v, 14) * f2(v, 18) / 100, H::F2, 19); }},
        {H::F2, 21, [=](auto& v) { return Rd(f2(v, 20) * f2(v, 16) / 100, H::F2, 21); }},
        {H::F2, 26,
         [=](auto& v) {
             return std::max(0.0, sinDescuento(f2(v, 2), f2(v, 3), H::F2, 26) -
                                      Rd(vv(v, 25) * vv(v, 26) * f2(v, 25) / 100, H::F2, 26));
         }},
        {H::F3, 5, [=](auto& v) { return Rd(f3(v, 3) * f3(v, 4), H::F3, 5); }, 2},
        {H::F3, 7, [=](auto& v) { return Rd(f3(v, 6) * c(v, 7), H::F3, 7); }, 2},
        {H::F3, 8, [=](auto& v) { return f3(v, 5) + f3(v, 7); }, 2},
        {H::F3, 18,
         [=](auto& v) {
             return f3Suma(v, {10, 11, 12, 13, 14, 15, 16, 17, 29, 30, 31});
         },
         9},
        {H::F3, 28,
         [=](auto& v) {
             return f3Suma(v, {20, 21, 22, 23, 24, 25, 26, 27});
         },
         19},
        {H::V, 34, [=](auto& v) { return 100 - vv(v, 33); }},
        {H::V, 29, [=](auto& v) { return Rd(vv(v, 28) * c(v, 7), H::V, 29); }},
        {H::V, 31, [=](auto& v) { return Rd(vv(v, 30) * c(v, 7), H::V, 31); }},
    };
    for (const auto& campos :
         {std::array{1, 2, 3, 4, 5, 6}, std::array{35, 36, 37, 38, 39, 40}, std::array{8, 9, 10, 11, 12, 13}}) {
        // Named copies, not bindings: the lambdas capture them (clang 14).
        const int p = campos[0], q = campos[1], r = campos[2], t = campos[3], u = campos[4], w = campos[5];
        d.push_back({H::V, q, [=](auto& v) { return vv(v, p) != 0 ? Rd(100 * vv(v, r) / vv(v, p), H::V, q) : 0; }});
        // All the fuel bought on one side: the other side's net price is cleared.
        const double vacio = w == 6 ? 0 : w == 40 ? 100 : -1;
        d.push_back({H::V, w, [=](auto& v) { return vv(v, 33) == vacio ? 0 : sinIva(v, p, r, t, w); }});
        d.push_back({H::V, u, [=](auto& v) { return Rd(vv(v, p) - vv(v, r) - sinIva(v, p, r, t, w), H::V, u); }});
    }
    return d;
}

void ComprobarDerivados(const Documento& doc, Columna col)
{
    const ValoresColumna& v = doc.calculo.Columna(col);
    for (const Derivado& d : Derivados()) {
        if (d.desglose == 0 || v.F3(d.desglose) == Valor(true)) {
            EXPECT_DOUBLE_EQ(N(v, d.h, d.i), d.formula(v))
                << (col == Columna::S ? "S" : "O") << Codigo(d.h).data() << "(" << d.i << ")";
        }
    }
}

class RepartirTest : public ::testing::Test {
protected:
    void SetUp() override { ejemplo::Llenar(doc.calculo); }

    Valor& P(Hoja h, int i) { return doc.calculo.Personal[h](i); }
    Valor& O(Hoja h, int i) { return doc.calculo.Referencia[h](i); }
    const Caja& Box(Columna c, Hoja h, int i) { return doc.pantalla.caja(h, c, i); }

    Documento doc;
};

TEST_F(RepartirTest, CadaDerivadoIgualaSuFormula)
{
    RepartirValores(doc);
    ComprobarDerivados(doc, Columna::S);
    ComprobarDerivados(doc, Columna::O);
    EXPECT_EQ(P(Hoja::I, 5).numero(), 5500);
    EXPECT_EQ(doc.calculo.Personal.F3(8).numero(), 15600);
    EXPECT_FALSE(HayCambios(doc.calculo));
}

TEST_F(RepartirTest, RotulosConDescripcionYFechas)
{
    RepartirValores(doc);
    const Pantalla& p = doc.pantalla;
    EXPECT_EQ(p.titulo(Hoja::F1), "Vehículo de Tracción     (Articulado de prueba)");
    EXPECT_EQ(p.titulo(Hoja::R), "Resultados     (Articulado de prueba)");
    for (Hoja h : TodasLasHojas)
        EXPECT_EQ(p.marcoPersonal(h), "Cálculo Personalizado (15/01/2026)") << Codigo(h).data();
    EXPECT_EQ(p.marcoReferencia(Hoja::C), "Baremario de Costes (30/06/2025)");
    EXPECT_EQ(p.marcoReferencia(Hoja::R), "Baremaro de Costes (30/06/2025)");
    EXPECT_TRUE(p.marcoReferencia(Hoja::S).isEmpty());

    // Loading again does not extend the captions twice.
    RepartirValores(doc);
    EXPECT_EQ(p.marcoPersonal(Hoja::C), "Cálculo Personalizado (15/01/2026)");
}

TEST_F(RepartirTest, LasOpcionesSiguenLoCargado)
{
    RepartirValores(doc);
    const Pantalla& p = doc.pantalla;
    EXPECT_EQ(p.opcion(Hoja::F1, Columna::S, 1), 1);
    EXPECT_EQ(p.opcion(Hoja::F1, Columna::O, 1), 2);
    EXPECT_TRUE(p.marcoVisible(Marco::F1CosteAnual, Columna::O));
    EXPECT_FALSE(p.marcoVisible(Marco::F1CosteAnual, Columna::S));
    for (int g : {2, 9, 19})
        EXPECT_EQ(p.opcion(Hoja::F3, Columna::S, g), 1) << g;
    EXPECT_EQ(p.opcion(Hoja::I, Columna::O, 1), 2);
    EXPECT_FALSE(Box(Columna::O, Hoja::I, 2).visible);
    EXPECT_TRUE(Box(Columna::S, Hoja::I, 2).visible);
    EXPECT_FALSE(Box(Columna::S, Hoja::I, 5).habilitado);
    EXPECT_FALSE(Box(Columna::S, Hoja::F3, 8).habilitado);
    EXPECT_TRUE(Box(Columna::S, Hoja::F3, 3).habilitado);
    for (Hoja h : TodasLasHojas)
        for (int i = 1; i <= NumeroDeCampos(h); ++i)
            EXPECT_FALSE(Box(Columna::O, h, i).habilitado) << Codigo(h).data() << i;
}

TEST(PantallaTest, EstadoAlCrear)
{
    const Pantalla p;
    EXPECT_TRUE(p.caja(Hoja::C, Columna::S, 7).habilitado);
    EXPECT_EQ(p.caja(Hoja::C, Columna::S, 7).fondo, Fondo::Editable);
    EXPECT_EQ(p.caja(Hoja::C, Columna::S, 9).fondo, Fondo::SoloLectura);
    EXPECT_FALSE(p.caja(Hoja::C, Columna::O, 7).habilitado);
    EXPECT_FALSE(p.caja(Hoja::C, Columna::O, 19).visible);
    EXPECT_FALSE(p.caja(Hoja::R, Columna::O, 54).visible);
    EXPECT_TRUE(p.caja(Hoja::R, Columna::S, 54).visible);
    EXPECT_FALSE(p.marcoVisible(Marco::F2EquipoCosteAnual, Columna::S));
    EXPECT_TRUE(p.marcoVisible(Marco::F1Carrozado, Columna::O));
    EXPECT_EQ(p.marcoReferencia(Hoja::R), "Baremaro de Costes");
    EXPECT_EQ(p.comentario(Columna::O), "Comentario");
}

// Loaded reference vehicles between them take every branch the example does not:
// all fuel bought in Spain, diets as a total, refrigeration, a third axle.
TEST(AbrirTest, LosBaremariosCarganConSusDerivadosAlDia)
{
    for (const char* tipo : {"Frigorifico Internacional", "Furgoneta", "Tren Carretera"}) {
        SCOPED_TRACE(tipo);
        Documento doc;
        InicializarCalculo(doc.calculo);
        ASSERT_EQ(LeerArchivo(doc, QStringLiteral(TARVIA_BIN_DIR "/Baremario/%1.brm").arg(QString::fromUtf8(tipo))),
                  FalloArchivo::Ninguno);
        ComprobarDerivados(doc, Columna::S);
        ComprobarDerivados(doc, Columna::O);
    }
}

TEST(AbrirTest, GrabarPoneLaFechaEnLosMarcosYReabreIgual)
{
    Documento doc;
    ejemplo::Llenar(doc.calculo);
    RepartirValores(doc);
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString ruta = tmp.filePath(QStringLiteral("prueba.trv"));
    ASSERT_EQ(EscribirArchivo(doc, ruta, QDate(2026, 12, 4)), FalloArchivo::Ninguno);
    for (Hoja h : TodasLasHojas)
        EXPECT_EQ(doc.pantalla.marcoPersonal(h), "Cálculo Personalizado (04/12/2026)");

    Documento otro;
    InicializarCalculo(otro.calculo);
    ASSERT_EQ(LeerArchivo(otro, ruta), FalloArchivo::Ninguno);
    EXPECT_FALSE(HayCambios(otro.calculo));
    EXPECT_TRUE(otro.calculo.Personal == doc.calculo.Personal);
    EXPECT_EQ(otro.pantalla.marcoReferencia(Hoja::I), "Baremario de Costes (30/06/2025)");
}

TEST(AbrirTest, UnFalloNoMuestraNadaComoCargado)
{
    Documento doc;
    InicializarCalculo(doc.calculo);
    EXPECT_NE(LeerArchivo(doc, QStringLiteral("/no/existe/nada.trv")), FalloArchivo::Ninguno);
    EXPECT_EQ(doc.pantalla.titulo(Hoja::C), "Características Técnicas y de Explotación");
    EXPECT_EQ(doc.pantalla.marcoPersonal(Hoja::C), "Cálculo Personalizado");
}

} // namespace

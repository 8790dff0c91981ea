#include "engine/recalcular.h"
#include "presentacion/documento.h"

#include "core/catalogo.h"
#include "core/formato.h"
#include "engine/operaciones.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

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

// One change and the values it must leave, the same in both columns.
struct Caso {
    const char* nombre;
    std::vector<std::pair<Ref, Valor>> entradas;
    Ref cambiado;
    std::vector<std::pair<Ref, double>> esperado;
};

const Hoja C = Hoja::C, F1 = Hoja::F1, F3 = Hoja::F3, V = Hoja::V;
const std::vector<std::pair<Ref, Valor>> kTractor = {{{F1, 2}, 100000}, {{F1, 3}, 10},  {{F1, 23}, 50},
                                                     {{V, 16}, 2},      {{V, 17}, 400}, {{V, 19}, 4},
                                                     {{V, 20}, 400},    {{V, 22}, 0},   {{V, 23}, 900}};

std::vector<std::pair<Ref, Valor>> Mas(std::vector<std::pair<Ref, Valor>> a, std::vector<std::pair<Ref, Valor>> b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const Caso kCasos[] = {
    {"kilometros",
     {{{C, 7}, 100000}, {{C, 8}, 75}, {{C, 19}, 20}},
     {C, 7},
     {{{C, 9}, 75000}, {{C, 10}, 25}, {{C, 11}, 25000}, {{C, 20}, 1500000}}},
    {"carga media",
     {{{C, 7}, 100000}, {{C, 8}, 75}, {{C, 19}, 10}, {{C, 9}, 1}},
     {C, 19},
     {{{C, 20}, 750000}, {{C, 9}, 1}}},
    {"kW", {{{C, 2}, 420}}, {C, 2}, {{{C, 21}, 309}}},
    {"horas",
     {{{C, 12}, 1800}, {{C, 13}, 80}, {{C, 17}, 225}},
     {C, 12},
     {{{C, 14}, 1440}, {{C, 15}, 20}, {{C, 16}, 360}, {{C, 18}, 8}}},
    {"sin dias", {{{C, 12}, 1800}, {{C, 17}, 0}, {{C, 18}, 5}}, {C, 17}, {{{C, 18}, 0}}},
    {"plus sin desglose",
     {{{C, 7}, 100000}, {{F3, 2}, false}, {{F3, 6}, 0.02}, {{F3, 7}, 7}, {{V, 28}, 0.05}, {{V, 30}, 0.061234}},
     {C, 7},
     {{{F3, 7}, 7}, {{V, 29}, 5000}, {{V, 31}, 6123.4}}},
    {"plus desglosado",
     {{{C, 7}, 100000}, {{F3, 2}, true}, {{F3, 5}, 1000}, {{F3, 6}, 0.02}},
     {C, 7},
     {{{F3, 7}, 2000}, {{F3, 8}, 3000}}},
    {"dietas en total",
     {{{F3, 2}, false}, {{F3, 3}, 60}, {{F3, 4}, 200}, {{F3, 8}, 9999}},
     {F3, 3},
     {{{F3, 8}, 9999}, {{F3, 5}, 0}}},
    {"seguros", {{{F3, 9}, true}, {{F3, 10}, 1000}, {{F3, 17}, 0}}, {F3, 10}, {{{F3, 18}, 1000}}},
    {"compra",
     Mas(kTractor, {{{F1, 6}, 20}, {{F1, 8}, 80}}),
     {F1, 2},
     {{{F1, 4}, 90000}, {{F1, 24}, 88800}, {{F1, 7}, 20000}, {{F1, 9}, 72000}}},
    {"descuento sin residual", Mas(kTractor, {{{F1, 6}, 30}, {{F1, 7}, 5}}), {F1, 3}, {{{F1, 4}, 90000}, {{F1, 7}, 5}}},
    {"por los neumaticos", kTractor, {V, 20}, {{{F1, 24}, 88800}}},
    {"neumaticos caros", Mas(kTractor, {{{F1, 23}, 100}, {{V, 20}, 30000}}), {V, 19}, {{{F1, 24}, 0}}},
    {"carburante",
     {{{V, 1}, 1.20}, {{V, 3}, 0.05}, {{V, 4}, 21}},
     {V, 1},
     {{{V, 2}, 4.2}, {{V, 6}, 0.9504132}, {{V, 5}, 0.1996}}},
    {"descuento excesivo", {{{V, 1}, 0.11}, {{V, 3}, 0.07}, {{V, 4}, 21}}, {V, 1}, {{{V, 3}, 0}, {{V, 2}, 0}}},
    {"precio cero", {{{V, 8}, 0}, {{V, 10}, 0.02}, {{V, 9}, 33}}, {V, 10}, {{{V, 9}, 0}}},
    {"operando de texto",
     {{{F1, 2}, 100000}, {{F1, 3}, 10}, {{F1, 6}, "veinte"}, {{F1, 7}, 123}, {{F1, 8}, 50}},
     {F1, 2},
     {{{F1, 7}, 123}, {{F1, 4}, 90000}, {{F1, 9}, 45000}}},
    // VAT of -100 %: the price without VAT would divide by zero and keeps its value.
    {"division por cero",
     {{{V, 1}, 1.2}, {{V, 3}, 0}, {{V, 4}, -100}, {{V, 6}, 0.5}},
     {V, 4},
     {{{V, 6}, 0.5}, {{V, 5}, 0.7}}},
};

TEST_F(RecalcularTest, CadenasDeValores)
{
    for (const Caso& caso : kCasos)
        for (Columna c : {Columna::S, Columna::O}) {
            SCOPED_TRACE(std::string(caso.nombre) + (c == Columna::S ? " S" : " O"));
            InicializarCalculo(doc.calculo);
            doc.pantalla.Restablecer();
            for (const auto& [r, v] : caso.entradas)
                En(c, r.h, r.i) = v;
            Recalcular(doc, caso.cambiado.h, c, caso.cambiado.i);
            for (const auto& [campo, v] : caso.esperado) {
                const auto r = campo; // a lambda below captures it (clang 14: no bindings)
                EXPECT_DOUBLE_EQ(Num(c, r.h, r.i), v) << Codigo(r.h).data() << r.i;
                const bool escrito = std::none_of(caso.entradas.begin(), caso.entradas.end(),
                                                  [&](const auto& e) { return e.first.h == r.h && e.first.i == r.i; });
                if (escrito) { // what was computed is also what its box shows
                    EXPECT_EQ(Box(c, r.h, r.i).texto,
                              Mostrar(En(c, r.h, r.i), Decimales(r.h, r.i), false, doc.calculo.Local));
                }
            }
        }
}

// A field at 0 switches its dependents off, emptied but kept; back above 0
// they come on again showing what they held. Nothing else turns them on meanwhile.
TEST_F(RecalcularTest, CampoACeroApagaSusDependientesSinPerderlos)
{
    const struct {
        const char* nombre;
        std::vector<std::pair<Ref, Valor>> entradas;
        Ref campo;
        double encendido;
        std::vector<std::pair<Ref, const char*>> dependientes; // and the text shown once back
        std::vector<Ref> ceros;                                // derived values that drop to 0
    } casos[] = {
        {"sin kilometros en carga",
         {{{C, 7}, 100000}, {{C, 8}, 75}, {{C, 19}, 20}},
         {C, 8},
         50,
         {{{C, 19}, "20,0"}},
         {{C, 9}, {C, 10}, {C, 11}, {C, 20}}},
        {"sin financiacion",
         {{{F1, 10}, 5}, {{F1, 11}, 4.5}},
         {F1, 8},
         80,
         {{{F1, 10}, "5,0"}, {{F1, 11}, "4,50"}},
         {}},
        {"sin semirremolque",
         {{{V, 25}, 6}, {{V, 26}, 420}, {{V, 27}, 150000}},
         {Hoja::F2, 2},
         35000,
         {{{V, 25}, "6"}, {{V, 26}, "420,00"}, {{V, 27}, "150.000"}},
         {}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        InicializarCalculo(doc.calculo);
        doc.pantalla.Restablecer();
        for (const auto& [r, v] : caso.entradas)
            P(r.h, r.i) = v;
        Recalcular(doc, caso.campo.h, Columna::S, caso.campo.i);
        P(caso.campo.h, caso.campo.i) = 0;
        Recalcular(doc, caso.campo.h, Columna::S, caso.campo.i);
        for (const auto& [r, texto] : caso.dependientes) {
            Recalcular(doc, r.h, Columna::S, r.i);
            EXPECT_FALSE(Box(Columna::S, r.h, r.i).habilitado) << Codigo(r.h).data() << r.i;
            EXPECT_EQ(Box(Columna::S, r.h, r.i).fondo, Fondo::SoloLectura) << Codigo(r.h).data() << r.i;
            EXPECT_TRUE(Box(Columna::S, r.h, r.i).texto.isEmpty()) << Codigo(r.h).data() << r.i;
        }
        for (const Ref& r : caso.ceros) {
            EXPECT_EQ(P(r.h, r.i).numero(), 0) << Codigo(r.h).data() << r.i;
            EXPECT_TRUE(Box(Columna::S, r.h, r.i).texto.isEmpty()) << Codigo(r.h).data() << r.i;
        }
        for (const auto& [r, v] : caso.entradas) {
            if (!(r.h == caso.campo.h && r.i == caso.campo.i)) {
                EXPECT_EQ(P(r.h, r.i), v) << "kept: " << Codigo(r.h).data() << r.i;
            }
        }

        P(caso.campo.h, caso.campo.i) = caso.encendido;
        Recalcular(doc, caso.campo.h, Columna::S, caso.campo.i);
        for (const auto& [r, texto] : caso.dependientes) {
            EXPECT_TRUE(Box(Columna::S, r.h, r.i).habilitado) << Codigo(r.h).data() << r.i;
            EXPECT_EQ(Box(Columna::S, r.h, r.i).fondo, Fondo::Editable) << Codigo(r.h).data() << r.i;
            EXPECT_EQ(Box(Columna::S, r.h, r.i).texto, QString::fromUtf8(texto)) << Codigo(r.h).data() << r.i;
        }
    }
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

TEST_F(RecalcularTest, LaColumnaDeReferenciaNuncaSeHabilita)
{
    struct CasoLocal {
        Hoja h;
        int campo;
    };
    // Every field whose change enables or disables something, first at 0, then not.
    const CasoLocal casos[] = {{Hoja::C, 8},   {Hoja::C, 12}, {Hoja::F1, 8}, {Hoja::F1, 13},
                               {Hoja::F1, 19}, {Hoja::F2, 2}, {Hoja::F2, 8}, {Hoja::F2, 14},
                               {Hoja::F2, 20}, {Hoja::F3, 3}, {Hoja::V, 33}, {Hoja::V, 8},
                               {Hoja::V, 16},  {Hoja::V, 19}, {Hoja::V, 22}, {Hoja::V, 25}};
    const Pantalla antes = doc.pantalla;
    for (double v : {0.0, 50.0})
        for (const CasoLocal& c : casos) {
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

TEST(NormalizarTest, ConvierteLoQuePuedeYDejaLoDemas)
{
    Calculo c;
    InicializarCalculo(c);
    struct CasoLocal {
        Hoja h;
        int i;
        Valor antes, despues;
    };
    const CasoLocal casos[] = {
        {Hoja::C, 9, Valor(), Valor(0.0)},          // empty number
        {Hoja::C, 7, Valor(true), Valor(-1.0)},     // true counts -1
        {Hoja::V, 1, Valor("1.25"), Valor(1.25)},   // text written with "."
        {Hoja::V, 3, Valor("uno"), Valor("uno")},   // cannot convert: stays
        {Hoja::C, 1, Valor(12.5), Valor("12.5")},   // description as text
        {Hoja::C, 6, Valor(), Valor(QString())},    // empty description
        {Hoja::F1, 1, Valor(0.0), Valor(false)},    // option from a number
        {Hoja::I, 1, Valor("Falso"), Valor(false)}, // option from a text
        {Hoja::F3, 9, Valor("quizá"), Valor("quizá")},
        {Hoja::R, 54, Valor(), Valor(0.0)},
        {Hoja::S, 3, Valor("250"), Valor(250.0)},
    };
    for (const CasoLocal& k : casos) {
        c.Personal[k.h](k.i) = k.antes;
        c.Referencia[k.h](k.i) = k.antes;
    }
    Normalizar(c);
    for (const CasoLocal& k : casos) {
        EXPECT_EQ(c.Personal[k.h](k.i), k.despues) << Codigo(k.h).data() << k.i;
        EXPECT_EQ(c.Referencia[k.h](k.i), k.despues) << Codigo(k.h).data() << k.i;
    }
    EXPECT_TRUE(c.Grabado.C(9).esVacio()); // only the two columns
}

} // namespace

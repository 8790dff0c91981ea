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

    Valor& En(Columna c, Hoja h, int i) { return doc.calculo.Columna(c)[h](i); }
    double Num(Columna c, Hoja h, int i) { return En(c, h, i).numeroOCero(); }
    const Caja& Box(Columna c, Hoja h, int i) { return doc.pantalla.caja(h, c, i); }

    Documento doc;
};

// One change and the values it must leave, the same in both columns.
struct Caso {
    const char* nombre;
    std::vector<std::pair<CampoDeHoja, Valor>> entradas;
    CampoDeHoja cambiado;
    std::vector<std::pair<CampoDeHoja, double>> esperado;
};

const Hoja C = Hoja::C, F1 = Hoja::F1, F2 = Hoja::F2, F3 = Hoja::F3, V = Hoja::V;
const std::vector<std::pair<CampoDeHoja, Valor>> kTractor = {{{F1, 2}, 100000}, {{F1, 3}, 10},  {{F1, 23}, 50},
                                                             {{V, 16}, 2},      {{V, 17}, 400}, {{V, 19}, 4},
                                                             {{V, 20}, 400},    {{V, 22}, 0},   {{V, 23}, 900}};

std::vector<std::pair<CampoDeHoja, Valor>> Mas(std::vector<std::pair<CampoDeHoja, Valor>> a,
                                               std::vector<std::pair<CampoDeHoja, Valor>> b)
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
    {"sin horas en carga",
     {{{C, 12}, 1800}, {{C, 13}, 0}, {{C, 14}, 9}, {{C, 15}, 9}, {{C, 16}, 9}},
     {C, 13},
     {{{C, 14}, 0}, {{C, 15}, 0}, {{C, 16}, 0}}},
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
    {"dietas desglosadas",
     {{{F3, 2}, true}, {{F3, 3}, 60}, {{F3, 4}, 200}, {{F3, 7}, 2000}},
     {F3, 4},
     {{{F3, 5}, 12000}, {{F3, 8}, 14000}}},
    {"seguros", {{{F3, 9}, true}, {{F3, 10}, 1000}, {{F3, 17}, 0}}, {F3, 10}, {{{F3, 18}, 1000}}},
    {"compra",
     Mas(kTractor, {{{F1, 6}, 20}, {{F1, 8}, 80}}),
     {F1, 2},
     {{{F1, 4}, 90000}, {{F1, 24}, 88800}, {{F1, 7}, 20000}, {{F1, 9}, 72000}}},
    // 40000 less 10 %; 6 tyres at 400 at 50 % is 1200; 15 % residual; 80 % of 36000 financed.
    {"semirremolque",
     {{{F2, 2}, 40000}, {{F2, 3}, 10}, {{F2, 6}, 15}, {{F2, 8}, 80}, {{F2, 25}, 50}, {{V, 25}, 6}, {{V, 26}, 400}},
     {F2, 2},
     {{{F2, 4}, 36000}, {{F2, 26}, 34800}, {{F2, 7}, 6000}, {{F2, 9}, 28800}}},
    {"descuento sin residual", Mas(kTractor, {{{F1, 6}, 30}, {{F1, 7}, 5}}), {F1, 3}, {{{F1, 4}, 90000}, {{F1, 7}, 5}}},
    {"por los neumaticos", kTractor, {V, 20}, {{{F1, 24}, 88800}}},
    {"neumaticos caros", Mas(kTractor, {{{F1, 23}, 100}, {{V, 20}, 30000}}), {V, 19}, {{{F1, 24}, 0}}},
    {"carburante",
     {{{V, 1}, 1.20}, {{V, 3}, 0.05}, {{V, 4}, 21}},
     {V, 1},
     {{{V, 2}, 4.2}, {{V, 6}, 0.9504132}, {{V, 5}, 0.1996}}},
    {"repostaje repartido", {{{V, 33}, 70}}, {V, 33}, {{{V, 34}, 30}}},
    {"todo en Espana", {{{V, 33}, 100}, {{V, 35}, 1.3}, {{V, 40}, 1}}, {V, 33}, {{{V, 34}, 0}, {{V, 40}, 0}}},
    {"todo fuera", {{{V, 33}, 0}, {{V, 1}, 1.2}, {{V, 6}, 1}}, {V, 33}, {{{V, 34}, 100}, {{V, 6}, 0}}},
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
                En(c, r.hoja, r.i) = v;
            Recalcular(doc, caso.cambiado.hoja, c, caso.cambiado.i);
            for (const auto& [campo, v] : caso.esperado) {
                const auto r = campo; // a lambda below captures it (clang 14: no bindings)
                EXPECT_DOUBLE_EQ(Num(c, r.hoja, r.i), v) << Codigo(r.hoja).data() << r.i;
                const bool escrito = std::none_of(caso.entradas.begin(), caso.entradas.end(), [&](const auto& e) {
                    return e.first.hoja == r.hoja && e.first.i == r.i;
                });
                if (escrito) { // what was computed is also what its box shows
                    EXPECT_EQ(Box(c, r.hoja, r.i).texto,
                              Mostrar(En(c, r.hoja, r.i), Decimales(r.hoja, r.i), false, doc.calculo.Local));
                }
            }
        }
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

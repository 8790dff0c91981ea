// The catalogue against the published input lists and limits.
#include "core/calculo.h"
#include "core/campos.h"
#include "core/catalogo.h"

#include <gtest/gtest.h>

#include <span>

#include <map>

using namespace tarvia;

namespace {

const std::map<Hoja, std::vector<std::int16_t>> kListas = {
    {Hoja::C, {1, 2, 3, 4, 5, 6, 7, 8, 12, 13, 17, 19}},
    {Hoja::F1, {1, 2, 3, 5, 6, 8, 10, 11, 12, 13, 14, 16, 17, 19, 21, 22, 23}},
    {Hoja::F2, {1, 2, 3, 5, 6, 8, 10, 11, 12, 13, 14, 15, 17, 18, 20, 22, 23, 24, 25}},
    {Hoja::F3,
     {1, 2, 3, 4, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31}},
    {Hoja::V, {1,  3,  4,  7,  8,  10, 11, 14, 15, 16, 17, 18, 19, 20, 21,
               22, 23, 24, 25, 26, 27, 28, 30, 32, 33, 35, 37, 38, 41, 42}},
    {Hoja::I, {1, 2, 3, 4, 5}},
    {Hoja::S, {2, 3, 4, 8, 9, 10, 14, 15, 16, 20, 21, 22, 26, 27, 28}},
};

struct LimiteEsperado {
    Hoja hoja;
    int indice;
    double minimo, maximo;
};

// Numeric limits as published (the option and text fields are checked apart).
const LimiteEsperado kLimites[] = {
    {Hoja::C, 2, 0, 999},      {Hoja::C, 3, 1500, 44000},    {Hoja::C, 4, 0, 35000},
    {Hoja::C, 5, 2, 12},       {Hoja::C, 7, 5000, 400000},   {Hoja::C, 8, 20, 100},
    {Hoja::C, 12, 100, 6000},  {Hoja::C, 13, 20, 100},       {Hoja::C, 17, 10, 366},
    {Hoja::C, 19, 0, 35},      {Hoja::F1, 2, 3000, 900000},  {Hoja::F1, 3, 0, 60},
    {Hoja::F1, 5, 0.5, 35},    {Hoja::F1, 6, 0, 80},         {Hoja::F1, 8, 0, 125},
    {Hoja::F1, 10, 0.5, 25},   {Hoja::F1, 11, 0.1, 25},      {Hoja::F1, 12, 0, 60000},
    {Hoja::F1, 13, 0, 600000}, {Hoja::F1, 14, 0, 60},        {Hoja::F1, 16, 0.5, 35},
    {Hoja::F1, 17, 0, 80},     {Hoja::F1, 19, 0, 125},       {Hoja::F1, 21, 0.5, 25},
    {Hoja::F1, 22, 0.1, 25},   {Hoja::F1, 23, 0, 200},       {Hoja::F2, 2, 0, 600000},
    {Hoja::F2, 3, 0, 60},      {Hoja::F2, 5, 0.5, 35},       {Hoja::F2, 6, 0, 80},
    {Hoja::F2, 8, 0, 125},     {Hoja::F2, 10, 0.5, 25},      {Hoja::F2, 11, 0.1, 25},
    {Hoja::F2, 12, 0, 60000},  {Hoja::F2, 14, 0, 300000},    {Hoja::F2, 15, 0, 60},
    {Hoja::F2, 17, 0.5, 35},   {Hoja::F2, 18, 0, 80},        {Hoja::F2, 20, 0, 125},
    {Hoja::F2, 22, 0.5, 25},   {Hoja::F2, 23, 0.1, 25},      {Hoja::F2, 24, 0, 60000},
    {Hoja::F2, 25, 0, 200},    {Hoja::F3, 1, 0, 150000},     {Hoja::F3, 3, 0, 300},
    {Hoja::F3, 4, 0, 366},     {Hoja::F3, 6, 0, 0.5},        {Hoja::F3, 8, 0, 100000},
    {Hoja::F3, 10, 0, 15000},  {Hoja::F3, 11, 0, 5000},      {Hoja::F3, 12, 0, 5000},
    {Hoja::F3, 13, 0, 1500},   {Hoja::F3, 14, 0, 1500},      {Hoja::F3, 15, 0, 30000},
    {Hoja::F3, 16, 0, 30000},  {Hoja::F3, 17, 0, 30000},     {Hoja::F3, 18, 0, 100000},
    {Hoja::F3, 20, 0, 1500},   {Hoja::F3, 21, 0, 1500},      {Hoja::F3, 22, 0, 3000},
    {Hoja::F3, 23, 0, 3000},   {Hoja::F3, 24, 0, 1500},      {Hoja::F3, 25, 0, 2000},
    {Hoja::F3, 26, 0, 5000},   {Hoja::F3, 27, 0, 10000},     {Hoja::F3, 28, 0, 30000},
    {Hoja::F3, 29, 0, 3000},   {Hoja::F3, 30, 0, 1500},      {Hoja::F3, 31, 0, 1500},
    {Hoja::V, 1, 0.1, 5},      {Hoja::V, 2, 0, 60},          {Hoja::V, 3, 0, 5},
    {Hoja::V, 4, 0, 40},       {Hoja::V, 7, 3, 99.9},        {Hoja::V, 8, 0, 5},
    {Hoja::V, 9, 0, 60},       {Hoja::V, 10, 0, 5},          {Hoja::V, 11, 0, 40},
    {Hoja::V, 14, 0.1, 30},    {Hoja::V, 15, 100, 6000},     {Hoja::V, 16, 0, 6},
    {Hoja::V, 17, 30, 5000},   {Hoja::V, 18, 10000, 400000}, {Hoja::V, 19, 0, 14},
    {Hoja::V, 20, 30, 5000},   {Hoja::V, 21, 10000, 400000}, {Hoja::V, 22, 0, 14},
    {Hoja::V, 23, 30, 5000},   {Hoja::V, 24, 10000, 400000}, {Hoja::V, 25, 0, 50},
    {Hoja::V, 26, 30, 5000},   {Hoja::V, 27, 10000, 400000}, {Hoja::V, 28, 0, 1},
    {Hoja::V, 30, 0, 1},       {Hoja::V, 32, 0, 50000},      {Hoja::V, 33, 0, 100},
    {Hoja::V, 35, 0.1, 5},     {Hoja::V, 36, 0, 60},         {Hoja::V, 37, 0, 5},
    {Hoja::V, 38, 0, 40},      {Hoja::V, 41, 0, 0.6},        {Hoja::V, 42, 0, 15000},
    {Hoja::I, 2, 0, 30000},    {Hoja::I, 3, 0, 30000},       {Hoja::I, 4, 0, 30000},
    {Hoja::I, 5, 0, 90000},    {Hoja::S, 2, 0, 50000},       {Hoja::S, 8, 0, 50000},
    {Hoja::S, 14, 0, 50000},   {Hoja::S, 20, 0, 50000},      {Hoja::S, 26, 0, 50000},
    {Hoja::S, 3, 0, 400000},   {Hoja::S, 9, 0, 400000},      {Hoja::S, 15, 0, 400000},
    {Hoja::S, 21, 0, 400000},  {Hoja::S, 27, 0, 400000},     {Hoja::S, 4, 0, 6000},
    {Hoja::S, 10, 0, 6000},    {Hoja::S, 16, 0, 6000},       {Hoja::S, 22, 0, 6000},
    {Hoja::S, 28, 0, 6000},
};

} // namespace

TEST(Catalogo, CadaHojaTieneSusCamposEnOrden)
{
    for (Hoja h : TodasLasHojas) {
        const auto campos = CamposDe(h);
        ASSERT_EQ(static_cast<int>(campos.size()), NumeroDeCampos(h)) << Codigo(h);
        for (size_t i = 0; i < campos.size(); ++i) {
            EXPECT_EQ(campos[i].hoja, h);
            EXPECT_EQ(campos[i].indice, static_cast<int>(i) + 1) << Codigo(h);
        }
    }
}

TEST(Catalogo, ListasDeEntradaComoSePublican)
{
    Calculo calculo;
    InicializarCalculo(calculo);
    for (const auto& [hoja, lista] : kListas)
        EXPECT_EQ(calculo.Entradas(hoja), lista) << Codigo(hoja);
    EXPECT_TRUE(calculo.Entradas(Hoja::R).empty());
    EXPECT_EQ(TotalCamposEntrada(calculo), 127);
}

TEST(Catalogo, LimitesNumericosYSoloEsos)
{
    Calculo calculo;
    InicializarCalculo(calculo);
    int numericos = 0;
    for (const auto& l : kLimites) {
        SCOPED_TRACE(std::string(Codigo(l.hoja)) + "(" + std::to_string(l.indice) + ")");
        EXPECT_EQ(calculo.Minimos[l.hoja](l.indice), Valor(l.minimo));
        EXPECT_EQ(calculo.Maximos[l.hoja](l.indice), Valor(l.maximo));
    }
    // Nothing else carries a numeric limit.
    for (const Campo& c : Catalogo())
        if (c.minimo.clase == Limite::Clase::Numerico)
            ++numericos;
    EXPECT_EQ(numericos, static_cast<int>(std::size(kLimites)));
}

TEST(Catalogo, OpcionesYTextos)
{
    Calculo calculo;
    InicializarCalculo(calculo);
    const std::pair<Hoja, int> opciones[] = {{Hoja::F1, 1}, {Hoja::F2, 1},  {Hoja::F2, 13}, {Hoja::F3, 2},
                                             {Hoja::F3, 9}, {Hoja::F3, 19}, {Hoja::I, 1}};
    int n = 0;
    for (const Campo& c : Catalogo())
        n += c.tipo == TipoCampo::Opcion;
    EXPECT_EQ(n, 7);
    for (auto [h, i] : opciones) {
        EXPECT_TRUE(EsCampoOpcion(h, i));
        EXPECT_EQ(calculo.Personal[h](i), Valor(true));
    }
    EXPECT_EQ(calculo.Minimos.C(1), Valor("A"));
    EXPECT_EQ(calculo.Minimos.C(6), Valor(""));
    EXPECT_EQ(calculo.Maximos.C(1), Valor(""));
    EXPECT_TRUE(EsCampoTexto(Hoja::C, 1) && EsCampoTexto(Hoja::C, 6));
}

TEST(Catalogo, SoloCuatroCamposAdmitenCero)
{
    std::vector<int> ceros;
    for (const Campo& c : Catalogo())
        if (c.ceroPermitido) {
            EXPECT_EQ(c.hoja, Hoja::C);
            ceros.push_back(c.indice);
        }
    EXPECT_EQ(ceros, (std::vector<int>{8, 12, 13, 17}));
}

TEST(Catalogo, CadaEntradaNumericaTieneAyudaYLongitud)
{
    for (const Campo& c : Catalogo()) {
        if (!c.esEntrada() || c.tipo == TipoCampo::Opcion)
            continue;
        SCOPED_TRACE(std::string(Codigo(c.hoja)) + "(" + std::to_string(c.indice) + ")");
        EXPECT_GT(c.maxLength, 0);
        EXPECT_STRNE(c.ayuda, "");
    }
}

// The names the cost formulas use are the fields the catalogue gives them.
TEST(Catalogo, NombresDeLosCamposDeLasFormulas)
{
    for (std::span<const campos::Nombre> lista :
         {std::span<const campos::Nombre>(campos::kNombres), std::span<const campos::Nombre>(campos::kNombresR)}) {
        for (const campos::Nombre& nombre : lista) {
            const QString rotulo = QString::fromUtf8(CampoDe(nombre.campo.hoja, nombre.campo.i).etiqueta);
            EXPECT_TRUE(rotulo.startsWith(QString::fromUtf8(nombre.rotulo)))
                << Codigo(nombre.campo.hoja) << nombre.campo.i << ": " << rotulo.toStdString();
        }
    }
}

// The catalogue: the published input lists (the order of the files), a new
// calculation, the names the formulas use.
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

// A new calculation holds every field's lower limit (every option group on
// its first button, purchase and broken down) in both columns, and nothing
// where there is none.
TEST(Catalogo, UnCalculoNuevoEmpiezaEnLosMinimos)
{
    Calculo c;
    InicializarCalculo(c);
    for (const Campo& campo : Catalogo())
        for (const ValoresColumna* col : {&c.Personal, &c.Referencia}) {
            EXPECT_EQ((*col)[campo.hoja](campo.indice), c.Minimos[campo.hoja](campo.indice))
                << Codigo(campo.hoja) << campo.indice;
        }
    EXPECT_EQ(c.Personal.F1(1), Valor(true));
    EXPECT_FALSE(c.Personal.Fecha.isValid());
    EXPECT_FALSE(HayCambios(c));
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

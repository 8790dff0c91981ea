// The catalogue: every sheet's fields in order, a new calculation, the names
// the formulas use. Which fields a file holds, and in what order, the fixed
// outputs of tarvia-calc pin: they show every value of real files by field.
#include "core/calculo.h"
#include "core/campos.h"
#include "core/catalogo.h"

#include <gtest/gtest.h>

#include <span>

using namespace tarvia;

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
    EXPECT_EQ(TotalCamposEntrada(c), 127); // the lines of each column in a file
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

#include "core/formato.h"

#include <gtest/gtest.h>

using namespace tarvia;

namespace {
const Localizacion kEs = Localizacion::Desde(QLocale(QLocale::Spanish, QLocale::Spain));
const Localizacion kUs = Localizacion::Desde(QLocale(QLocale::English, QLocale::UnitedStates));
} // namespace

TEST(Formato, SeparadoresDelLocale)
{
    EXPECT_EQ(kEs.decimal, u',');
    EXPECT_EQ(kEs.grupo, u'.');
    EXPECT_EQ(kUs.decimal, u'.');
    EXPECT_EQ(kUs.grupo, u',');
    EXPECT_EQ(SeparadorDecimalDe(QLocale::c()), u'.');
}

TEST(Formato, PlantillaAgrupaCadaTresCifras)
{
    struct Caso {
        double x;
        int n;
        const char* es;
        const char* us;
    } casos[] = {
        {1234.5, 2, "1.234,50", "1,234.50"},
        {1234567.891, 2, "1.234.567,89", "1,234,567.89"},
        {999, 0, "999", "999"},
        {1000, 0, "1.000", "1,000"},
        {0.5, 0, "1", "1"},
        {2.345, 2, "2,35", "2.35"},
        {-1234.5, 1, "-1.234,5", "-1,234.5"},
        {0.9504132, 7, "0,9504132", "0.9504132"},
        {1e12, 0, "1.000.000.000.000", "1,000,000,000,000"},
        {-0.001, 2, "0,00", "0.00"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(FormatearNumero(c.x, c.n, kEs), QString::fromUtf8(c.es)) << c.x;
        EXPECT_EQ(FormatearNumero(c.x, c.n, kUs), QString::fromUtf8(c.us)) << c.x;
    }
}

TEST(Formato, CeroVacioSalvoQueSePidaMostrarlo)
{
    EXPECT_EQ(Mostrar(Valor(0.0), 2, false, kEs), QString());
    EXPECT_EQ(Mostrar(Valor(0.0), 0, true, kEs), u"0");
    EXPECT_EQ(Mostrar(Valor(0.0), 1, true, kEs), u"0,0");
    EXPECT_EQ(Mostrar(Valor(0.0), 2, true, kEs), u"0,00");
    EXPECT_EQ(Mostrar(Valor(0.001), 2, false, kEs), u"0,00");
}

TEST(Formato, TextosSinFormato)
{
    EXPECT_EQ(Mostrar(Valor("Articulado 1.234,5"), -1, false, kEs), u"Articulado 1.234,5");
    EXPECT_EQ(Mostrar(Valor("abc"), 2, false, kEs), u"abc"); // a text in a numeric field
    EXPECT_EQ(Mostrar(Valor(""), -1, true, kEs), QString());
}

TEST(Formato, TextoParaEditar)
{
    EXPECT_EQ(TextoParaEditar(Valor(1234.5), 2, kEs), u"1234,5");
    EXPECT_EQ(TextoParaEditar(Valor(0.0), 2, kEs), QString());
    EXPECT_EQ(TextoParaEditar(Valor(0.123456), 6, kUs), u"0.123456");
    EXPECT_EQ(TextoParaEditar(Valor(400000.0), 0, kEs), u"400000");
}

TEST(Formato, FechaCortaConCuatroCifras)
{
    const QDate d(2026, 12, 4);
    EXPECT_EQ(FormatearFecha(d, kEs), u"04/12/2026");
    EXPECT_EQ(FormatearFecha(d, kUs), u"12/04/2026");
    EXPECT_EQ(FormatearFecha(QDate(), kEs), QString());
    EXPECT_EQ(FormatearFecha(d, Localizacion::Desde(QLocale::c())), u"04/12/2026");
}

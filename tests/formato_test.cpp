#include "csv_prueba.h"

#include "core/csv.h"
#include "core/formato.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace tarvia;

namespace {
const Localizacion kEs = Localizacion::Desde(QLocale(QLocale::Spanish, QLocale::Spain));
const Localizacion kUs = Localizacion::Desde(QLocale(QLocale::English, QLocale::UnitedStates));
} // namespace

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
        // Whole numbers: up to fifteen digits as they are, with their zero
        // decimals; beyond, only fifteen significant digits count.
        {-42, 2, "-42,00", "-42.00"},
        {-0.0, 1, "0,0", "0.0"},
        {999999999999999, 0, "999.999.999.999.999", "999,999,999,999,999"},
        {1e15 + 2, 0, "1.000.000.000.000.000", "1,000,000,000,000,000"},
        {-(1e15 + 6), 1, "-1.000.000.000.000.010,0", "-1,000,000,000,000,010.0"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(FormatearNumero(c.x, c.n, kEs), QString::fromUtf8(c.es)) << c.x;
        EXPECT_EQ(FormatearNumero(c.x, c.n, kUs), QString::fromUtf8(c.us)) << c.x;
    }
}

// A zero shows empty unless asked for; a text shows as it is, even in a
// numeric field.
TEST(Formato, MostrarCerosYTextos)
{
    const struct {
        Valor v;
        int decimales;
        bool cero;
        const char* esperado;
    } casos[] = {
        {Valor(0.0), 2, false, ""},       {Valor(0.0), 0, true, "0"},
        {Valor(0.0), 1, true, "0,0"},     {Valor(0.0), 2, true, "0,00"},
        {Valor(0.001), 2, false, "0,00"}, {Valor("Articulado 1.234,5"), -1, false, "Articulado 1.234,5"},
        {Valor("abc"), 2, false, "abc"},  {Valor(""), -1, true, ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Mostrar(c.v, c.decimales, c.cero, kEs), QString::fromUtf8(c.esperado)) << c.esperado;
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
    EXPECT_EQ(SeparadorDecimalDe(QLocale::c()), u'.');
}

// A CSV field goes in double quotes, its quotes doubled, only when it holds
// the separator, a quote or a line break; a spreadsheet then reads it back whole.
TEST(Csv, ComillasSoloCuandoHacenFalta)
{
    const struct {
        const char* campo;
        const char* escrito;
    } casos[] = {
        {"", ""},
        {"Costes Totales (€)", "Costes Totales (€)"},
        {"1.234,56", "1.234,56"},
        {" con espacios ", " con espacios "},
        {"Mi;camión", "\"Mi;camión\""},
        {"el \"grande\"", "\"el \"\"grande\"\"\""},
        {"\"", "\"\"\"\""},
        {"dos\nlíneas", "\"dos\nlíneas\""},
        {"retorno\rsolo", "\"retorno\rsolo\""},
        {"a;\"b\"\r\n", "\"a;\"\"b\"\"\r\n\""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(CampoCsv(QString::fromUtf8(c.campo)), QString::fromUtf8(c.escrito)) << c.campo;
    EXPECT_EQ(FilaCsv({QStringLiteral("Mi;camión"), QString(), QStringLiteral("1,5")}),
              QStringLiteral("\"Mi;camión\";;1,5\n"));
    EXPECT_EQ(FilaCsv({}), QStringLiteral("\n"));
}

// A number field is the value with its decimals and the locale's decimal
// character, never grouped: "17.514,40" would reach a spreadsheet as a text.
TEST(Csv, NumerosSinSeparadorDeMiles)
{
    const struct {
        double x;
        int n;
        const char* es;
        const char* us;
    } casos[] = {
        {17514.4, 2, "17514,40", "17514.40"},
        {-1234567.891, 2, "-1234567,89", "-1234567.89"},
        {1e12, 0, "1000000000000", "1000000000000"},
        {120000, 0, "120000", "120000"},
        {0.073794, 5, "0,07379", "0.07379"},
        {2.345, 2, "2,35", "2.35"}, // rounded as the screen rounds
        {-0.001, 2, "0,00", "0.00"},
        {999, 0, "999", "999"},
        {NAN, 2, "", ""},
        {INFINITY, 0, "", ""},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(NumeroCsv(c.x, c.n, kEs), QString::fromUtf8(c.es)) << c.x;
        EXPECT_EQ(NumeroCsv(c.x, c.n, kUs), QString::fromUtf8(c.us)) << c.x;
        if (std::isfinite(c.x)) {
            EXPECT_TRUE(prueba::EsNumeroCsv(NumeroCsv(c.x, c.n, kEs))) << c.x;
            EXPECT_TRUE(prueba::EsNumeroCsv(NumeroCsv(c.x, c.n, kUs), u'.')) << c.x;
        }
    }
}

// The file's bytes: UTF-8 after the byte-order mark, or without it; and a row
// of awkward fields reads back, field by field, as written.
TEST(Csv, BytesYFilasQueSeLeenIgual)
{
    const QString fila = FilaCsv({QStringLiteral("Camión 1.000 kg"), QStringLiteral("Mi;camión \"grande\""),
                                  QStringLiteral("dos\nlíneas"), QString(), NumeroCsv(-17514.4, 2, kEs)});
    const QByteArray conMarca = BytesCsv(fila, true);
    const QByteArray sinMarca = BytesCsv(fila, false);
    EXPECT_TRUE(conMarca.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(conMarca.mid(3), sinMarca);
    EXPECT_FALSE(sinMarca.startsWith("\xEF"));
    EXPECT_TRUE(sinMarca.contains("Cami\xC3\xB3n")); // UTF-8, not Latin-1

    const auto filas = prueba::LeerFilasCsv(QString::fromUtf8(sinMarca));
    ASSERT_TRUE(filas);
    ASSERT_EQ(filas->size(), 1);
    EXPECT_EQ((*filas)[0], (QStringList{QStringLiteral("Camión 1.000 kg"), QStringLiteral("Mi;camión \"grande\""),
                                        QStringLiteral("dos\nlíneas"), QString(), QStringLiteral("-17514,40")}));
    // The reader the tests rely on refuses what a spreadsheet would misread.
    for (const char* malo : {"\"abierto;1\n", "a\"b;1\n", "\"a\"b;1\n", "sin;fin"})
        EXPECT_FALSE(prueba::LeerFilasCsv(QString::fromUtf8(malo))) << malo;
}

// The one reading of a typed number, worked by hand: what each text gives in
// a Spanish box, and in an English one, and what is refused.
#include "presentacion/cifras.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tarvia;
using Como = LecturaCifra::Como;

TEST(Cifras, CadaTextoEnUnaCasillaEspanola)
{
    const struct {
        const char* texto;
        int decimales;
        Como como;
        double valor;
    } casos[] = {
        {"", 2, Como::Leida, 0},
        {"  ", 0, Como::Leida, 0},
        {"98000", 0, Como::Leida, 98000},
        {"98.000", 0, Como::Leida, 98000}, // thousands
        {"1.234.567", 0, Como::Leida, 1234567},
        {"1.234,5", 2, Como::Leida, 1234.5},
        {"1234,5", 2, Como::Leida, 1234.5},
        {",5", 2, Como::Leida, 0.5},
        {",", 2, Como::Leida, 0},
        {"1.52", 4, Como::PuntoDecimal, 1.52}, // the main keyboard's dot
        {"31.5", 1, Como::PuntoDecimal, 31.5},
        {".5", 2, Como::PuntoDecimal, 0.5},
        {"5.", 2, Como::PuntoDecimal, 5},
        {"1.5200", 4, Como::PuntoDecimal, 1.52},
        {"1.520", 4, Como::Leida, 1520}, // three digits: thousands, as written
        {" 12,5 ", 2, Como::Leida, 12.5},
        {"1.2.3", 2, Como::Rechazada, 0},
        {"12,5,3", 2, Como::Rechazada, 0}, // no longer 12,53
        {"1,2.3", 2, Como::Rechazada, 0},
        {"12.34,5", 2, Como::Rechazada, 0}, // groups of three only
        {"1234.567,8", 2, Como::Rechazada, 0},
        {"1.5", 0, Como::Rechazada, 0}, // a decimal where the field has none
        {"12,0", 0, Como::Rechazada, 0},
        {"-5", 2, Como::Rechazada, 0}, // never silently positive
        {"12 €", 2, Como::Rechazada, 0},
        {"1e5", 2, Como::Rechazada, 0},
        {"12a", 0, Como::Rechazada, 0},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.texto);
        const LecturaCifra l = LeerCifra(QString::fromUtf8(k.texto), k.decimales, u',');
        EXPECT_EQ(l.como, k.como);
        if (k.como != Como::Rechazada) {
            EXPECT_DOUBLE_EQ(l.valor, k.valor);
        }
    }
    EXPECT_TRUE(std::isinf(LeerCifra(QString(400, u'9'), 0, u',').valor)); // every limit refuses it
}

// Where the locale writes the decimal point, the comma only groups.
TEST(Cifras, CasillaConPuntoDecimal)
{
    EXPECT_DOUBLE_EQ(LeerCifra("1,234.5", 2, u'.').valor, 1234.5);
    EXPECT_DOUBLE_EQ(LeerCifra("98,000", 0, u'.').valor, 98000);
    EXPECT_EQ(LeerCifra("1.52", 2, u'.').como, Como::Leida);
    EXPECT_EQ(LeerCifra("1,5", 2, u'.').como, Como::Rechazada); // not read as 15 nor 1,5
    EXPECT_EQ(ComoEscribirCifra(u',', 2), "Use la coma para los decimales, por ejemplo 1,52");
    EXPECT_EQ(ComoEscribirCifra(u'.', 4), "Use el punto para los decimales, por ejemplo 1.52");
    EXPECT_EQ(ComoEscribirCifra(u',', 0), "Escriba sólo cifras, sin decimales, por ejemplo 98.000");
}

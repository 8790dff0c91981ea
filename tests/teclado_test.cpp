// Key filter, parsing of typed or pasted text, and the page keys.
#include "presentacion/teclado.h"

#include <gtest/gtest.h>

using namespace tarvia;

namespace {

struct CasoTecla {
    const char* nombre;
    const char* texto;
    int cursor, inicioSel, largoSel;
    char16_t tecla;
    int decimales, maxLength;
    bool pasa;
    const char* despues;
    int cursorDespues;
};

const CasoTecla kCasos[] = {
    {"cifra en medio", "15", 1, 1, 0, u'2', 0, 7, true, "125", 2},
    {"sexta cifra con MaxLength 7", "12345", 5, 5, 0, u'6', 0, 7, true, "123456", 6},
    {"septima cifra con MaxLength 7", "123456", 6, 6, 0, u'7', 0, 7, false, "123456", 6},
    {"tercera cifra entera, 1 decimal, MaxLength 5", "10", 2, 2, 0, u'0', 1, 5, true, "100", 3},
    {"cuarta cifra entera sin separador", "100", 3, 3, 0, u'1', 1, 5, false, "100", 3},
    {"separador al final", "100", 3, 3, 0, u',', 1, 5, true, "100,", 4},
    {"decimal tras 100,5", "100,5", 5, 5, 0, u'1', 1, 5, false, "100,5", 5},
    {"separador demasiado a la izquierda", "12345", 2, 2, 0, u',', 2, 10, false, "12345", 2},
    {"separador a dos del final", "12345", 3, 3, 0, u',', 2, 10, true, "123,45", 4},
    {"segundo separador", "1,5", 3, 3, 0, u',', 2, 10, false, "1,5", 3},
    {"separador en campo sin decimales", "12", 2, 2, 0, u',', 0, 7, false, "12", 2},
    {"signo menos", "12", 0, 0, 0, u'-', 2, 10, false, "12", 0},
    {"el punto entra: la lectura decide", "1234", 4, 4, 0, u'.', 2, 10, true, "1234.", 5},
    {"letra sobre una seleccion la borra", "12345", 3, 1, 2, u'a', 0, 7, false, "145", 1},
    {"cifra sobre una seleccion la sustituye", "12345", 3, 1, 2, u'9', 0, 7, true, "1945", 2},
    {"cifra entera con parte entera llena", "123456,5", 0, 0, 0, u'1', 2, 10, false, "123456,5", 0},
    {"cifra entera con hueco", "12345,5", 0, 0, 0, u'1', 2, 10, true, "112345,5", 1},
    {"decimales completos", "1,25", 4, 4, 0, u'1', 2, 10, false, "1,25", 4},
    {"texto libre", "Camion", 6, 6, 0, u'-', -1, 55, true, "Camion-", 7},
    {"texto en su longitud maxima", "ab", 2, 2, 0, u'c', -1, 2, false, "ab", 2},
    // A text box takes what the file gives back, and nothing else.
    {"letra que el fichero no guarda", "odz", 0, 0, 0, u'Ł', -1, 55, false, "odz", 0},
    {"ideograma", "Tokio ", 6, 6, 0, u'東', -1, 55, false, "Tokio ", 6},
    {"mitad de un emoji", "A", 1, 1, 0, 0xD83D, -1, 55, false, "A", 1},
    {"comillas", "A", 1, 1, 0, u'"', -1, 55, false, "A", 1},
    {"tabulador", "A", 1, 1, 0, u'\t', -1, 55, false, "A", 1},
    {"control C1", "A", 1, 1, 0, 0x85, -1, 55, false, "A", 1},
    {"euro y acentos pasan", "5 ", 2, 2, 0, u'€', -1, 55, true, "5 €", 3},
    {"ñ sobre una seleccion", "Espana", 5, 4, 1, u'ñ', -1, 55, true, "España", 5},
};

} // namespace

TEST(FiltroTeclas, Casos)
{
    for (const auto& c : kCasos) {
        SCOPED_TRACE(c.nombre);
        const EstadoEdicion e{QString::fromUtf8(c.texto), c.cursor, c.inicioSel, c.largoSel};
        const ResultadoTecla r = FiltrarCaracter(e, QChar(c.tecla), c.decimales, c.maxLength, u',');
        EXPECT_EQ(r.aceptada, c.pasa);
        EXPECT_EQ(r.pitido, !c.pasa);
        EXPECT_EQ(r.estado.texto, QString::fromUtf8(c.despues));
        EXPECT_EQ(r.estado.cursor, c.cursorDespues);
    }
}

// The keypad's decimal key gives "." on most layouts: in a number box it is
// the locale's separator, so "1" "." "4" "5" on the keypad is 1,45 in Spain.
TEST(FiltroTeclas, DecimalDelTecladoNumerico)
{
    EXPECT_EQ(CaracterDeTecla(u'.', true, 2, u','), u',');
    EXPECT_EQ(CaracterDeTecla(u',', true, 2, u'.'), u'.');
    EXPECT_EQ(CaracterDeTecla(u'.', false, 2, u','), u'.'); // the main keyboard's point
    EXPECT_EQ(CaracterDeTecla(u'.', true, -1, u','), u'.'); // a text box keeps it
}

// A box's length counts UTF-16 units; a cut never leaves half a character.
TEST(FiltroTeclas, CabeEnCasilla)
{
    EXPECT_EQ(CabeEnCasilla(u"Łódź"_qs, 10), u"Łódź");
    EXPECT_EQ(CabeEnCasilla(u"Łódź"_qs, 2), u"Łó");
    EXPECT_EQ(CabeEnCasilla(u"ab😀c"_qs, 4), u"ab😀");
    EXPECT_EQ(CabeEnCasilla(u"ab😀c"_qs, 3), u"ab"); // not the emoji's first half
    EXPECT_EQ(CabeEnCasilla(u"abc"_qs, 0), QString());
}

TEST(TeclasPagina, PosicionYLimites)
{
    EXPECT_EQ(PosicionTrasTeclaPagina(1000, 5930, 34), 6930);
    EXPECT_EQ(PosicionTrasTeclaPagina(1000, 5930, 33), -4930);
    EXPECT_EQ(PosicionTrasTeclaPagina(30000, 5930, 34), std::nullopt);
    EXPECT_EQ(PosicionTrasTeclaPagina(-30000, 5930, 33), std::nullopt);
    EXPECT_EQ(PosicionTrasTeclaPagina(0, 100, 40), std::nullopt);
}

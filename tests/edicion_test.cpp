// Editing a personal field end to end: focus, keys, commit, restore.
#include "core/grupos.h"
#include "presentacion/edicion.h"

#include "core/archivo.h"
#include "core/calculo.h"
#include "engine/recalcular.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvia;

namespace {

// A document with a few characteristics filled in, as after a load.
struct Edicion : ::testing::Test {
    Documento doc;
    void SetUp() override
    {
        InicializarCalculo(doc.calculo);
        doc.calculo.Local = Localizacion::Desde(QLocale(QLocale::Spanish, QLocale::Spain));
        auto& c = doc.calculo.Personal;
        c.C(7) = 100000.0;
        c.C(8) = 75.0;
        c.C(19) = 20.0;
        c.C(12) = 2000.0;
        c.C(13) = 80.0;
        c.C(17) = 220.0;
        for (int i : {7, 12})
            Recalcular(doc, Hoja::C, Columna::S, i);
        doc.calculo.Grabado = doc.calculo.Personal;
    }
    QString Caja(Hoja h, int i) const { return doc.pantalla.caja(h, Columna::S, i).texto; }
};

} // namespace

TEST_F(Edicion, AlEntrarSeMuestraSinFormato)
{
    doc.calculo.Personal.F1(2) = 123456.5;
    const EstadoEdicion e = MostrarParaEditar(doc, Hoja::F1, 2);
    EXPECT_EQ(e.texto, u"123456,5");
    EXPECT_EQ(e.cursor, 0);
    EXPECT_EQ(e.largoSeleccion, 0);
    EXPECT_EQ(doc.calculo.ValorAnterior, Valor(123456.5));
    doc.calculo.Personal.F1(3) = 0.0;
    EXPECT_EQ(MostrarParaEditar(doc, Hoja::F1, 3).texto, QString());
}

// The limits and the message of a refusal are the catalogue-wide test's; here,
// nothing of the refused value reaches the fields computed from it.
TEST_F(Edicion, RechazoRestauraYRecalcula)
{
    MostrarParaEditar(doc, Hoja::C, 7);
    EXPECT_FALSE(ConfirmarCampo(doc, Hoja::C, 7, u"3000"_qs, -1));
    EXPECT_EQ(doc.calculo.Personal.C(7), Valor(100000.0));
    EXPECT_EQ(doc.calculo.Personal.C(9), Valor(75000.0));
    EXPECT_EQ(doc.mensajes.size(), 1u);
}

TEST_F(Edicion, IntroConfirmaYSigueEditando)
{
    EstadoEdicion e = MostrarParaEditar(doc, Hoja::C, 19);
    e.largoSeleccion = static_cast<int>(e.texto.size()); // the user selects the old "20"
    for (char16_t t : {u'2', u'2', u',', u'5'})
        e = PulsarTecla(doc, Hoja::C, 19, e, t).estado;
    EXPECT_EQ(e.texto, u"22,5");
    e = PulsarTecla(doc, Hoja::C, 19, e, 13).estado;
    EXPECT_EQ(doc.calculo.Personal.C(19), Valor(22.5));
    EXPECT_EQ(e.texto, u"22,5"); // shown raw again
    EXPECT_EQ(Caja(Hoja::C, 19), u"22,5");
    EXPECT_EQ(doc.calculo.ValorAnterior, Valor(22.5));
    EXPECT_EQ(doc.calculo.Personal.C(20), Valor(1687500.0));
}

// A refused key beeps and says, beside the box, what it takes.
TEST_F(Edicion, TeclaRechazadaPitaYLoDice)
{
    const EstadoEdicion e = MostrarParaEditar(doc, Hoja::C, 7);
    const ResultadoTecla r = PulsarTecla(doc, Hoja::C, 7, e, u'-');
    EXPECT_TRUE(r.pitido);
    EXPECT_FALSE(r.aceptada);
    EXPECT_EQ(r.nota, u"Sólo cifras, sin decimales («.» para los miles), hasta llenar la casilla."_qs);
    EXPECT_TRUE(doc.mensajes.empty()) << "a note, not a window per key";
    EXPECT_TRUE(PulsarTecla(doc, Hoja::C, 7, {u"12"_qs, 2, 2, 0}, 8).aceptada); // backspace
}

// The main keyboard's dot, typed into a Spanish box, is the decimal point
// when it cannot be thousands; grouped thousands are thousands.
TEST_F(Edicion, ElPuntoDelTecladoEnUnaCasillaEspanola)
{
    const struct {
        Hoja hoja;
        int indice;
        const char16_t* teclas;
        double valor;
    } casos[] = {
        {Hoja::V, 1, u"1.52", 1.52},    // 1,52 €/l, no longer 1,0000
        {Hoja::C, 19, u"31.5", 31.5},   // not 31,0
        {Hoja::C, 7, u"98.000", 98000}, // thousands
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(QString::fromUtf16(k.teclas).toStdString());
        EstadoEdicion e = MostrarParaEditar(doc, k.hoja, k.indice);
        e.largoSeleccion = static_cast<int>(e.texto.size());
        for (const char16_t* t = k.teclas; *t; ++t) {
            const ResultadoTecla r = PulsarTecla(doc, k.hoja, k.indice, e, *t);
            EXPECT_TRUE(r.aceptada);
            e = r.estado;
        }
        EXPECT_TRUE(ConfirmarCampo(doc, k.hoja, k.indice, e.texto, kTeclaSalida));
        EXPECT_EQ(doc.calculo.Personal[k.hoja](k.indice), Valor(k.valor));
    }
    EXPECT_TRUE(doc.mensajes.empty());
}

// Typed key by key into the description: what the box ends up holding is
// what the file gives back, and each key the file could not keep was named.
TEST_F(Edicion, LoTecleadoEnUnTextoEsLoQueSeLee)
{
    const struct {
        const char* tecleado;
        const char* enLaCaja;
        std::vector<const char*> nombrados; // one message per refused key
    } casos[] = {
        {"Camión frigorífico Ñandú – 40 t €", "Camión frigorífico Ñandú – 40 t €", {}},
        {"Transportes Łódź 東京", "Transportes ód ", {"«Ł»", "«ź»", "«東»", "«京»"}},
        {"Pepe \"el del 2\"", "Pepe el del 2", {"«\"»", "«\"»"}},
        {"Ruta\tnorte", "Rutanorte", {"«U+0009»"}},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tecleado);
        doc.mensajes.clear();
        EstadoEdicion e = MostrarParaEditar(doc, Hoja::C, 1);
        e.largoSeleccion = static_cast<int>(e.texto.size());
        for (QChar t : QString::fromUtf8(c.tecleado))
            e = PulsarTecla(doc, Hoja::C, 1, e, t.unicode()).estado;
        EXPECT_EQ(e.texto, QString::fromUtf8(c.enLaCaja));
        ASSERT_EQ(doc.mensajes.size(), c.nombrados.size());
        for (std::size_t k = 0; k < c.nombrados.size(); ++k)
            EXPECT_TRUE(doc.mensajes[k].texto.contains(QString::fromUtf8(c.nombrados[k])))
                << doc.mensajes[k].texto.toStdString();
        ASSERT_TRUE(ConfirmarCampo(doc, Hoja::C, 1, e.texto, kTeclaSalida));

        const QString ruta = dir.filePath(QStringLiteral("texto.trv"));
        ASSERT_EQ(EscribirValores(ruta, doc.calculo, QDate(2026, 12, 7)), FalloArchivo::Ninguno);
        Calculo leido = doc.calculo;
        ASSERT_EQ(LeerValores(ruta, leido), FalloArchivo::Ninguno);
        EXPECT_EQ(leido.Personal.C(1), Valor(QString::fromUtf8(c.enLaCaja).trimmed()));
    }
}

// Pasting checks the whole text before anything reaches the box, and never
// cuts without saying so.
TEST_F(Edicion, PegarEnUnaCaja)
{
    const QString llena(55, u'x');
    const struct {
        const char* nombre;
        int campo;
        QString antes;
        int cursor, inicioSel, largoSel;
        QString pegado;
        bool aceptada;
        QString despues;
        const char* mensaje; // part of the message, "" for none
    } casos[] = {
        {"letras que el fichero no guarda", 1, u"Camión "_qs, 7, 7, 0, u"Łódź"_qs, false, u"Camión "_qs,
         "no puede guardar: «Ł», «ź»."},
        {"comillas", 1, {}, 0, 0, 0, u"Transportes \"Pepe\""_qs, false, {}, "«\"»"},
        {"tabulador de una hoja de cálculo", 1, {}, 0, 0, 0, u"Ruta\tnorte"_qs, false, {}, "«U+0009»"},
        {"emoji", 1, u"Ruta"_qs, 4, 4, 0, u" 😀"_qs, false, u"Ruta"_qs, "«😀»"},
        {"fin de línea de lo copiado", 1, {}, 0, 0, 0, u"Línea copiada\r\n"_qs, true, u"Línea copiada"_qs, ""},
        {"más largo que la casilla",
         1,
         {},
         0,
         0,
         0,
         QString(100, u'a'),
         true,
         QString(55, u'a'),
         "caben 55 caracteres: se ha pegado sólo «aaaa"},
        {"casilla llena", 1, llena, 55, 55, 0, u"y"_qs, false, llena, "ya está llena"},
        {"sobre una selección", 1, llena, 0, 0, 55, u"Furgón"_qs, true, u"Furgón"_qs, ""},
        {"descripción de la explotación, 45", 6, u"Reparto "_qs, 8, 8, 0, QString(50, u'b'), true,
         u"Reparto "_qs + QString(37, u'b'), "caben 45 caracteres"},
        {"una cifra se pega tal cual", 7, {}, 0, 0, 0, u"12,5,3"_qs, true, u"12,5,3"_qs, ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        doc.mensajes.clear();
        const ResultadoTecla r =
            PegarTexto(doc, Hoja::C, c.campo, {c.antes, c.cursor, c.inicioSel, c.largoSel}, c.pegado);
        EXPECT_EQ(r.aceptada, c.aceptada);
        EXPECT_EQ(r.pitido, !c.aceptada);
        EXPECT_EQ(r.estado.texto, c.despues);
        if (c.aceptada) {
            EXPECT_EQ(Caja(Hoja::C, c.campo), c.despues);
        }
        if (*c.mensaje) {
            ASSERT_EQ(doc.mensajes.size(), 1u);
            EXPECT_TRUE(doc.mensajes[0].texto.contains(QString::fromUtf8(c.mensaje)))
                << doc.mensajes[0].texto.toStdString();
        } else {
            EXPECT_TRUE(doc.mensajes.empty());
        }
    }
}

// Leaving the box checks the text again, whatever way it got in: refused,
// the previous description comes back.
TEST_F(Edicion, AlSalirSeRechazaLoQueElFicheroNoGuarda)
{
    doc.calculo.Personal.C(1) = Valor(u"Articulado"_qs);
    MostrarParaEditar(doc, Hoja::C, 1);
    EXPECT_FALSE(ConfirmarCampo(doc, Hoja::C, 1, u"Transportes Łódź 東京"_qs, kTeclaSalida));
    EXPECT_EQ(doc.calculo.Personal.C(1), Valor(u"Articulado"_qs));
    ASSERT_EQ(doc.mensajes.size(), 1u);
    EXPECT_TRUE(doc.mensajes[0].texto.contains(
        u"El texto contiene caracteres que el fichero del cálculo no puede guardar: «Ł», «ź», «東», «京»."_qs));
    // Every character fits, but the bytes would read back as other text.
    EXPECT_FALSE(ConfirmarCampo(doc, Hoja::C, 1, u"CamiÃ³n"_qs, kTeclaSalida));
    EXPECT_EQ(doc.calculo.Personal.C(1), Valor(u"Articulado"_qs));
    ASSERT_EQ(doc.mensajes.size(), 2u);
    EXPECT_TRUE(doc.mensajes[1].texto.contains(u"se leería «Camión» en lugar de «CamiÃ³n»."_qs));
}

// Every list price with a discount still taken off says so, naming the
// discount; with the discount at 0, or on any other field, nothing.
TEST_F(Edicion, PrecioDeTarifaConDescuentoLoDice)
{
    for (const campos::PrecioConDescuento& p : campos::kPreciosConDescuento) {
        SCOPED_TRACE(p.precio.i);
        auto& col = doc.calculo.Personal[p.precio.hoja];
        col(p.precio.i) = 1.5;
        col(p.descuento.i) = 0.0;
        EXPECT_EQ(NotaDeDescuento(doc.calculo, p.precio.hoja, p.precio.i), QString());
        col(p.descuento.i) = 0.05;
        const QString nota = NotaDeDescuento(doc.calculo, p.precio.hoja, p.precio.i);
        EXPECT_TRUE(nota.startsWith(p.enPorcentaje ? u"A este precio se le resta un descuento de 0,1 %"_qs
                                                   : u"A este precio se le resta un descuento de 0,0500 €/litro"_qs))
            << nota.toStdString();
        EXPECT_TRUE(nota.contains(NombreVisible(p.descuento.hoja, p.descuento.i)));
        EXPECT_EQ(NotaDeDescuento(doc.calculo, p.descuento.hoja, p.descuento.i), QString());
    }
}

// Editing a personal field end to end: focus, keys, commit, restore.
#include "presentacion/edicion.h"

#include "core/calculo.h"
#include "engine/recalcular.h"

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

TEST_F(Edicion, TeclaRechazadaPita)
{
    const EstadoEdicion e = MostrarParaEditar(doc, Hoja::C, 7);
    const ResultadoTecla r = PulsarTecla(doc, Hoja::C, 7, e, u'-');
    EXPECT_TRUE(r.pitido);
    EXPECT_FALSE(r.aceptada);
    EXPECT_TRUE(PulsarTecla(doc, Hoja::C, 7, {u"12"_qs, 2, 2, 0}, 8).aceptada); // backspace
}

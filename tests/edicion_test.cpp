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

TEST_F(Edicion, AceptarGuardaRecalculaYFormatea)
{
    MostrarParaEditar(doc, Hoja::C, 7);
    EXPECT_TRUE(ConfirmarCampo(doc, Hoja::C, 7, u"120000"_qs, -1));
    EXPECT_EQ(doc.calculo.Personal.C(7), Valor(120000.0));
    EXPECT_EQ(doc.calculo.Personal.C(9), Valor(90000.0));
    EXPECT_EQ(doc.calculo.Personal.C(20), Valor(1800000.0));
    EXPECT_EQ(Caja(Hoja::C, 7), u"120.000");
    EXPECT_EQ(Caja(Hoja::C, 9), u"90.000");
    EXPECT_TRUE(doc.mensajes.empty());
    EXPECT_TRUE(HayCambios(doc.calculo));
    // Typing the old value back leaves nothing to save.
    MostrarParaEditar(doc, Hoja::C, 7);
    ConfirmarCampo(doc, Hoja::C, 7, u"100.000"_qs, -1);
    EXPECT_FALSE(HayCambios(doc.calculo));
}

TEST_F(Edicion, RechazoRestauraRecalculaYAvisa)
{
    MostrarParaEditar(doc, Hoja::C, 7);
    EXPECT_FALSE(ConfirmarCampo(doc, Hoja::C, 7, u"3000"_qs, -1));
    EXPECT_EQ(doc.calculo.Personal.C(7), Valor(100000.0));
    EXPECT_EQ(doc.calculo.Personal.C(9), Valor(75000.0));
    EXPECT_EQ(Caja(Hoja::C, 7), u"100.000");
    ASSERT_EQ(doc.mensajes.size(), 1u);
    EXPECT_EQ(doc.mensajes[0].titulo, u"Error");
    EXPECT_EQ(doc.mensajes[0].texto, u"Valor mínimo = 5.000\r\n\r\nValor máximo = 400.000\r\n\r\n"_qs);
    EXPECT_FALSE(HayCambios(doc.calculo));
}

TEST_F(Edicion, CeroAdmitidoYCampoVaciado)
{
    // An emptied field commits as 0: accepted where 0 is allowed...
    MostrarParaEditar(doc, Hoja::C, 8);
    EXPECT_TRUE(ConfirmarCampo(doc, Hoja::C, 8, QString(), -1));
    EXPECT_EQ(doc.calculo.Personal.C(9), Valor(0.0));
    EXPECT_EQ(Caja(Hoja::C, 8), QString());
    // ...and refused where it is below the minimum.
    MostrarParaEditar(doc, Hoja::C, 3);
    doc.calculo.ValorAnterior = Valor(40000.0);
    EXPECT_FALSE(ConfirmarCampo(doc, Hoja::C, 3, QString(), -1));
    EXPECT_EQ(doc.calculo.Personal.C(3), Valor(40000.0));
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

TEST_F(Edicion, TextoPegadoSeInterpretaAlSalir)
{
    MostrarParaEditar(doc, Hoja::C, 19);
    EXPECT_TRUE(ConfirmarCampo(doc, Hoja::C, 19, u"-1.2,5,3"_qs, -1));
    EXPECT_EQ(doc.calculo.Personal.C(19), Valor(12.53));
    EXPECT_EQ(Caja(Hoja::C, 19), u"12,5");
}

#include "core/catalogo.h"
#include "engine/abrir.h"
#include "engine/opciones.h"
#include "presentacion/marcos.h"

#include <set>

// Every personal input, in both positions of every option group, goes through
// the one editing path: typing back what the box shows for editing is accepted
// silently and changes nothing. Two reference vehicles between them reach every
// input (the data test keeps all of them within their limits).
TEST(EdicionDeTodosLosCampos, ReescribirElValorNoCambiaNada)
{
    std::set<std::pair<Hoja, int>> alcanzados;
    for (const char* archivo : {"Frigorifico Internacional", "3 Ejes Animales"}) {
        for (bool invertirOpciones : {false, true}) {
            SCOPED_TRACE(std::string(archivo) + (invertirOpciones ? " (opciones invertidas)" : ""));
            Documento doc;
            InicializarCalculo(doc.calculo);
            doc.calculo.Local = Localizacion::Desde(QLocale(QLocale::Spanish, QLocale::Spain));
            ASSERT_EQ(
                LeerArchivo(doc, QStringLiteral(TARVIA_BIN_DIR "/Baremario/%1.brm").arg(QString::fromUtf8(archivo))),
                FalloArchivo::Ninguno);
            if (invertirOpciones)
                for (auto [h, i] : {std::pair{Hoja::F1, 1},
                                    {Hoja::F2, 1},
                                    {Hoja::F2, 13},
                                    {Hoja::F3, 2},
                                    {Hoja::F3, 9},
                                    {Hoja::F3, 19},
                                    {Hoja::I, 1}})
                    PulsarOpcion(doc, h, Columna::S, i, doc.calculo.Personal[h](i).logico() ? 2 : 1);
            const ValoresColumna antes = doc.calculo.Personal;
            for (Hoja h : HojasDeEntrada)
                for (int i : doc.calculo.Entradas(h)) {
                    if (!CampoEditable(doc.pantalla, h, i))
                        continue;
                    alcanzados.insert({h, i});
                    const EstadoEdicion e = MostrarParaEditar(doc, h, i);
                    EXPECT_TRUE(ConfirmarCampo(doc, h, i, e.texto, -1)) << Codigo(h) << i;
                }
            EXPECT_TRUE(doc.mensajes.empty());
            for (Hoja h : HojasDeEntrada)
                for (int i : doc.calculo.Entradas(h))
                    EXPECT_EQ(doc.calculo.Personal[h](i), antes[h](i)) << Codigo(h) << i;
            if (!invertirOpciones) {
                EXPECT_FALSE(HayCambios(doc.calculo));
            }
        }
    }
    // Every input but the option fields was reachable somewhere.
    for (const Campo& c : Catalogo()) {
        if (c.esEntrada() && c.tipo != TipoCampo::Opcion) {
            EXPECT_TRUE(alcanzados.count({c.hoja, c.indice})) << Codigo(c.hoja) << c.indice;
        }
    }
}

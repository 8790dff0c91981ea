// Sheet C on the offscreen platform: layout from the catalogue, editing
// through the personal boxes, and what the engine's answers look like.
#include "ayuda_ventanas.h"

#include "core/catalogo.h"
#include "sheets/frm_caracteristicas.h"
#include "sheets/marco_hoja.h"
#include "sheets/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace tarvia;
using namespace tarvia::prueba;

namespace {

class HojaC : public ::testing::Test {
protected:
    void SetUp() override
    {
        CargarReferencia(doc);
        hoja = new FrmCaracteristicas(doc, &ventana);
        ventana.resize(Px(QSize(11600, 12000)));
        hoja->move(Px(180), Px(180));
        ventana.show();
        ventana.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    }

    QLineEdit* S(int i) const { return hoja->Caja(Columna::S, i); }
    QLineEdit* O(int i) const { return hoja->Caja(Columna::O, i); }

    void Entrar(int i) { Enfocar(S(i)); }
    void Escribir(int i, const QString& texto, Qt::Key fin = Qt::Key_unknown) { Teclear(S(i), texto, fin); }

    Documento doc;
    QWidget ventana;
    FrmCaracteristicas* hoja = nullptr;
};

TEST_F(HojaC, CadaCampoConSusCajasYAyudas)
{
    for (const Campo& c : CamposDe(Hoja::C)) {
        SCOPED_TRACE(c.indice);
        ASSERT_NE(S(c.indice), nullptr);
        ASSERT_NE(O(c.indice), nullptr);
        EXPECT_EQ(S(c.indice)->toolTip(), QString::fromUtf8(c.ayuda));
        EXPECT_TRUE(O(c.indice)->toolTip().isEmpty());
        EXPECT_EQ(S(c.indice)->maxLength(), c.maxLength);
        EXPECT_EQ(bool(S(c.indice)->alignment() & Qt::AlignRight), c.esNumerico());
        EXPECT_EQ(S(c.indice)->isEnabled(), c.esEntrada()) << "derived boxes are disabled";
        EXPECT_FALSE(O(c.indice)->isEnabled());
        // Both columns show what the display model says.
        EXPECT_EQ(S(c.indice)->text(), doc.pantalla.caja(Hoja::C, Columna::S, c.indice).texto);
        EXPECT_EQ(O(c.indice)->text(), doc.pantalla.caja(Hoja::C, Columna::O, c.indice).texto);
    }
    EXPECT_EQ(S(7)->text(), QStringLiteral("120.000"));
    EXPECT_FALSE(O(7)->text().isEmpty());
}

TEST_F(HojaC, CajasEditablesEnBlancoYTitulosDelModelo)
{
    EXPECT_EQ(S(7)->palette().color(QPalette::Base), QColor(255, 255, 255));
    EXPECT_NE(S(9)->palette().color(QPalette::Base), QColor(255, 255, 255));
    EXPECT_EQ(hoja->MarcoColumna(Columna::S)->titulo(), doc.pantalla.marcoPersonal(Hoja::C));
    EXPECT_EQ(hoja->MarcoColumna(Columna::O)->titulo(), doc.pantalla.marcoReferencia(Hoja::C));
}

TEST_F(HojaC, LaReferenciaNoMuestraElTonelaje)
{
    EXPECT_TRUE(S(19)->isVisible());
    EXPECT_TRUE(S(20)->isVisible());
    EXPECT_FALSE(O(19)->isVisible());
    EXPECT_FALSE(O(20)->isVisible());
    auto Textos = [&](Columna c) {
        QStringList t;
        for (QWidget* w : hoja->Etiquetas(c))
            t << static_cast<QLabel*>(w)->text();
        return t;
    };
    EXPECT_TRUE(Textos(Columna::S).contains(QStringLiteral("Toneladas transportadas:")));
    EXPECT_FALSE(Textos(Columna::O).contains(QStringLiteral("Toneladas transportadas:")));
}

TEST_F(HojaC, OrdenDeTabulacion)
{
    Entrar(1);
    std::vector<int> recorrido{1};
    for (int k = 0; k < 11; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        auto* caja = qobject_cast<CajaTexto*>(QApplication::focusWidget());
        ASSERT_NE(caja, nullptr);
        recorrido.push_back(caja->indice());
    }
    EXPECT_EQ(recorrido, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 12, 13, 17, 19}));
}

TEST_F(HojaC, CambiarKilometrosRecalculaLasCajasDerivadas)
{
    // The chain's figures are the engine's: here, that the boxes show them at once.
    const auto Modelo = [&](int i) { return doc.pantalla.caja(Hoja::C, Columna::S, i).texto; };
    const QString antes = S(9)->text(), referencia = O(9)->text();
    Escribir(7, QStringLiteral("100000"), Qt::Key_Tab);
    EXPECT_EQ(doc.calculo.Personal.C(7).numero(), 100000.0);
    EXPECT_EQ(S(7)->text(), QStringLiteral("100.000"));
    EXPECT_NE(S(9)->text(), antes);
    EXPECT_EQ(S(9)->text(), Modelo(9));
    EXPECT_EQ(O(9)->text(), referencia);
    EXPECT_TRUE(doc.mensajes.empty());

    // Return commits too, but the box stays in edit with the raw text.
    const QString tras = S(9)->text();
    Escribir(7, QStringLiteral("200000"), Qt::Key_Return);
    EXPECT_TRUE(S(7)->hasFocus());
    EXPECT_EQ(S(7)->text(), QStringLiteral("200000"));
    EXPECT_NE(S(9)->text(), tras);
    EXPECT_EQ(S(9)->text(), Modelo(9));
    EXPECT_EQ(doc.calculo.ValorAnterior, Valor(200000.0));
}

// The key filter's rules are tested on their own: here, that the boxes use it.
TEST_F(HojaC, FiltroDeTeclas)
{
    Entrar(7); // the raw value, caret at the start
    EXPECT_EQ(S(7)->cursorPosition(), 0);
    QTest::keyClicks(S(7), QStringLiteral("x-")); // refused with a beep
    EXPECT_EQ(S(7)->text(), QStringLiteral("120000"));
    // The keypad's decimal key gives "." and types the locale's ",".
    Escribir(8, QStringLiteral("50"));
    QTest::keyClick(S(8), Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(S(8), Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(S(8)->text(), QStringLiteral("50,5"));
}

} // namespace

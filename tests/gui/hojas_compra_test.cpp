// Sheets F1, F2 and V inside the main window on the offscreen platform:
// their controls against the catalogue, the purchase switches, and edits
// whose effects show on another sheet.
#include "ventana_principal.h"

#include "core/catalogo.h"
#include "presentacion/marcos.h"
#include "sheets/hoja_disenada.h"
#include "sheets/marco_hoja.h"
#include "sheets/twips.h"
#include "shell/frm_main.h"
#include "shell/frm_tipo_veh.h"
#include "shell/patillas.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using namespace tarvia;
using namespace tarvia::prueba;

namespace {

class HojasCompra : public VentanaPrincipal {
protected:
    void SetUp() override
    {
        MostrarVentana(9000);
        Abrir();
    }

    // What a click on the sheet's button leaves on screen.
    HojaDisenada* Mostrar(Hoja h)
    {
        ventana->patillas()->Boton(h)->click();
        auto* hoja = qobject_cast<HojaDisenada*>(ventana->FormularioActual());
        EXPECT_TRUE(hoja && hoja->hoja() == h);
        return hoja;
    }

    // Types into a personal box and leaves it with Tab, as the user does.
    static void Escribir(HojaDisenada* hoja, int i, const QString& texto)
    {
        Teclear(hoja->Caja(Columna::S, i), texto, Qt::Key_Tab);
    }

    static bool Visible(QWidget* w, HojaDisenada* hoja) { return w && w->isVisibleTo(hoja); }

    // Every box of both columns is shown exactly when the display model says so.
    void VisibilidadComoElModelo(HojaDisenada* hoja)
    {
        for (const Campo& c : CamposDe(hoja->hoja()))
            for (Columna col : {Columna::S, Columna::O})
                if (QLineEdit* caja = hoja->Caja(col, c.indice)) {
                    SCOPED_TRACE(c.indice);
                    EXPECT_EQ(Visible(caja, hoja), CampoVisible(doc.pantalla, hoja->hoja(), col, c.indice));
                }
    }
};

TEST_F(HojasCompra, CadaCampoConSusControlesEnAmbasColumnas)
{
    for (Hoja h : {Hoja::F1, Hoja::F2, Hoja::V}) {
        HojaDisenada* hoja = Mostrar(h);
        ASSERT_NE(hoja, nullptr);
        SCOPED_TRACE(Codigo(h));
        EXPECT_EQ(hoja->MarcoTitulo()->titulo(), doc.pantalla.titulo(h));
        for (const Campo& c : CamposDe(h)) {
            SCOPED_TRACE(c.indice);
            if (c.tipo == TipoCampo::Opcion) {
                for (int b : {1, 2}) {
                    ASSERT_NE(hoja->Opcion(Columna::S, c.indice, b), nullptr);
                    EXPECT_EQ(hoja->Opcion(Columna::S, c.indice, b)->toolTip(), QString::fromUtf8(c.ayuda));
                    EXPECT_FALSE(hoja->Opcion(Columna::O, c.indice, b)->isEnabled());
                    EXPECT_EQ(hoja->Opcion(Columna::O, c.indice, b)->isChecked(),
                              doc.pantalla.opcion(h, Columna::O, c.indice) == b);
                }
                continue;
            }
            QLineEdit* s = hoja->Caja(Columna::S, c.indice);
            QLineEdit* o = hoja->Caja(Columna::O, c.indice);
            ASSERT_NE(s, nullptr);
            ASSERT_NE(o, nullptr);
            EXPECT_EQ(s->toolTip(), QString::fromUtf8(c.ayuda));
            EXPECT_EQ(s->maxLength(), c.maxLength);
            EXPECT_EQ(s->isEnabled(), doc.pantalla.caja(h, Columna::S, c.indice).habilitado);
            EXPECT_FALSE(o->isEnabled());
            EXPECT_EQ(s->text(), doc.pantalla.caja(h, Columna::S, c.indice).texto);
            EXPECT_EQ(o->text(), doc.pantalla.caja(h, Columna::O, c.indice).texto);
            // Boxes lie inside their column: nothing is cut off on the right.
            const QRect r(o->mapTo(hoja->MarcoColumna(Columna::O), QPoint()), o->size());
            EXPECT_TRUE(hoja->MarcoColumna(Columna::O)->rect().contains(r));
        }
        VisibilidadComoElModelo(hoja);
    }
}

// Clicks in turn: each hides what it replaces and shows the other block, in
// the personal column only; back to "Compra" shows what was there.
TEST_F(HojasCompra, LasOpcionesDeCompraMuestranSuBloque)
{
    const struct {
        Hoja h;
        int opcion, boton, oculta, visible;
    } pasos[] = {{Hoja::F1, 1, 2, 2, 12}, {Hoja::F1, 1, 1, 12, 13}, {Hoja::F2, 1, 2, 2, 14}, {Hoja::F2, 13, 2, 20, 24}};
    const QString carrozado = Mostrar(Hoja::F1)->Caja(Columna::S, 13)->text();
    for (const auto& p : pasos) {
        SCOPED_TRACE(std::string(Codigo(p.h)) + " " + std::to_string(p.opcion) + " " + std::to_string(p.boton));
        HojaDisenada* hoja = Mostrar(p.h);
        QTest::mouseClick(hoja->Opcion(Columna::S, p.opcion, p.boton), Qt::LeftButton);
        EXPECT_EQ(doc.calculo.Personal[p.h](p.opcion), Valor(p.boton == 1));
        EXPECT_TRUE(hoja->Opcion(Columna::S, p.opcion, p.boton)->isChecked());
        EXPECT_FALSE(Visible(hoja->Caja(Columna::S, p.oculta), hoja));
        EXPECT_TRUE(Visible(hoja->Caja(Columna::S, p.visible), hoja));
        VisibilidadComoElModelo(hoja);
    }
    HojaDisenada* f2 = Hoja_(Hoja::F2);
    EXPECT_TRUE(f2->Opcion(Columna::S, 1, 2)->isChecked()) << "the semitrailer stays rented";
    EXPECT_TRUE(Visible(f2->Caja(Columna::S, 12), f2));
    EXPECT_EQ(Mostrar(Hoja::F1)->Caja(Columna::S, 13)->text(), carrozado);
}

TEST_F(HojasCompra, UnNeumaticoMasEnVCambiaElPrecioSinNeumaticosDeF1)
{
    EXPECT_EQ(Mostrar(Hoja::F1)->Caja(Columna::S, 24)->text(), QStringLiteral("114.504,00")); // 118.800 − 6 × 716
    Escribir(Mostrar(Hoja::V), 19, QStringLiteral("6")); // 2 × 716 + 6 × 716 = 5.728
    EXPECT_TRUE(mensajes.lista.empty());
    HojaDisenada* f1 = Mostrar(Hoja::F1);
    EXPECT_EQ(f1->Caja(Columna::S, 24)->text(), QStringLiteral("113.072,00"));
    EXPECT_EQ(f1->Caja(Columna::O, 24)->text(), QStringLiteral("114.504,00"));
}

TEST_F(HojasCompra, SinPrecioDeSemirremolqueSusNeumaticosSeApaganEnV)
{
    HojaDisenada* v = Mostrar(Hoja::V);
    EXPECT_TRUE(v->Caja(Columna::S, 25)->isEnabled());
    Escribir(Mostrar(Hoja::F2), 2, QStringLiteral("0"));
    EXPECT_TRUE(mensajes.lista.empty());
    v = Mostrar(Hoja::V);
    for (int i : {25, 26, 27}) {
        EXPECT_FALSE(v->Caja(Columna::S, i)->isEnabled()) << i;
        EXPECT_TRUE(v->Caja(Columna::S, i)->text().isEmpty()) << i;
    }
    EXPECT_EQ(v->Caja(Columna::O, 25)->text(), QStringLiteral("6"));
    EXPECT_EQ(doc.calculo.Personal.V(25), Valor(6.0)) << "kept while off";

    // Renting it instead brings the tyres back, values and all.
    QTest::mouseClick(Mostrar(Hoja::F2)->Opcion(Columna::S, 1, 2), Qt::LeftButton);
    v = Mostrar(Hoja::V);
    EXPECT_TRUE(v->Caja(Columna::S, 25)->isEnabled());
    EXPECT_EQ(v->Caja(Columna::S, 25)->text(), QStringLiteral("6"));
    EXPECT_EQ(v->Caja(Columna::S, 26)->text(), QStringLiteral("716,00"));
}

// On F2 the equipment's choice comes between the two blocks.
TEST_F(HojasCompra, LaOpcionDelEquipoEntraEnElOrdenDeTabulacion)
{
    HojaDisenada* f2 = Mostrar(Hoja::F2);
    Enfocar(f2->Caja(Columna::S, 11), Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f2->Opcion(Columna::S, 13, 1));
}

} // namespace

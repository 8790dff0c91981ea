// Sheets F1, F2 and V inside the main window on the offscreen platform:
// their controls against the catalogue, a purchase switch clicked, and the
// tab order.
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
    // A click runs its option (the switches themselves are the engine's):
    // renting the semitrailer shows its yearly cost instead of its purchase.
    HojaDisenada* f2 = Mostrar(Hoja::F2);
    QTest::mouseClick(f2->Opcion(Columna::S, 1, 2), Qt::LeftButton);
    EXPECT_EQ(doc.calculo.Personal.F2(1), Valor(false));
    EXPECT_TRUE(Visible(f2->Caja(Columna::S, 12), f2));
    EXPECT_FALSE(Visible(f2->Caja(Columna::S, 2), f2));
    VisibilidadComoElModelo(f2);
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

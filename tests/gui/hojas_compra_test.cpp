// Sheets F1, F2 and V inside the main window on the offscreen platform:
// their controls against the catalogue, the option switches, and edits
// whose effects show on another sheet.
#include "ventana_principal.h"

#include "core/catalogo.h"
#include "engine/marcos.h"
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

    // Indices the personal boxes take the focus in, starting at `desde`.
    std::vector<int> RecorridoTab(HojaDisenada* hoja, int desde, size_t pasos)
    {
        Enfocar(hoja->Caja(Columna::S, desde), Qt::TabFocusReason);
        std::vector<int> recorrido{desde};
        while (recorrido.size() < pasos) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            auto* siguiente = qobject_cast<CajaTexto*>(QApplication::focusWidget());
            if (!siguiente)
                break;
            recorrido.push_back(siguiente->indice());
        }
        return recorrido;
    }

    // The order a sheet is tabbed through, reduced to what the user can reach now.
    std::vector<int> Alcanzables(Hoja h, std::initializer_list<int> orden, int desde, size_t pasos)
    {
        std::vector<int> r;
        bool empezado = false;
        for (int i : orden) {
            empezado = empezado || i == desde;
            if (empezado && CampoEditable(doc.pantalla, h, i) && r.size() < pasos)
                r.push_back(i);
        }
        return r;
    }

};

TEST_F(HojasCompra, CadaCampoConSusControlesEnAmbasColumnas)
{
    for (Hoja h : {Hoja::F1, Hoja::F2, Hoja::V}) {
        HojaDisenada* hoja = Mostrar(h);
        ASSERT_NE(hoja, nullptr);
        SCOPED_TRACE(Codigo(h));
        EXPECT_TRUE(hoja->MarcoTitulo()->titulo().startsWith(QString::fromUtf8(TituloHoja(h))));
        EXPECT_TRUE(hoja->MarcoTitulo()->titulo().contains(QStringLiteral("Articulado de carga general")));
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
                EXPECT_EQ(hoja->Opcion(Columna::S, c.indice, 2)->text(), QStringLiteral("Otra forma (alquiler, ...)"));
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

TEST_F(HojasCompra, LosGuionesQuedanALaAlturaDeLaPrimeraLinea)
{
    HojaDisenada* f1 = Mostrar(Hoja::F1);
    int guiones = 0;
    for (auto* guion : f1->MarcoColumna(Columna::S)->findChildren<QLabel*>()) {
        if (guion->text() != QStringLiteral("-"))
            continue;
        ++guiones;
        // The label it marks starts just to its right, on the same first line.
        const auto hermanas = guion->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        const auto marcada = std::find_if(hermanas.begin(), hermanas.end(), [&](QLabel* e) {
            return e != guion && e->x() > guion->x() && e->x() - guion->x() < Px(200) &&
                   guion->y() >= e->y() && guion->y() < e->y() + e->height() / 2 + 1;
        });
        EXPECT_NE(marcada, hermanas.end()) << guion->y();
    }
    // The vehicle's twelve rows, its yearly cost's included, and the bodywork's nine.
    EXPECT_EQ(guiones, 21);
}

TEST_F(HojasCompra, OtraFormaOcultaAmortizacionFinanciacionYCarrozado)
{
    HojaDisenada* f1 = Mostrar(Hoja::F1);
    const QString precio = f1->Caja(Columna::S, 2)->text();
    const QString carrozado = f1->Caja(Columna::S, 13)->text();
    QTest::mouseClick(f1->Opcion(Columna::S, 1, 2), Qt::LeftButton);
    EXPECT_EQ(doc.calculo.Personal.F1(1), Valor(false));
    EXPECT_TRUE(f1->Opcion(Columna::S, 1, 2)->isChecked());
    EXPECT_FALSE(f1->Opcion(Columna::S, 1, 1)->isChecked());
    EXPECT_FALSE(Visible(f1->Caja(Columna::S, 2), f1));
    // The reference column keeps its own choice.
    EXPECT_TRUE(Visible(f1->Caja(Columna::O, 2), f1));
    EXPECT_FALSE(Visible(f1->Caja(Columna::O, 12), f1));
    VisibilidadComoElModelo(f1);

    QTest::mouseClick(f1->Opcion(Columna::S, 1, 1), Qt::LeftButton);
    EXPECT_EQ(doc.calculo.Personal.F1(1), Valor(true));
    VisibilidadComoElModelo(f1);
    EXPECT_EQ(f1->Caja(Columna::S, 2)->text(), precio);
    EXPECT_EQ(f1->Caja(Columna::S, 13)->text(), carrozado);
}

TEST_F(HojasCompra, SemirremolqueYEquiposSeEligenPorSeparado)
{
    HojaDisenada* f2 = Mostrar(Hoja::F2);
    QTest::mouseClick(f2->Opcion(Columna::S, 1, 2), Qt::LeftButton);
    EXPECT_EQ(doc.calculo.Personal.F2(1), Valor(false));
    EXPECT_EQ(doc.calculo.Personal.F2(13), Valor(true));
    EXPECT_FALSE(Visible(f2->Caja(Columna::S, 2), f2));
    EXPECT_TRUE(Visible(f2->Caja(Columna::S, 12), f2));
    EXPECT_TRUE(Visible(f2->Caja(Columna::S, 14), f2));
    EXPECT_FALSE(Visible(f2->Caja(Columna::S, 24), f2));
    VisibilidadComoElModelo(f2);

    QTest::mouseClick(f2->Opcion(Columna::S, 13, 2), Qt::LeftButton);
    EXPECT_TRUE(Visible(f2->Caja(Columna::S, 24), f2));
    EXPECT_FALSE(Visible(f2->Caja(Columna::S, 20), f2));
    EXPECT_TRUE(Visible(f2->Caja(Columna::S, 12), f2)) << "the semitrailer stays rented";
    EXPECT_TRUE(f2->Opcion(Columna::S, 1, 2)->isChecked());
    VisibilidadComoElModelo(f2);
}

TEST_F(HojasCompra, UnNeumaticoMasEnVCambiaElPrecioSinNeumaticosDeF1)
{
    EXPECT_EQ(Mostrar(Hoja::F1)->Caja(Columna::S, 24)->text(), QStringLiteral("106.040,00"));
    Escribir(Mostrar(Hoja::V), 19, QStringLiteral("6")); // 2 × 540 + 6 × 500 = 4080
    EXPECT_TRUE(mensajes.lista.empty());
    HojaDisenada* f1 = Mostrar(Hoja::F1);
    EXPECT_EQ(f1->Caja(Columna::S, 24)->text(), QStringLiteral("105.040,00"));
    EXPECT_EQ(f1->Caja(Columna::O, 24)->text(), QStringLiteral("106.040,00"));
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
    EXPECT_EQ(v->Caja(Columna::S, 26)->text(), QStringLiteral("420,00"));
}

TEST_F(HojasCompra, OrdenDeTabulacion)
{
    EXPECT_EQ(RecorridoTab(Mostrar(Hoja::F1), 2, 9),
              Alcanzables(Hoja::F1, {2, 3, 4, 23, 24, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22},
                          2, 9));
    EXPECT_EQ(RecorridoTab(Mostrar(Hoja::V), 33, 20),
              Alcanzables(Hoja::V, {33, 34, 1,  35, 3,  37, 2,  36, 4,  38, 5,  39, 6,  40, 41, 7,  8,  9,  10, 11, 12,
                                    13, 14, 15, 42, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32},
                          33, 20));
    // On F2 the equipment's choice comes between the two blocks.
    HojaDisenada* f2 = Mostrar(Hoja::F2);
    Enfocar(f2->Caja(Columna::S, 11), Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f2->Opcion(Columna::S, 13, 1));
}

} // namespace

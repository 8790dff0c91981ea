// The input sheets inside the main window on the offscreen platform: each one
// mirrors the display model, and its boxes, buttons and keys reach the editing
// logic. The figures and the option switches themselves are the engine's.
#include "ventana_principal.h"

#include "core/catalogo.h"
#include "presentacion/marcos.h"
#include "sheets/caja_texto.h"
#include "sheets/frm_costes_indirectos.h"
#include "sheets/hoja_disenada.h"
#include "sheets/marco_hoja.h"
#include "shell/frm_main.h"
#include "shell/patillas.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QTest>
#include <functional>

using namespace tarvia;
using namespace tarvia::prueba;

namespace {

constexpr int kPortacontenedores = 19; // insurance and indirect costs as totals

class Hojas : public VentanaPrincipal {
protected:
    void SetUp() override { MostrarVentana(9000); }

    // What a click on the sheet's button leaves on screen.
    HojaDisenada* Mostrar(Hoja h)
    {
        ventana->patillas()->Boton(h)->click();
        hoja = qobject_cast<HojaDisenada*>(ventana->FormularioActual());
        EXPECT_TRUE(hoja && hoja->hoja() == h);
        return hoja;
    }

    QLineEdit* S(int i) const { return hoja->Caja(Columna::S, i); }
    QLineEdit* O(int i) const { return hoja->Caja(Columna::O, i); }
    bool Visible(QWidget* w) const { return w && w->isVisibleTo(hoja); }
    void Pulsar(int campo, int boton) { QTest::mouseClick(hoja->Opcion(Columna::S, campo, boton), Qt::LeftButton); }

    // The label of a column showing `texto`.
    QLabel* Etiqueta(Columna c, const char* texto) const
    {
        for (QWidget* w : hoja->Etiquetas(c))
            if (auto* e = static_cast<QLabel*>(w); e->text() == QString::fromUtf8(texto))
                return e;
        return nullptr;
    }

    // Every control of both columns is what the display model and the
    // catalogue say: text, help, length, alignment, enabled, shown.
    void ComoElModelo()
    {
        const Hoja h = hoja->hoja();
        for (const Campo& c : CamposDe(h))
            for (Columna col : {Columna::S, Columna::O}) {
                if (!hoja->MarcoColumna(col))
                    continue; // the service sheet has no reference column
                SCOPED_TRACE(::testing::Message() << c.indice << (col == Columna::S ? " S" : " O"));
                const QString ayuda = col == Columna::S ? QString::fromUtf8(c.ayuda) : QString();
                if (c.tipo == TipoCampo::Opcion) {
                    for (int b : {1, 2}) {
                        QRadioButton* r = hoja->Opcion(col, c.indice, b);
                        ASSERT_NE(r, nullptr);
                        if (col == Columna::S) { // on the button or on its small frame
                            EXPECT_TRUE(r->toolTip() == ayuda || r->parentWidget()->toolTip() == ayuda);
                        }
                        EXPECT_EQ(r->isEnabled(), col == Columna::S);
                        EXPECT_EQ(r->isChecked(), doc.pantalla.opcion(h, col, c.indice) == b);
                    }
                    continue;
                }
                QLineEdit* caja = hoja->Caja(col, c.indice);
                ASSERT_NE(caja, nullptr);
                const Caja& modelo = doc.pantalla.caja(h, col, c.indice);
                EXPECT_EQ(caja->text(), modelo.texto);
                EXPECT_EQ(caja->toolTip(), ayuda);
                EXPECT_EQ(caja->maxLength(), c.maxLength);
                EXPECT_EQ(bool(caja->alignment() & Qt::AlignRight), c.esNumerico());
                EXPECT_EQ(caja->isEnabled(), col == Columna::S && modelo.habilitado);
                EXPECT_EQ(Visible(caja), CampoVisible(doc.pantalla, h, col, c.indice));
                // Nothing is cut off on the right of its column.
                const QRect r(caja->mapTo(hoja->MarcoColumna(col), QPoint()), caja->size());
                EXPECT_TRUE(hoja->MarcoColumna(col)->rect().contains(r));
            }
    }

    HojaDisenada* hoja = nullptr;
};

TEST_F(Hojas, CadaHojaReflejaElModelo)
{
    Abrir();
    for (Hoja h : {Hoja::C, Hoja::F1, Hoja::F2, Hoja::F3, Hoja::V, Hoja::I, Hoja::S}) {
        SCOPED_TRACE(Codigo(h));
        ASSERT_NE(Mostrar(h), nullptr);
        EXPECT_EQ(hoja->MarcoTitulo()->titulo(), doc.pantalla.titulo(h));
        EXPECT_EQ(hoja->MarcoColumna(Columna::S)->titulo(), doc.pantalla.marcoPersonal(h));
        if (h != Hoja::S) {
            EXPECT_EQ(hoja->MarcoColumna(Columna::O)->titulo(), doc.pantalla.marcoReferencia(h));
        }
        ComoElModelo();
    }
    EXPECT_EQ(hoja->MarcoColumna(Columna::O), nullptr);
    // Each service result row: its label in a band of its colour, its figures in that colour.
    for (int i : {5, 6, 7}) {
        QLabel* banda = Etiqueta(Columna::S, CampoDe(Hoja::S, i).etiqueta);
        ASSERT_NE(banda, nullptr) << i;
        EXPECT_TRUE(banda->autoFillBackground());
        EXPECT_EQ(S(i)->palette().color(QPalette::Disabled, QPalette::Text), banda->palette().color(QPalette::Window));
    }
    Mostrar(Hoja::C); // editable boxes on white
    EXPECT_EQ(S(7)->palette().color(QPalette::Base), QColor(255, 255, 255));
    EXPECT_NE(S(9)->palette().color(QPalette::Base), QColor(255, 255, 255));
}

// A click runs its option: renting the semitrailer shows its yearly cost;
// indirect costs as a total hide their parts with their labels, and the
// comment on their share appears once the total is typed.
TEST_F(Hojas, UnClicEnUnaOpcion)
{
    Abrir();
    Mostrar(Hoja::F2);
    Pulsar(1, 2);
    EXPECT_EQ(doc.calculo.Personal.F2(1), Valor(false));
    EXPECT_TRUE(Visible(S(12)));
    EXPECT_FALSE(Visible(S(2)));
    ComoElModelo();

    auto* indirectos = qobject_cast<FrmCostesIndirectos*>(Mostrar(Hoja::I));
    ASSERT_NE(indirectos, nullptr);
    QLabel* comentario = indirectos->LabelComen(Columna::S);
    EXPECT_TRUE(comentario->text().isEmpty()) << "no comment while broken down";
    Pulsar(1, 2);
    ComoElModelo();
    for (int i : {2, 3, 4}) {
        EXPECT_FALSE(Visible(Etiqueta(Columna::S, CampoDe(Hoja::I, i).etiqueta)));
        EXPECT_TRUE(Visible(Etiqueta(Columna::O, CampoDe(Hoja::I, i).etiqueta)));
    }
    Teclear(S(5), QStringLiteral("6000"), Qt::Key_Return);
    EXPECT_FALSE(comentario->text().isEmpty());
    EXPECT_EQ(comentario->text(),
              doc.pantalla.comentario(Columna::S).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    Pulsar(1, 1);
    EXPECT_TRUE(comentario->text().isEmpty());
    EXPECT_TRUE(Visible(Etiqueta(Columna::S, CampoDe(Hoja::I, 2).etiqueta)));
    ComoElModelo();
}

// A reference with its indirect costs as a total hides its parts' labels and
// shows the comment; a repaint rewrites the share when the costs change.
TEST_F(Hojas, IndirectosDeReferenciaEnTotalYComentarioAlRepintarse)
{
    Abrir(kPortacontenedores);
    auto* indirectos = qobject_cast<FrmCostesIndirectos*>(Mostrar(Hoja::I));
    ASSERT_NE(indirectos, nullptr);
    for (int i : {2, 3, 4})
        EXPECT_FALSE(Visible(Etiqueta(Columna::O, CampoDe(Hoja::I, i).etiqueta)));
    EXPECT_TRUE(indirectos->LabelComen(Columna::O)->text().endsWith(QStringLiteral("de  los  Costes  Directos.")));
    const QString antes = indirectos->LabelComen(Columna::S)->text();
    doc.calculo.Personal.F3(1) = doc.calculo.Personal.F3(1).numero() * 2;
    indirectos->repaint();
    EXPECT_NE(indirectos->LabelComen(Columna::S)->text(), antes);
}

// Tab follows the sheet's order; on F2 the equipment's choice comes between
// its two blocks.
TEST_F(Hojas, OrdenDeTabulacion)
{
    Abrir();
    Mostrar(Hoja::C);
    Enfocar(S(1));
    std::vector<int> recorrido{1};
    for (int k = 0; k < 11; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        auto* caja = qobject_cast<CajaTexto*>(QApplication::focusWidget());
        ASSERT_NE(caja, nullptr);
        recorrido.push_back(caja->indice());
    }
    EXPECT_EQ(recorrido, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 12, 13, 17, 19}));

    Mostrar(Hoja::F2);
    Enfocar(S(11), Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), hoja->Opcion(Columna::S, 13, 1));
}

// Tab commits and shows the derived boxes at once; Return commits too, but
// the box stays in edit with the raw text. Keys go through the filter: the
// keypad's decimal key types the locale's ",".
TEST_F(Hojas, EditarUnaCajaDeLaHojaC)
{
    Abrir();
    Mostrar(Hoja::C);
    Enfocar(S(7)); // the raw value, caret at the start
    EXPECT_EQ(S(7)->cursorPosition(), 0);
    QTest::keyClicks(S(7), QStringLiteral("x-")); // refused with a beep
    EXPECT_EQ(S(7)->text(), QStringLiteral("120000"));

    const QString antes = S(9)->text(), referencia = O(9)->text();
    Teclear(S(7), QStringLiteral("100000"), Qt::Key_Tab);
    EXPECT_EQ(doc.calculo.Personal.C(7).numero(), 100000.0);
    EXPECT_EQ(S(7)->text(), QStringLiteral("100.000"));
    EXPECT_NE(S(9)->text(), antes);
    EXPECT_EQ(S(9)->text(), doc.pantalla.caja(Hoja::C, Columna::S, 9).texto);
    EXPECT_EQ(O(9)->text(), referencia);

    const QString tras = S(9)->text();
    Teclear(S(7), QStringLiteral("200000"), Qt::Key_Return);
    EXPECT_TRUE(S(7)->hasFocus());
    EXPECT_EQ(S(7)->text(), QStringLiteral("200000"));
    EXPECT_NE(S(9)->text(), tras);
    EXPECT_EQ(doc.calculo.ValorAnterior, Valor(200000.0));

    Teclear(S(8), QStringLiteral("50"));
    QTest::keyClick(S(8), Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(S(8), Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(S(8)->text(), QStringLiteral("50,5"));
}

// Every way into the description box checks the text as the file will keep
// it: refused with the message naming what it cannot keep, and a paste
// longer than the box is cut with a message, never silently.
TEST_F(Hojas, ElTextoQueElFicheroNoGuardaNoEntraEnLaCaja)
{
    Abrir();
    Mostrar(Hoja::C);
    QClipboard* portapapeles = QGuiApplication::clipboard();
    Enfocar(S(1));
    S(1)->selectAll();
    portapapeles->setText(QString(100, u'a'));
    QTest::keyClick(S(1), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(S(1)->text(), QString(55, u'a'));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !mensajes.lista.empty(); }));
    EXPECT_TRUE(mensajes.lista.back().texto.contains(u"caben 55 caracteres"_qs));

    QTest::keyClick(S(1), Qt::Key_Tab);
    EXPECT_EQ(doc.calculo.Personal.C(1), Valor(QString(55, u'a')));

    Enfocar(S(1));
    const QString antes = S(1)->text();
    auto enviar = [this](QEvent&& ev) { QApplication::sendEvent(S(1), &ev); };
    const struct {
        const char* via;
        std::function<void()> meter;
        const char* nombrados;
    } casos[] = {
        {"tecla", [&] { enviar(QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, u"Ł"_qs)); }, "«Ł»"},
        {"emoji tecleado", [&] { enviar(QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, u"😀"_qs)); }, "«😀»"},
        {"Ctrl+V",
         [&] {
             portapapeles->setText(u"Transportes Łódź 東京"_qs);
             QTest::keyClick(S(1), Qt::Key_V, Qt::ControlModifier);
         },
         "«Ł», «ź», «東», «京»"},
        {"menú Editar",
         [&] {
             portapapeles->setText(u"Pepe \"el del 2\""_qs);
             ventana->menus()["mnuEditPaste"]->trigger();
         },
         "«\"»"},
        {"método de entrada",
         [&] {
             QInputMethodEvent ev;
             ev.setCommitString(u"東京"_qs);
             enviar(std::move(ev));
         },
         "«東», «京»"},
        {"soltar",
         [&] {
             QMimeData datos;
             datos.setText(u"Łódź"_qs);
             enviar(QDragEnterEvent(QPoint(2, 2), Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier));
             enviar(QDropEvent(QPointF(2, 2), Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier));
         },
         "«Ł», «ź»"},
        {"menú de la caja",
         [&] {
             portapapeles->setText(u"a\tb"_qs);
             enviar(QContextMenuEvent(QContextMenuEvent::Mouse, QPoint(2, 2), S(1)->mapToGlobal(QPoint(2, 2))));
             QMenu* menu = nullptr;
             ASSERT_TRUE(QTest::qWaitFor([&] {
                 for (QWidget* w : QApplication::topLevelWidgets())
                     if (auto* m = qobject_cast<QMenu*>(w); m && m->isVisible())
                         menu = m;
                 return menu != nullptr;
             }));
             const QString pegar = QLineEdit::tr("&Paste");
             for (QAction* a : menu->actions())
                 if (a->text().startsWith(pegar))
                     a->trigger();
             menu->close();
         },
         "«U+0009»"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.via);
        mensajes.lista.clear();
        c.meter();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !mensajes.lista.empty(); }));
        EXPECT_TRUE(mensajes.lista.back().texto.contains(QString::fromUtf8(c.nombrados)))
            << mensajes.lista.back().texto.toStdString();
        EXPECT_EQ(S(1)->text(), antes);
    }
}

} // namespace

// Sheets F3, I and S on the offscreen platform: their layout from the
// catalogue, the indirect costs' switch with its labels and comment, and the
// comment rewritten when the sheet repaints.
#include "ayuda_ventanas.h"

#include "core/catalogo.h"
#include "core/formato.h"
#include "sheets/frm_costes_fijos3.h"
#include "sheets/frm_costes_indirectos.h"
#include "sheets/frm_servicio.h"
#include "sheets/marco_hoja.h"
#include "sheets/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace tarvia;
using namespace tarvia::prueba;

namespace {

// Reference vehicles with groups entered as totals.
constexpr const char* kPortacontenedores = "Portacontenedores"; // insurance and indirect costs as totals

template <class Ventana>
class HojaPersonal : public ::testing::Test {
protected:
    void Abrir(const char* tipo = "Articulado Carga General")
    {
        CargarReferencia(doc, tipo);
        hoja = new Ventana(doc, &ventana);
        ventana.resize(Px(QSize(11600, 17000)));
        hoja->move(Px(180), Px(180));
        ventana.show();
        ventana.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
        hoja->Activar();
    }

    QLineEdit* S(int i) const { return hoja->Caja(Columna::S, i); }
    QLineEdit* O(int i) const { return hoja->Caja(Columna::O, i); }

    void Escribir(int i, const QString& texto) { Teclear(S(i), texto, Qt::Key_Return); }

    void Pulsar(int campo, int boton) { QTest::mouseClick(hoja->Opcion(Columna::S, campo, boton), Qt::LeftButton); }

    // A non-zero personal value as its box shows it.
    QString Texto(tarvia::Hoja h, int i) const
    {
        return FormatearNumero(doc.calculo.Personal[h](i).numeroOCero(), Decimales(h, i), doc.calculo.Local);
    }

    // The label of a column showing `texto`.
    QLabel* Etiqueta(Columna c, const char* texto) const
    {
        for (QWidget* w : hoja->Etiquetas(c))
            if (auto* e = static_cast<QLabel*>(w); e->text() == QString::fromUtf8(texto))
                return e;
        return nullptr;
    }

    Documento doc;
    QWidget ventana;
    Ventana* hoja = nullptr;
};

using HojaF3 = HojaPersonal<FrmCostesFijos3>;
using HojaI = HojaPersonal<FrmCostesIndirectos>;
using HojaS = HojaPersonal<FrmServicio>;

// ---- F3 ----

TEST_F(HojaF3, CadaCampoConSusCajasYAyudas)
{
    Abrir();
    for (const Campo& c : CamposDe(tarvia::Hoja::F3)) {
        SCOPED_TRACE(c.indice);
        if (c.tipo == TipoCampo::Opcion) {
            EXPECT_EQ(S(c.indice), nullptr);
            continue;
        }
        ASSERT_NE(S(c.indice), nullptr);
        ASSERT_NE(O(c.indice), nullptr);
        EXPECT_EQ(S(c.indice)->toolTip(), QString::fromUtf8(c.ayuda));
    }
    // Each option pair in its small frame, which carries the field's help.
    for (int campo : {2, 9, 19}) {
        QRadioButton* desglosado = hoja->Opcion(Columna::S, campo, 1);
        EXPECT_EQ(desglosado->parentWidget()->toolTip(), QString::fromUtf8(CampoDe(tarvia::Hoja::F3, campo).ayuda));
        EXPECT_FALSE(hoja->Opcion(Columna::O, campo, 1)->isEnabled());
    }
}

// ---- I ----

TEST_F(HojaI, TotalOcultaLasPartesYEscribeElComentario)
{
    Abrir();
    QLabel* comentario = hoja->LabelComen(Columna::S);
    EXPECT_TRUE(comentario->text().isEmpty()) << "no comment while broken down";
    const QString estructura = Texto(tarvia::Hoja::I, 2);
    const QString total = S(5)->text();

    Pulsar(1, 2);
    for (int i : {2, 3, 4}) {
        EXPECT_FALSE(S(i)->isVisible());
        EXPECT_FALSE(Etiqueta(Columna::S, CampoDe(tarvia::Hoja::I, i).etiqueta)->isVisible());
        EXPECT_TRUE(Etiqueta(Columna::O, CampoDe(tarvia::Hoja::I, i).etiqueta)->isVisible());
    }
    EXPECT_TRUE(S(5)->isEnabled());
    Escribir(5, QStringLiteral("6000"));
    EXPECT_FALSE(comentario->text().isEmpty());
    EXPECT_EQ(comentario->text(),
              doc.pantalla.comentario(Columna::S).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    Pulsar(1, 1);
    EXPECT_TRUE(comentario->text().isEmpty());
    EXPECT_TRUE(S(2)->isVisible());
    EXPECT_TRUE(Etiqueta(Columna::S, CampoDe(tarvia::Hoja::I, 2).etiqueta)->isVisible());
    EXPECT_EQ(S(2)->text(), estructura);
    EXPECT_EQ(S(5)->text(), total);
    EXPECT_FALSE(S(5)->isEnabled());
}

TEST_F(HojaI, ReferenciaEnTotalYComentarioAlMostrarseYRepintarse)
{
    Abrir(kPortacontenedores);
    for (int i : {2, 3, 4}) {
        EXPECT_FALSE(O(i)->isVisible());
        EXPECT_FALSE(Etiqueta(Columna::O, CampoDe(tarvia::Hoja::I, i).etiqueta)->isVisible());
    }
    EXPECT_TRUE(O(5)->isVisible());
    EXPECT_TRUE(hoja->LabelComen(Columna::O)->text().endsWith(QStringLiteral("de  los  Costes  Directos.")));
    const QString antes = hoja->LabelComen(Columna::S)->text();

    // Dearer direct costs elsewhere: the next repaint rewrites the share.
    doc.calculo.Personal.F3(1) = doc.calculo.Personal.F3(1).numero() * 2;
    hoja->repaint();
    EXPECT_NE(hoja->LabelComen(Columna::S)->text(), antes);
}

// ---- S ----

TEST_F(HojaS, SoloLaColumnaPersonalConSusFilas)
{
    Abrir();
    EXPECT_EQ(hoja->MarcoColumna(Columna::O), nullptr);
    EXPECT_TRUE(hoja->MarcoColumna(Columna::S)->titulo().startsWith(QStringLiteral("Cálculo Personalizado (")));
    EXPECT_EQ(S(1)->text(), Texto(tarvia::Hoja::S, 1));
    // Each result row: its label in a band of its colour, its figures in that colour.
    for (int i : {5, 6, 7}) {
        QLabel* banda = Etiqueta(Columna::S, CampoDe(tarvia::Hoja::S, i).etiqueta);
        ASSERT_NE(banda, nullptr) << i;
        EXPECT_TRUE(banda->autoFillBackground());
        EXPECT_EQ(S(i)->palette().color(QPalette::Disabled, QPalette::Text), banda->palette().color(QPalette::Window));
    }
}

} // namespace

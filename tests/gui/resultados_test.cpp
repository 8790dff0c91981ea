#include "engine/abrir.h"
#include "presentacion/grafico.h"
#include "results/cuadro_tarta.h"
#include "results/disposicion.h"
#include "results/tarta.h"
#include "results/ventana_resultados.h"
#include "sheets/twips.h"

#include <QDir>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tarvia {
namespace {

const QString kArticulado = QStringLiteral(TARVIA_BIN_DIR "/Baremario/Articulado Carga General.brm");

class Cargada : public ::testing::Test {
protected:
    void SetUp() override
    {
        InicializarCalculo(doc.calculo);
        ASSERT_EQ(LeerArchivo(doc, kArticulado), FalloArchivo::Ninguno);
    }
    Documento doc;
};

TEST_F(Cargada, EtiquetasConSuPorcentajeYColor)
{
    VentanaResultados hoja(doc);
    hoja.Activar();
    const Tarta& t = hoja.tarta(Columna::S);
    for (int i = 0; i < kPorciones; ++i) {
        const double p = doc.calculo.Personal.R(campos::R::PorcentajeDe({Hoja::R, kIndicePorcion[i]}).i)
                             .numeroOCero(); // rounded share
        EXPECT_EQ(t.etiquetas[i].texto, FormatearNumero(p, 1, doc.calculo.Local) + u'%') << i;
        EXPECT_EQ(t.etiquetas[i].color, ColorDeTexto(resultados::kColoresMuestras[i], resultados::kFondoPersonal)) << i;
        EXPECT_EQ(hoja.leyenda(i)->palette().color(QPalette::WindowText),
                  ColorDeTexto(resultados::kColoresMuestras[i], resultados::kFondoCostes))
            << i;
    }
    // Colours that already read keep the swatch's colour.
    EXPECT_EQ(hoja.leyenda(0)->palette().color(QPalette::WindowText), resultados::kColoresMuestras[0]);
    EXPECT_EQ(t.etiquetas[0].color, resultados::kColoresMuestras[0]);
}

ColorRgb Rgb(const QColor& c) { return {c.red(), c.green(), c.blue()}; }

// Each legend caption as the screen shows it: the text's own colour is
// there, and it stands out from the colour most of the caption is painted
// with, its background.
TEST_F(Cargada, LeyendaLegibleSobreSuFondo)
{
    VentanaResultados hoja(doc);
    hoja.Activar();
    hoja.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&hoja));
    for (int i = 0; i < kPorciones; ++i) {
        SCOPED_TRACE(resultados::Leyenda(static_cast<size_t>(i)));
        QLabel* l = hoja.leyenda(i);
        const QImage img = hoja.grab(QRect(l->mapTo(&hoja, QPoint(0, 0)), l->size())).toImage();
        QHash<QRgb, int> veces;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                ++veces[img.pixel(x, y) | 0xff000000u];
        const QRgb fondo = std::max_element(veces.keyValueBegin(), veces.keyValueEnd(), [](auto a, auto b) {
                               return a.second < b.second;
                           })->first;
        const QColor texto = l->palette().color(QPalette::WindowText);
        EXPECT_TRUE(veces.contains(texto.rgb() | 0xff000000u)) << "el texto no se pinta con su color";
        EXPECT_GE(RelacionDeContraste(Rgb(texto), Rgb(QColor(fondo))), kContrasteMinimo)
            << qPrintable(texto.name()) << " sobre " << qPrintable(QColor(fondo).name());
    }
}

// What every chart of the sheet must show: no label overlaps another, the
// pie or the picture's edges, and each reads on the picture's background.
void ComprobarTarta(const Tarta& t)
{
    const QRectF area = AreaDelGrafico(t.tamano);
    const Circulo& k = t.circulo;
    for (int i = 0; i < kPorciones; ++i) {
        const EtiquetaTarta& e = t.etiquetas[i];
        EXPECT_EQ(e.visible, t.porciones[i].dibujada()) << i;
        if (!e.visible)
            continue;
        EXPECT_TRUE(area.contains(e.rect)) << qPrintable(e.texto) << " fuera del gráfico";
        const double x = std::clamp(k.cx, e.rect.left(), e.rect.right());
        const double y = std::clamp(k.cy, e.rect.top(), e.rect.bottom());
        EXPECT_GE(std::hypot(x - k.cx, y - k.cy), k.radio) << qPrintable(e.texto) << " sobre la tarta";
        for (int j = i + 1; j < kPorciones; ++j)
            if (t.etiquetas[j].visible) {
                EXPECT_FALSE(e.rect.intersects(t.etiquetas[j].rect))
                    << qPrintable(e.texto) << " pisa " << qPrintable(t.etiquetas[j].texto);
            }
        EXPECT_GE(RelacionDeContraste(Rgb(e.color), Rgb(t.fondo)), kContrasteMinimo) << i;
        if (!e.guia)
            continue;
        for (int j = 0; j < kPorciones; ++j)
            if (j != i && t.etiquetas[j].visible) {
                for (double f = 0; f <= 1; f += 1.0 / 256) {
                    const QPointF punto = e.desde + f * (e.hasta - e.desde);
                    ASSERT_FALSE(t.etiquetas[j].rect.adjusted(1, 1, -1, -1).contains(punto))
                        << "la línea de " << qPrintable(e.texto) << " cruza " << qPrintable(t.etiquetas[j].texto);
                }
            }
    }
}

TEST(TartaLegible, LosVeinteVehiculosDeReferencia)
{
    const QDir carpeta(QStringLiteral(TARVIA_BIN_DIR "/Baremario"));
    const QStringList ficheros = carpeta.entryList({QStringLiteral("*.brm")}, QDir::Files);
    ASSERT_EQ(ficheros.size(), 20);
    for (const QString& f : ficheros) {
        SCOPED_TRACE(qPrintable(f));
        Documento doc;
        InicializarCalculo(doc.calculo);
        ASSERT_EQ(LeerArchivo(doc, carpeta.filePath(f)), FalloArchivo::Ninguno);
        VentanaResultados hoja(doc);
        hoja.Activar();
        for (Columna c : {Columna::S, Columna::O}) {
            const Tarta& t = hoja.tarta(c);
            ComprobarTarta(t);
            EXPECT_GE(
                std::count_if(t.etiquetas.begin(), t.etiquetas.end(), [](const EtiquetaTarta& e) { return e.visible; }),
                8);
        }
    }
}

// Shares no reference vehicle has, laid out with the sheet's own font.
TEST(TartaLegible, RepartosExtremos)
{
    using P = std::array<double, kPorciones>;
    const P casos[] = {
        {0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 98.8},
        {98.8, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1},
        {24.5, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 74.4},
        {49.5, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 49.4},
        {74.5, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 24.4},
        {97, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5},
        {0.7, 4.6, 0, 30, 0, 0.2, 0.3, 64.2},
        {7.7, 7.7, 7.7, 7.7, 7.7, 7.7, 7.7, 7.7, 7.7, 7.7, 7.7, 7.7, 7.6},
        {100},
        {},
    };
    std::array<QColor, kPorciones> colores;
    std::copy(resultados::kColoresMuestras.begin(), resultados::kColoresMuestras.end(), colores.begin());
    const Localizacion loc = Localizacion::Desde(QLocale(QLocale::Spanish, QLocale::Spain));
    for (const P& p : casos)
        for (const QColor& fondo : {resultados::kFondoPersonal, resultados::kFondoReferencia}) {
            SCOPED_TRACE(testing::Message() << "caso " << (&p - casos));
            ComprobarTarta(ComponerTarta(QSizeF(resultados::kTamanoPicture), p, colores, loc, fondo));
        }
}

// A chart box repaints the same pixels as drawing its chart afresh, the
// first time and every time after, also once it is given another chart.
TEST_F(Cargada, TartaRepintadaIgualQueDibujada)
{
    VentanaResultados hoja(doc);
    hoja.Activar();
    auto* cuadro = static_cast<resultados::CuadroTarta*>(hoja.picture(Columna::S));
    const auto dibujada = [&] {
        QImage img(cuadro->size(), QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::magenta);
        QPainter p(&img);
        PintarTarta(p, cuadro->tarta(), PixelesPorTwip());
        return img;
    };
    const auto repintada = [&] {
        QImage img(cuadro->size(), QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::magenta);
        cuadro->render(&img);
        return img;
    };
    EXPECT_EQ(repintada(), dibujada());
    EXPECT_EQ(repintada(), dibujada());
    const QImage antes = repintada();
    Tarta otra = cuadro->tarta();
    std::swap(otra.colores[0], otra.colores[1]);
    cuadro->setTarta(otra);
    EXPECT_NE(repintada(), antes);
    EXPECT_EQ(repintada(), dibujada());
}

TEST(VentanaResultadosVacia, TotalCeroGraficoVacio)
{
    Documento doc;
    InicializarCalculo(doc.calculo);
    VentanaResultados hoja(doc);
    hoja.Activar();
    for (Columna c : {Columna::S, Columna::O}) {
        const Tarta& t = hoja.tarta(c);
        EXPECT_EQ(t.etiquetas[0].texto, QStringLiteral("0,0%"));
        // Nothing but background where the circle would be, at one pixel per 10 twips.
        QImage img(QSize(332, 332), QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        PintarTarta(p, t, 0.1);
        const QColor fondo = c == Columna::S ? resultados::kFondoPersonal : resultados::kFondoReferencia;
        for (double theta = 0; theta < kVueltaGrafico; theta += 1)
            for (double f : {0.0, 0.5, 0.99}) {
                const double d = t.circulo.radio * f;
                const QPoint punto(static_cast<int>(std::lround((t.circulo.cx + d * std::cos(theta)) * 0.1)),
                                   static_cast<int>(std::lround((t.circulo.cy - d * std::sin(theta)) * 0.1)));
                EXPECT_EQ(img.pixelColor(punto), fondo) << theta << ' ' << f;
            }
    }
}

TEST_F(Cargada, LaReferenciaNuncaMuestraLasToneladas)
{
    doc.calculo.Personal.C(20) = 2000000.0;
    doc.calculo.Referencia.C(20) = 2000000.0; // even if the reference had tonnage
    VentanaResultados hoja(doc);
    hoja.Activar();
    hoja.grab();
    for (int i : {53, 54}) {
        EXPECT_TRUE(hoja.valor(Columna::O, i)->isHidden()) << i;
        EXPECT_FALSE(hoja.valor(Columna::S, i)->isHidden()) << i;
    }
    ASSERT_FALSE(hoja.bloqueToneladas().empty());
    for (QWidget* w : hoja.bloqueToneladas())
        EXPECT_TRUE(w->isHidden());
}

// The sheet recomputes when it repaints, without being told, and its own
// mirroring does not keep it repainting.
TEST_F(Cargada, AlRepintarseRecalculaSinBucle)
{
    VentanaResultados hoja(doc);
    hoja.Activar();
    const QString antes = hoja.valor(Columna::S, 19)->text();
    doc.calculo.Personal.F3(1) = doc.calculo.Personal.F3(1).numeroOCero() + 1000;

    int pinturas = 0;
    struct Contador : QObject {
        int& n;
        explicit Contador(int& cuenta) : n(cuenta) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                ++n;
            return false;
        }
    } contador(pinturas);
    hoja.installEventFilter(&contador);
    hoja.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&hoja));
    QCoreApplication::processEvents();
    EXPECT_NE(hoja.valor(Columna::S, 19)->text(), antes);
    EXPECT_EQ(hoja.valor(Columna::S, 3)->text(), doc.pantalla.caja(Hoja::R, Columna::S, 3).texto);
    EXPECT_GE(pinturas, 1);
    // A repaint that asked for another would keep the event queue busy.
    const int tras = pinturas;
    for (int k = 0; k < 5; ++k)
        QCoreApplication::processEvents();
    EXPECT_EQ(pinturas, tras) << "la hoja no debe seguir repintándose sola";
}

TEST_F(Cargada, TeclasDePaginaEnMuestrasYGraficos)
{
    VentanaResultados hoja(doc);
    hoja.show();
    hoja.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&hoja));
    QSignalSpy teclas(&hoja, &VentanaHoja::teclaPagina);
    struct Caso {
        QWidget* control;
        Qt::Key tecla;
        int codigo;
    };
    for (const Caso& c :
         {Caso{hoja.muestra(0), Qt::Key_PageDown, 34}, Caso{hoja.muestra(12), Qt::Key_PageUp, 33},
          Caso{hoja.picture(Columna::S), Qt::Key_PageUp, 33}, Caso{hoja.picture(Columna::O), Qt::Key_PageDown, 34}}) {
        c.control->setFocus();
        QTest::keyClick(c.control, c.tecla);
        ASSERT_EQ(teclas.size(), 1);
        EXPECT_EQ(teclas.takeFirst().at(0).toInt(), c.codigo);
        const VentanaHoja::PosicionCampo pos = hoja.PosicionControlActivo();
        EXPECT_GT(pos.vertical, 180 + resultados::kTopLeyenda);
        EXPECT_GT(pos.alto, 0);
    }
    QTest::keyClick(hoja.muestra(3), Qt::Key_Down); // any other key is not a page
    EXPECT_EQ(teclas.size(), 0);
}

} // namespace
} // namespace tarvia

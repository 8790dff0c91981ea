#include "engine/abrir.h"
#include "engine/grafico.h"
#include "results/disposicion.h"
#include "results/tarta.h"
#include "results/ventana_resultados.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace tarvia {
namespace {

const QString kArticulado = QStringLiteral(TARVIA_BIN_DIR "/Baremario/Articulado Carga General.brm");

// A painted chart, one pixel per 10 twips, to read colours from.
QImage Pintar(const Tarta& t)
{
    QImage img(QSize(332, 332), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    PintarTarta(p, t, 0.1);
    return img;
}

QColor ColorEn(const QImage& img, const Circulo& k, double theta, double fraccion, double escala)
{
    const double d = k.radio * fraccion;
    const int x = static_cast<int>(std::lround((k.cx + d * std::cos(theta)) * escala));
    const int y = static_cast<int>(std::lround((k.cy - d * std::sin(theta)) * escala));
    return img.pixelColor(x, y);
}

class VentanaResultadosTest : public ::testing::Test {
protected:
    void SetUp() override { InicializarCalculo(doc.calculo); }
    Documento doc;
};

TEST_F(VentanaResultadosTest, CapturaDeUnVehiculoDeReferencia)
{
    const QByteArray destino = qgetenv("TARVIA_CAPTURA");
    if (destino.isEmpty())
        GTEST_SKIP() << "TARVIA_CAPTURA=ruta.png para guardar la hoja";
    ASSERT_EQ(LeerArchivo(doc, kArticulado), FalloArchivo::Ninguno);
    VentanaResultados hoja(doc);
    hoja.Activar();
    EXPECT_TRUE(hoja.grab().save(QString::fromLocal8Bit(destino)));
}

} // namespace
} // namespace tarvia

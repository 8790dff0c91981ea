// A label that keeps its drawing must show what a plain label shows, after
// every change that alters it.
#include "sheets/etiqueta_cacheada.h"
#include "sheets/fuentes.h"

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace tarvia {
namespace {

QImage Pintada(QLabel& l)
{
    QImage img(l.size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::magenta);
    l.render(&img);
    return img;
}

// The largest difference of one channel of one pixel. A label with no
// background of its own is drawn over a transparent image and then copied:
// an antialiased edge may round one level apart, never more.
int Diferencia(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 256;
    int mayor = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q), qAlpha(p) - qAlpha(q)})
                mayor = std::max(mayor, std::abs(d));
        }
    return mayor;
}

void Colorear(QLabel& l, QPalette::ColorRole rol, const QColor& color)
{
    QPalette p = l.palette();
    p.setColor(rol, color);
    l.setPalette(p);
}

// The two kinds of label of the results sheet: a caption and a figure in a sunken box.
void ComoRotulo(QLabel& l)
{
    l.setGeometry(0, 0, 180, 16);
    l.setFont(Fuente(true));
}

void ComoValor(QLabel& l)
{
    l.setGeometry(0, 0, 110, 17);
    l.setFont(Fuente(false));
    l.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l.setLineWidth(1);
    l.setMargin(1);
    l.setAutoFillBackground(true);
    Colorear(l, QPalette::Window, QColor(255, 255, 192));
}

TEST(EtiquetaCacheada, PintaLoMismoQueUnaEtiquetaTrasCadaCambio)
{
    const std::pair<const char*, std::function<void(QLabel&)>> formas[] = {{"rótulo", ComoRotulo},
                                                                           {"valor", ComoValor}};
    const std::pair<const char*, std::function<void(QLabel&)>> cambios[] = {
        {"nada", [](QLabel&) {}},
        {"texto", [](QLabel& l) { l.setText(QStringLiteral("1.234.567,89")); }},
        {"color del texto", [](QLabel& l) { Colorear(l, QPalette::WindowText, Qt::red); }},
        {"fondo", [](QLabel& l) { Colorear(l, QPalette::Window, Qt::cyan); }},
        {"fuente", [](QLabel& l) { l.setFont(Fuente(!l.font().bold())); }},
        {"tamaño", [](QLabel& l) { l.resize(l.width() + 13, l.height() + 3); }},
        {"alineación", [](QLabel& l) { l.setAlignment(Qt::AlignHCenter | Qt::AlignVCenter); }},
        {"marco", [](QLabel& l) { l.setFrameStyle(QFrame::Box | QFrame::Plain); }},
        {"desactivada", [](QLabel& l) { l.setEnabled(false); }},
        {"vacía", [](QLabel& l) { l.clear(); }},
    };
    for (const auto& [forma, preparar] : formas) {
        QLabel normal(QStringLiteral("158.060,36"));
        EtiquetaCacheada cacheada(QStringLiteral("158.060,36"));
        preparar(normal);
        preparar(cacheada);
        ASSERT_LE(Diferencia(Pintada(cacheada), Pintada(normal)), 1) << forma;
        for (const auto& [cambio, cambiar] : cambios) {
            cambiar(normal);
            cambiar(cacheada);
            EXPECT_LE(Diferencia(Pintada(cacheada), Pintada(normal)), 1) << forma << ", tras cambiar: " << cambio;
            EXPECT_LE(Diferencia(Pintada(cacheada), Pintada(normal)), 1) << forma << ", repintada tras: " << cambio;
        }
    }
}

} // namespace
} // namespace tarvia

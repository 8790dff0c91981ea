#include "sheets/marco_hoja.h"

#include <QPaintEngine>
#include <QPainter>

namespace tarvia {

MarcoHoja::MarcoHoja(QWidget* padre) : QWidget(padre), fondo_(Qt::lightGray) {}

MarcoHoja::MarcoHoja(const QString& titulo, const QColor& fondo, QWidget* padre)
    : QWidget(padre), titulo_(titulo), fondo_(fondo)
{
}

void MarcoHoja::FijarColorTitulo(const QColor& color)
{
    colorTitulo_ = color;
    update();
}

void MarcoHoja::FijarTitulo(const QString& titulo)
{
    if (titulo == titulo_)
        return;
    titulo_ = titulo;
    update();
}

void MarcoHoja::FijarFondo(const QColor& color)
{
    if (color == fondo_)
        return;
    fondo_ = color;
    update();
}

namespace {

// The outline drawRect(r) draws with a one-pixel pen, on screen: four filled
// strips give the same pixels without stroking the outline pixel by pixel.
// Scaled or printed, and for empty rectangles, drawRect itself.
void Contorno(QPainter& p, const QRect& r, const QColor& color)
{
    const bool pantalla =
        p.paintEngine()->type() == QPaintEngine::Raster && p.transform().type() <= QTransform::TxTranslate;
    if (!pantalla || !r.isValid()) {
        p.setPen(color);
        p.drawRect(r);
        return;
    }
    p.fillRect(QRect(r.left(), r.top(), r.width() + 1, 1), color);
    p.fillRect(QRect(r.left(), r.bottom() + 1, r.width() + 1, 1), color);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height() + 1), color);
    p.fillRect(QRect(r.right() + 1, r.top(), 1, r.height() + 1), color);
}

} // namespace

void MarcoHoja::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), fondo_);
    const QFontMetrics fm(font());
    const int y = fm.height() / 2;
    // Etched border: a dark line with a light one beside it.
    const QRect borde = rect().adjusted(0, y, -2, -2);
    Contorno(p, borde, fondo_.darker(160));
    Contorno(p, borde.translated(1, 1), fondo_.lighter(150));
    if (titulo_.isEmpty())
        return;
    const int x = 8;
    const QRect caja(x - 2, 0, fm.horizontalAdvance(titulo_) + 4, fm.height());
    p.fillRect(caja, fondo_);
    p.setPen(colorTitulo_.isValid() ? colorTitulo_ : palette().color(QPalette::WindowText));
    p.drawText(caja, Qt::AlignCenter, titulo_);
}

} // namespace tarvia

#include "sheets/marco_hoja.h"

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

void MarcoHoja::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), fondo_);
    const QFontMetrics fm(font());
    const int y = fm.height() / 2;
    // Etched border: a dark line with a light one beside it.
    const QRect borde = rect().adjusted(0, y, -2, -2);
    p.setPen(fondo_.darker(160));
    p.drawRect(borde);
    p.setPen(fondo_.lighter(150));
    p.drawRect(borde.translated(1, 1));
    if (titulo_.isEmpty())
        return;
    const int x = 8;
    const QRect caja(x - 2, 0, fm.horizontalAdvance(titulo_) + 4, fm.height());
    p.fillRect(caja, fondo_);
    p.setPen(colorTitulo_.isValid() ? colorTitulo_ : palette().color(QPalette::WindowText));
    p.drawText(caja, Qt::AlignCenter, titulo_);
}

} // namespace tarvia

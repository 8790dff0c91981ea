#include "results/marco.h"

#include <QPainter>

namespace tarvia::resultados {

Marco::Marco(const QString& titulo, const QColor& fondo, QWidget* padre)
    : QWidget(padre), titulo_(titulo), fondo_(fondo)
{
}

void Marco::setTitulo(const QString& titulo)
{
    if (titulo == titulo_)
        return;
    titulo_ = titulo;
    update();
}

void Marco::setFondo(const QColor& fondo)
{
    if (fondo == fondo_)
        return;
    fondo_ = fondo;
    update();
}

void Marco::setColorTitulo(const QColor& color)
{
    colorTitulo_ = color;
    update();
}

void Marco::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), fondo_);
    const QFontMetrics fm(font());
    const int linea = fm.height() / 2;
    const QRect borde = rect().adjusted(0, linea, -1, -1);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(borde);
    p.setPen(Qt::white);
    p.drawRect(borde.adjusted(1, 1, 1, 1));
    if (titulo_.isEmpty())
        return;
    const QRect texto(8, 0, fm.horizontalAdvance(titulo_) + 6, fm.height());
    p.fillRect(texto, fondo_);
    p.setPen(colorTitulo_);
    p.drawText(texto, Qt::AlignCenter, titulo_);
}

} // namespace tarvia::resultados

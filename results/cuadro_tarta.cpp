#include "results/cuadro_tarta.h"

#include "sheets/twips.h"

#include <QPainter>

namespace tarvia::resultados {

CuadroTarta::CuadroTarta(QWidget* padre) : QWidget(padre)
{
    // It paints every pixel: nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void CuadroTarta::setTarta(const Tarta& tarta)
{
    if (tarta == tarta_)
        return;
    tarta_ = tarta;
    update();
}

void CuadroTarta::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    PintarTarta(p, tarta_, PixelesPorTwip());
}

} // namespace tarvia::resultados

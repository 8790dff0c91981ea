#include "results/cuadro_tarta.h"

#include "sheets/twips.h"

#include <QPaintEngine>
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
    pintada_ = QImage();
    update();
}

// Every repaint of the results sheet repaints both charts: on screen the
// antialiased chart is drawn once into an image and then copied. Scaled or
// printed, it is drawn as it is.
void CuadroTarta::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const double escala = PixelesPorTwip();
    const bool pantalla = p.paintEngine()->type() == QPaintEngine::Raster &&
                          p.transform().type() <= QTransform::TxTranslate && devicePixelRatio() == 1;
    if (!pantalla) {
        PintarTarta(p, tarta_, escala);
        return;
    }
    if (pintada_.size() != size() || escalaPintada_ != escala) {
        pintada_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        pintada_.fill(Qt::transparent);
        QPainter q(&pintada_);
        PintarTarta(q, tarta_, escala);
        escalaPintada_ = escala;
    }
    p.drawImage(0, 0, pintada_);
}

} // namespace tarvia::resultados

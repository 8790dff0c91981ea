#pragma once
// The picture box of a column's pie chart: paints the chart it was given.
#include "results/tarta.h"

#include <QImage>
#include <QWidget>

namespace tarvia::resultados {

class CuadroTarta : public QWidget {
public:
    explicit CuadroTarta(QWidget* padre);

    // Repaints only when the chart changed, so mirroring inside a repaint
    // does not ask for another one.
    void setTarta(const Tarta& tarta);
    const Tarta& tarta() const { return tarta_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Tarta tarta_;
    // The chart as last painted on screen, repainted only when it changes.
    QImage pintada_;
    double escalaPintada_ = 0;
};

} // namespace tarvia::resultados

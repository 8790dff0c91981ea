#pragma once
// A captioned frame as the sheets draw them: a thin etched border whose
// caption interrupts the top line, over a plain background.
#include <QColor>
#include <QWidget>

namespace tarvia::resultados {

class Marco : public QWidget {
public:
    Marco(const QString& titulo, const QColor& fondo, QWidget* padre);

    void setTitulo(const QString& titulo);
    QString titulo() const { return titulo_; }
    void setFondo(const QColor& fondo);
    QColor fondo() const { return fondo_; }
    void setColorTitulo(const QColor& color);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString titulo_;
    QColor fondo_;
    QColor colorTitulo_ = Qt::black;
};

} // namespace tarvia::resultados

#pragma once
// A label that draws its frame and text once into an image and copies that
// image on later repaints: shaping the text of some two hundred labels was
// most of the cost of repainting the results sheet. The image is redrawn when
// the text, size, font, palette, style or pixel ratio change. Over a
// label with no background of its own, an antialiased edge may come out one
// level of 255 apart from a direct drawing.
#include <QImage>
#include <QLabel>

namespace tarvia {

class EtiquetaCacheada final : public QLabel {
public:
    explicit EtiquetaCacheada(const QString& texto, QWidget* padre = nullptr);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    // What the image was drawn with, besides what changeEvent reports.
    struct Dibujo {
        QString texto;
        QSize tamano;
        qreal escala = 0;
        Qt::Alignment alineacion;
        int marco = 0, margen = 0, sangria = 0;
        bool operator==(const Dibujo&) const = default;
    };
    Dibujo DibujoActual() const;
    // A plain label, set up as this one, draws the image: a widget cannot
    // render itself from inside its own paint event.
    QLabel& Modelo() const;

    QImage imagen_;
    Dibujo dibujo_;
};

} // namespace tarvia

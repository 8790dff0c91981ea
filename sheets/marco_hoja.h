#pragma once
// A frame as the sheets draw it: a filled background, an etched border and
// its caption cut into the top edge.
#include <QColor>
#include <QWidget>

namespace tarvia {

class MarcoHoja : public QWidget {
    Q_OBJECT
public:
    explicit MarcoHoja(QWidget* padre = nullptr);
    MarcoHoja(const QString& titulo, const QColor& fondo, QWidget* padre);

    void FijarTitulo(const QString& titulo);
    const QString& titulo() const { return titulo_; }
    void FijarFondo(const QColor& color);
    QColor fondo() const { return fondo_; }
    // The caption's colour; by default the palette's text colour.
    void FijarColorTitulo(const QColor& color);

protected:
    void paintEvent(QPaintEvent* ev) override;

private:
    QString titulo_;
    QColor fondo_;
    QColor colorTitulo_;
};

} // namespace tarvia

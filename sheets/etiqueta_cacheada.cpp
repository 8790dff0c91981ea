#include "sheets/etiqueta_cacheada.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>

namespace tarvia {

EtiquetaCacheada::EtiquetaCacheada(const QString& texto, QWidget* padre) : QLabel(texto, padre) {}

namespace {
QLabel* modelo = nullptr;
} // namespace

EtiquetaCacheada::Dibujo EtiquetaCacheada::DibujoActual() const
{
    const qreal escala = devicePixelRatioF();
    return {text(), size() * escala, escala, alignment(), frameStyle(), margin(), indent()};
}

QLabel& EtiquetaCacheada::Modelo() const
{
    // One for every label, never shown, gone with the application.
    if (!modelo) {
        modelo = new QLabel;
        modelo->setAttribute(Qt::WA_DontShowOnScreen);
        qAddPostRoutine([] {
            delete modelo;
            modelo = nullptr;
        });
    }
    QLabel& m = *modelo;
    // The colours of the group this label paints with now, whatever the
    // model's own state (it is never the active window).
    QPalette colores = palette();
    const QPalette::ColorGroup grupo =
        !isEnabled() ? QPalette::Disabled : (isActiveWindow() ? QPalette::Active : QPalette::Inactive);
    for (int rol = 0; rol < QPalette::NColorRoles; ++rol) {
        const auto r = static_cast<QPalette::ColorRole>(rol);
        colores.setBrush(QPalette::Inactive, r, colores.brush(grupo, r));
    }
    m.setEnabled(isEnabled());
    m.setPalette(colores);
    m.setFont(font());
    m.setLayoutDirection(layoutDirection());
    m.setFrameStyle(frameStyle());
    m.setLineWidth(lineWidth());
    m.setMidLineWidth(midLineWidth());
    m.setMargin(margin());
    m.setIndent(indent());
    m.setAlignment(alignment());
    m.setWordWrap(wordWrap());
    m.setTextFormat(textFormat());
    m.setAutoFillBackground(autoFillBackground());
    m.setForegroundRole(foregroundRole());
    m.setBackgroundRole(backgroundRole());
    m.setText(text());
    m.resize(size());
    return m;
}

void EtiquetaCacheada::paintEvent(QPaintEvent*)
{
    const Dibujo actual = DibujoActual();
    if (imagen_.isNull() || !(dibujo_ == actual)) {
        QImage nueva(actual.tamano, QImage::Format_ARGB32_Premultiplied);
        nueva.setDevicePixelRatio(actual.escala);
        // The widget's own resolution, so that a font in points has the size it has on screen.
        nueva.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
        nueva.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
        nueva.fill(Qt::transparent);
        Modelo().render(&nueva, QPoint(), QRegion(), QWidget::RenderFlags());
        imagen_ = std::move(nueva);
        dibujo_ = actual;
    }
    QPainter pintor(this);
    pintor.drawImage(QPoint(0, 0), imagen_);
}

void EtiquetaCacheada::changeEvent(QEvent* evento)
{
    switch (evento->type()) {
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
    case QEvent::EnabledChange:
    case QEvent::ActivationChange:
    case QEvent::LayoutDirectionChange: imagen_ = QImage(); break;
    default: break;
    }
    QLabel::changeEvent(evento);
}

} // namespace tarvia

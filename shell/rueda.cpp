#include "shell/rueda.h"

#include <QWheelEvent>
#include <QWidget>

namespace tarvia {

FiltroRueda::FiltroRueda(QWidget& ventana, std::function<void(bool)> mover, QObject* padre)
    : QObject(padre), ventana_(ventana), mover_(std::move(mover))
{
}

void FiltroRueda::Instalar(QWidget* hoja)
{
    Quitar();
    hoja_ = hoja;
    if (!hoja)
        return;
    hoja->installEventFilter(this);
    for (QWidget* w : hoja->findChildren<QWidget*>())
        w->installEventFilter(this);
}

void FiltroRueda::Quitar()
{
    if (!hoja_)
        return;
    hoja_->removeEventFilter(this);
    for (QWidget* w : hoja_->findChildren<QWidget*>())
        w->removeEventFilter(this);
    hoja_.clear();
}

bool FiltroRueda::eventFilter(QObject* objeto, QEvent* ev)
{
    if (ev->type() != QEvent::Wheel)
        return QObject::eventFilter(objeto, ev);
    const auto* rueda = static_cast<QWheelEvent*>(ev);
    const int delta = rueda->angleDelta().y();
    if (delta == 0)
        return false; // the wheel never scrolls sideways
    // Bounds inclusive, in screen coordinates (negative left of the primary screen).
    const QRect marco = ventana_.frameGeometry();
    const QPoint p = rueda->globalPosition().toPoint();
    if (p.x() < marco.left() || p.x() > marco.right() + 1 || p.y() < marco.top() || p.y() > marco.bottom() + 1)
        return false; // passed on, not scrolled
    mover_(delta > 0);
    // Handled once at the innermost control: its parents must not scroll again.
    return true;
}

} // namespace tarvia

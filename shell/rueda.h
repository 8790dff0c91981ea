#pragma once
// Delivers the mouse wheel over the shown sheet to the main window: one
// notch scrolls one small change, only while the pointer is over the window.
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace tarvia {

class FiltroRueda : public QObject {
    Q_OBJECT
public:
    // `ventana` is the main window; `mover(alejando)` scrolls one notch.
    FiltroRueda(QWidget& ventana, std::function<void(bool alejando)> mover, QObject* padre = nullptr);

    // On the sheet and every control on it; exactly one sheet at a time.
    void Instalar(QWidget* hoja);
    void Quitar();
    QWidget* Hoja() const { return hoja_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* ev) override;

private:
    QWidget& ventana_;
    std::function<void(bool)> mover_;
    QPointer<QWidget> hoja_;
};

} // namespace tarvia

#pragma once
// Whether to save the changes before closing the calculation or the program.
#include <QDialog>
#include <functional>

namespace tarvia {

class FrmPreguntaGrabar : public QDialog {
    Q_OBJECT
public:
    // `grabar` runs on "Sí" after the window has closed (GrabarCalculo) and
    // tells whether the calculation was saved.
    FrmPreguntaGrabar(const QString& titulo, std::function<bool()> grabar, QWidget* dueno = nullptr);

    // True: the pending close or exit must not go on.
    bool Cancelado() const { return cancelado_; }

protected:
    // Enter presses the button that has the focus, as Space does.
    void keyPressEvent(QKeyEvent* ev) override;

private:
    void Si();
    void No();

    std::function<bool()> grabar_;
    bool cancelado_ = true; // the close box counts as "Cancelar"
};

} // namespace tarvia

#pragma once
// Whether to save the changes before closing the calculation or the program.
#include <QDialog>
#include <functional>

namespace tarvia {

class FrmPreguntaGrabar : public QDialog {
    Q_OBJECT
public:
    // `grabar` runs on "Si" after the window has closed (GrabarCalculo).
    FrmPreguntaGrabar(const QString& titulo, std::function<void()> grabar, QWidget* dueno = nullptr);

    // True: the pending close or exit must not go on.
    bool Cancelado() const { return cancelado_; }

private:
    void Si();
    void No();

    std::function<void()> grabar_;
    bool cancelado_ = true; // the close box counts as "Cancelar"
};

} // namespace tarvia

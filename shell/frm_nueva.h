#pragma once
// The start dialog: a new calculation or one saved before.
#include <QDialog>

class QRadioButton;

namespace tarvia {

class FrmNueva : public QDialog {
    Q_OBJECT
public:
    explicit FrmNueva(QWidget* dueno = nullptr);

    QRadioButton* opbNueva() const { return nueva_; }
    QRadioButton* opbGrabada() const { return grabada_; }

signals:
    void abierta();        // shown: the calculation menus go off
    void cerrada();        // closed, whatever the way: back to the no-calculation menus
    void nuevoCalculo();   // "Aceptar" with "Nuevo Cálculo"
    void calculoGrabado(); // "Aceptar" with "Cálculo previamente grabado"

protected:
    void showEvent(QShowEvent* ev) override;
    void closeEvent(QCloseEvent* ev) override;
    void done(int resultado) override;

private:
    void Aceptar();

    QRadioButton* nueva_;
    QRadioButton* grabada_;
    bool avisada_ = false;
};

// Centres a dialog over the main window; a left or top below 1 becomes 50 twips.
void CentrarSobre(QWidget& ventana, const QWidget* principal);

} // namespace tarvia

#pragma once
// The program's message window and MostrarMensaje, through which every window
// reports to the user.
#include <QDialog>
#include <functional>

class QLabel;

namespace tarvia {

class FrmMensaje : public QDialog {
    Q_OBJECT
public:
    FrmMensaje(const QString& texto, const QString& titulo, QWidget* dueno = nullptr);

    QLabel* picInformacion() const { return informacion_; }
    QLabel* picAlarma() const { return alarma_; }
    QLabel* lblMensaje() const { return mensaje_; }

private:
    QLabel* informacion_;
    QLabel* alarma_;
    QLabel* mensaje_;
};

// Shows the message modally over the main window; returns on "Aceptar".
void MostrarMensaje(const QString& texto, const QString& titulo);

// The window that owns the message windows (the main window).
void FijarDuenoMensajes(QWidget* dueno);

// Where messages go instead of the window (tests); empty restores the window.
using ReceptorMensajes = std::function<void(const QString& texto, const QString& titulo)>;
void FijarReceptorMensajes(ReceptorMensajes receptor);

} // namespace tarvia

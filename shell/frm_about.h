#pragma once
// The about box ("Acerca de ..." of the menu "Ayuda").
#include "shell/ayuda.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tarvia {

// "Versión " + major.minor.revision of this build.
QString TextoVersion();
// The application's long description: the splash and the about box show the same.
QString DescripcionAplicacion();

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    // `avisar` shows the author credit (the main window passes MostrarMensaje).
    explicit FrmAbout(AvisoAyuda avisar, QWidget* dueno = nullptr);

    QLabel* picIcono() const { return icono_; }
    QLabel* lblTitulo() const { return titulo_; }
    QLabel* lblVersion() const { return version_; }
    QLabel* lblDescripcion() const { return descripcion_; }
    QLabel* lblAdvertencia() const { return advertencia_; }
    QPushButton* cmbAceptar() const { return aceptar_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    AvisoAyuda avisar_;
    QLabel* icono_;
    QLabel* titulo_;
    QLabel* version_;
    QLabel* descripcion_;
    QLabel* advertencia_;
    QPushButton* aceptar_;
};

// Shows the box modally over the main window.
void MostrarAcercaDe(QWidget* principal, const AvisoAyuda& avisar);

} // namespace tarvia

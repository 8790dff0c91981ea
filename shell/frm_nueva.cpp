#include "shell/frm_nueva.h"

#include "sheets/twips.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>

namespace tarvia {

void CentrarSobre(QWidget& ventana, const QWidget* principal)
{
    if (!principal)
        return;
    const QRect g = principal->geometry();
    int izquierda = (g.width() - ventana.width()) / 2;
    int arriba = (g.height() - ventana.height()) / 2;
    if (izquierda < 1)
        izquierda = Px(50);
    if (arriba < 1)
        arriba = Px(50);
    QPoint donde(g.left() + izquierda, g.top() + arriba);
    // A window larger than the main one must still fall inside the screen,
    // frame included: the main window's frame tells how wide it is.
    if (const QScreen* pantalla = principal->screen()) {
        const QRect libre = pantalla->availableGeometry();
        const QRect marco = principal->frameGeometry(), dentro = principal->geometry();
        const int izquierdo = dentro.left() - marco.left(), superior = dentro.top() - marco.top();
        const int derecho = marco.right() - dentro.right(), inferior = marco.bottom() - dentro.bottom();
        donde.setX(
            std::max(libre.left() + izquierdo, std::min(donde.x(), libre.right() - derecho - ventana.width() + 1)));
        donde.setY(
            std::max(libre.top() + superior, std::min(donde.y(), libre.bottom() - inferior - ventana.height() + 1)));
    }
    ventana.move(donde);
}

FrmNueva::FrmNueva(QWidget* dueno) : QDialog(dueno)
{
    setObjectName(QStringLiteral("frmNueva"));
    setWindowTitle(QStringLiteral("Tipo de Cálculo"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* marco = new QGroupBox(this);
    marco->setObjectName(QStringLiteral("Frame1"));
    marco->setGeometry(Px(QRect(240, 180, 4095, 1215)));
    nueva_ = new QRadioButton(QStringLiteral("Nuevo Cálculo"), marco);
    nueva_->setObjectName(QStringLiteral("opbNueva"));
    nueva_->setGeometry(Px(QRect(360, 240, 3480, 315)));
    nueva_->setChecked(true);
    grabada_ = new QRadioButton(QStringLiteral("Cálculo previamente grabado"), marco);
    grabada_->setObjectName(QStringLiteral("opbGrabada"));
    grabada_->setGeometry(Px(QRect(360, 660, 3480, 315)));

    auto* aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    aceptar->setObjectName(QStringLiteral("OKButton"));
    aceptar->setDefault(true);
    aceptar->setGeometry(Px(QRect(840, 1620, 1215, 375)));
    connect(aceptar, &QPushButton::clicked, this, &FrmNueva::Aceptar);
    auto* cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    cancelar->setObjectName(QStringLiteral("CancelButton"));
    cancelar->setGeometry(Px(QRect(2520, 1620, 1215, 375)));
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(Px(QSize(4575, 2220)));
}

void FrmNueva::showEvent(QShowEvent* ev)
{
    QDialog::showEvent(ev);
    emit abierta();
}

void FrmNueva::Aceptar()
{
    const bool nueva = nueva_->isChecked();
    accept(); // closes first, then the chosen road
    if (nueva)
        emit nuevoCalculo();
    else
        emit calculoGrabado();
}

void FrmNueva::done(int resultado)
{
    if (!avisada_) {
        avisada_ = true;
        emit cerrada();
    }
    QDialog::done(resultado);
}

void FrmNueva::closeEvent(QCloseEvent* ev)
{
    if (!avisada_) {
        avisada_ = true;
        emit cerrada();
    }
    QDialog::closeEvent(ev);
}

} // namespace tarvia

#include "shell/frm_pregunta_grabar.h"

#include "sheets/twips.h"
#include "shell/dibujos.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace tarvia {

FrmPreguntaGrabar::FrmPreguntaGrabar(const QString& titulo, std::function<bool()> grabar, QWidget* dueno)
    : QDialog(dueno), grabar_(std::move(grabar))
{
    setObjectName(QStringLiteral("frmPreguntaGrabar"));
    setWindowTitle(titulo);

    auto* icono = new QLabel(this);
    icono->setObjectName(QStringLiteral("picPregunta"));
    icono->setPixmap(DibujoIcono(Icono::Pregunta, Px(480)));
    icono->setGeometry(Px(QRect(240, 360, 480, 480)));

    auto* marco = new QFrame(this);
    marco->setFrameShape(QFrame::StyledPanel);
    marco->setGeometry(Px(QRect(960, 120, 3960, 1080)));
    auto* mensaje =
        new QLabel(QStringLiteral("Se han modificado los datos.\n\n¿Desea guardar los cambios realizados?"), marco);
    mensaje->setObjectName(QStringLiteral("lblMensaje"));
    mensaje->setWordWrap(true);
    mensaje->setGeometry(Px(QRect(120, 60, 3720, 960)));

    struct Boton {
        const char* nombre;
        const char* texto;
        int izquierda;
    };
    const Boton botones[] = {{"cmbSi", "Sí", 960}, {"cmbNo", "No", 2340}, {"cmbCancelar", "Cancelar", 3720}};
    for (const Boton& b : botones) {
        auto* boton = new QPushButton(QString::fromUtf8(b.texto), this);
        boton->setObjectName(QString::fromUtf8(b.nombre));
        boton->setAutoDefault(false);
        boton->setGeometry(Px(QRect(b.izquierda, 1380, 1200, 435)));
        if (QLatin1String(b.nombre) == QLatin1String("cmbSi"))
            connect(boton, &QPushButton::clicked, this, &FrmPreguntaGrabar::Si);
        else if (QLatin1String(b.nombre) == QLatin1String("cmbNo"))
            connect(boton, &QPushButton::clicked, this, &FrmPreguntaGrabar::No);
        else
            connect(boton, &QPushButton::clicked, this, &QDialog::reject); // Esc does the same
    }
    setFixedSize(Px(QSize(5160, 2040)));
}

void FrmPreguntaGrabar::Si()
{
    accept();
    // A save that did not complete (its dialog cancelled, the write refused)
    // keeps the calculation open with its changes: nothing is lost.
    cancelado_ = grabar_ && !grabar_();
}

void FrmPreguntaGrabar::keyPressEvent(QKeyEvent* ev)
{
    if (ev->key() == Qt::Key_Return || ev->key() == Qt::Key_Enter) {
        if (auto* boton = qobject_cast<QPushButton*>(focusWidget())) {
            boton->click();
            return;
        }
    }
    QDialog::keyPressEvent(ev);
}

void FrmPreguntaGrabar::No()
{
    cancelado_ = false;
    accept();
}

} // namespace tarvia

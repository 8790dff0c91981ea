#include "shell/frm_mensaje.h"

#include "sheets/twips.h"
#include "shell/dibujos.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

namespace tarvia {

namespace {

QPointer<QWidget>& Dueno()
{
    static QPointer<QWidget> dueno;
    return dueno;
}

ReceptorMensajes& Receptor()
{
    static ReceptorMensajes receptor;
    return receptor;
}

// Design (twips): two icons side by side over the message frame.
constexpr int kAncho = 5400;
constexpr int kIcono = 480;
constexpr int kIzquierdaInformacion = 1700, kIzquierdaAlarma = 2700, kIzquierdaSola = 2200;
// The tallest text shown whole: with the icons and the button the window still
// fits a 728-pixel work area; a longer text scrolls inside its frame.
constexpr int kAltoMaximoTexto = 7500;

} // namespace

FrmMensaje::FrmMensaje(const QString& texto, const QString& titulo, QWidget* dueno) : QDialog(dueno)
{
    setObjectName(QStringLiteral("frmMensaje"));
    setWindowTitle(QStringLiteral("Título"));
    informacion_ = new QLabel(this);
    informacion_->setObjectName(QStringLiteral("picInformacion"));
    informacion_->setPixmap(DibujoIcono(Icono::Informacion, Px(kIcono)));
    informacion_->setGeometry(Px(QRect(kIzquierdaInformacion, 120, kIcono, kIcono)));
    alarma_ = new QLabel(this);
    alarma_->setObjectName(QStringLiteral("picAlarma"));
    alarma_->setPixmap(DibujoIcono(Icono::Alarma, Px(kIcono)));
    alarma_->setGeometry(Px(QRect(kIzquierdaAlarma, 120, kIcono, kIcono)));

    if (!titulo.isEmpty()) {
        setWindowTitle(titulo);
        if (titulo == QLatin1String("Error")) {
            informacion_->hide();
            alarma_->move(Px(kIzquierdaSola), alarma_->y());
        } else if (titulo == QLatin1String("Autor") || titulo == QLatin1String("Grabar")) {
            alarma_->hide();
            informacion_->move(Px(kIzquierdaSola), informacion_->y());
        } else {
            informacion_->hide();
            alarma_->hide();
        }
    }

    auto* marco = new QFrame(this);
    marco->setFrameShape(QFrame::StyledPanel);
    marco->setFrameShadow(QFrame::Sunken);
    mensaje_ = new QLabel(marco);
    mensaje_->setObjectName(QStringLiteral("lblMensaje"));
    mensaje_->setWordWrap(true);
    mensaje_->setAlignment(Qt::AlignCenter);
    QString lineas = texto;
    lineas.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    mensaje_->setText(lineas);
    const int anchoTexto = Px(kAncho - 480);
    mensaje_->setFixedWidth(anchoTexto);
    int altoTexto = std::max(mensaje_->heightForWidth(anchoTexto), Px(600));
    if (altoTexto <= Px(kAltoMaximoTexto)) {
        mensaje_->setGeometry(Px(120), Px(120), anchoTexto, altoTexto);
    } else {
        auto* desplazable = new QScrollArea(marco);
        desplazable->setObjectName(QStringLiteral("MensajeDesplazable"));
        desplazable->setFrameShape(QFrame::NoFrame);
        desplazable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        desplazable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        // The area gives the text the width beside the bar, and the height
        // that width takes in the font the text is drawn in.
        mensaje_->setMinimumWidth(1); // an unbreakable word is cut, as above, not scrolled
        mensaje_->setMaximumWidth(QWIDGETSIZE_MAX);
        desplazable->setWidgetResizable(true);
        desplazable->setWidget(mensaje_);
        altoTexto = Px(kAltoMaximoTexto);
        desplazable->setGeometry(Px(120), Px(120), anchoTexto, altoTexto);
    }
    marco->setGeometry(Px(120), Px(720), anchoTexto + Px(240), altoTexto + Px(240));

    auto* aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    aceptar->setObjectName(QStringLiteral("cmbAceptar"));
    aceptar->setDefault(true); // Enter presses it; Esc rejects, which also closes
    const int yBoton = marco->geometry().bottom() + Px(180);
    aceptar->setGeometry((Px(kAncho) - Px(1155)) / 2, yBoton, Px(1155), Px(435));
    connect(aceptar, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(Px(kAncho), yBoton + Px(435) + Px(180));
}

void MostrarMensaje(const QString& texto, const QString& titulo)
{
    if (Receptor()) {
        Receptor()(texto, titulo);
        return;
    }
    FrmMensaje ventana(texto, titulo, Dueno());
    ventana.exec();
}

void FijarDuenoMensajes(QWidget* dueno) { Dueno() = dueno; }

void FijarReceptorMensajes(ReceptorMensajes receptor) { Receptor() = std::move(receptor); }

} // namespace tarvia

#include "shell/frm_splash.h"
#include "sheets/fuentes.h"

#include "core/version.h"

#include "sheets/marco_hoja.h"
#include "sheets/twips.h"
#include "shell/dibujos.h"
#include "shell/frm_about.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>

namespace tarvia {

namespace {

constexpr int kIntervalo = 10000; // ms

QLabel* Etiqueta(const QString& texto, const QRect& twips, const QFont& fuente, QWidget* padre)
{
    auto* l = new QLabel(texto, padre);
    l->setFont(fuente);
    l->setGeometry(Px(twips));
    l->setWordWrap(true);
    return l;
}

} // namespace

QString FrmSplash::TextoVersion()
{
    return QStringLiteral("Versión %1.%2.%3")
        .arg(TARVIA_VERSION_MAJOR)
        .arg(TARVIA_VERSION_MINOR)
        .arg(TARVIA_VERSION_PATCH);
}

FrmSplash::FrmSplash(QWidget* padre) : QDialog(padre, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("TARVIA"));
    auto* marco = new QFrame(this);
    marco->setObjectName(QStringLiteral("Frame1"));
    marco->setFrameShape(QFrame::Box);
    marco->setGeometry(Px(QRect(240, 120, 5445, 3975)));

    auto* escudo = new QLabel(marco);
    escudo->setObjectName(QStringLiteral("picEscudo"));
    escudo->setPixmap(DibujoEscudo(Px(1200)));
    escudo->setGeometry(Px(QRect(240, 240, 1200, 1440)));
    auto* logo = new QLabel(marco);
    logo->setObjectName(QStringLiteral("picLogo"));
    logo->setPixmap(DibujoLogo(Px(1080), Px(720)));
    logo->setGeometry(Px(QRect(240, 2880, 1080, 720)));

    for (int y : {2280, 3660}) {
        auto* linea = new QFrame(marco);
        linea->setFrameShape(QFrame::HLine);
        linea->setFrameShadow(QFrame::Sunken);
        linea->setGeometry(Px(QRect(240, y, 4965, 30)));
    }

    auto* nombre = Etiqueta(QStringLiteral("TARVIA"), {2760, 360, 2100, 465},
                            Fuente({QStringLiteral("Times New Roman")}, 20.25, true), marco);
    nombre->setObjectName(QStringLiteral("lblProductName"));
    version_ = Etiqueta(TextoVersion(), {2760, 960, 1800, 240}, Fuente({QStringLiteral("Arial")}, 9.75, true), marco);
    version_->setObjectName(QStringLiteral("lblVersion"));
    Etiqueta(DescripcionAplicacion(), {2760, 1440, 2505, 840}, Fuente({QStringLiteral("Arial")}, 8.25, false), marco)
        ->setObjectName(QStringLiteral("lblDescripcion"));
    // The issuing body (an association of our own invention).
    Etiqueta(QStringLiteral("Asociación Vialtar"), {1380, 2940, 3600, 225}, Fuente({QStringLiteral("Arial")}, 9, true),
             marco);
    Etiqueta(QStringLiteral("Observatorio de Costes del Transporte"), {1380, 3240, 3600, 210},
             Fuente({QStringLiteral("Arial")}, 8.25, true), marco);

    setFixedSize(Px(QSize(5925, 4335)));
    QTimer::singleShot(kIntervalo, this, &QDialog::accept);
}

void FrmSplash::mousePressEvent(QMouseEvent*) { accept(); }

} // namespace tarvia

#include "shell/frm_about.h"
#include "core/version.h"
#include "sheets/fuentes.h"

#include "help/icono_tarvia.h"
#include "sheets/twips.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace tarvia {

namespace {

const QString kTitulo = QStringLiteral("TARVIA");
const QString kDescripcion = QStringLiteral("Costes anuales de un vehículo de transporte de mercancías por carretera "
                                            "y coste de un servicio concreto.");
const QString kAdvertencia =
    QStringLiteral("Cifras orientativas, según sus datos. Programa libre: licencia GPL-3.0 o posterior.");
const QString kCredito =
    QStringLiteral("TARVIA\r\n\r\nPrograma y ayuda realizados por el equipo de desarrollo de TARVIA.");

// Design (twips). The version label is wider than designed so that its text fits.
constexpr QRect kIcono(240, 480, 960, 960);
constexpr QRect kTituloR(1560, 240, 3930, 465);
constexpr QRect kVersion(1560, 780, 2400, 240);
constexpr QRect kDescripcionR(1560, 1125, 3885, 690);
constexpr QRect kAdvertenciaR(360, 2160, 2775, 735);
constexpr QRect kAceptar(4320, 2520, 1260, 465);
constexpr int kLineaY = 1980, kLineaIzquierda = 240, kLineaDerecha = 5580;
constexpr QSize kVentana(5820, 3225);

QLabel* Etiqueta(QWidget* padre, const char* nombre, const QRect& twips)
{
    auto* l = new QLabel(padre);
    l->setObjectName(QLatin1String(nombre));
    l->setGeometry(Px(twips));
    return l;
}

} // namespace

QString DescripcionAplicacion() { return kDescripcion; }

QString TextoVersion()
{
    return QStringLiteral("Versión %1.%2.%3")
        .arg(TARVIA_VERSION_MAJOR)
        .arg(TARVIA_VERSION_MINOR)
        .arg(TARVIA_VERSION_PATCH);
}

FrmAbout::FrmAbout(AvisoAyuda avisar, QWidget* dueno) : QDialog(dueno), avisar_(std::move(avisar))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Acerca de ..."));
    setFixedSize(Px(kVentana));

    icono_ = Etiqueta(this, "picIcono", kIcono);
    icono_->setPixmap(QPixmap::fromImage(DibujoIconoTarvia(icono_->width())));

    titulo_ = Etiqueta(this, "lblTitulo", kTituloR);
    titulo_->setFont(Fuente({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")}, 20.25, true));
    version_ = Etiqueta(this, "lblVersion", kVersion);
    version_->setFont(Fuente({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")}, 9.75, true));
    descripcion_ = Etiqueta(this, "lblDescripcion", kDescripcionR);
    descripcion_->setWordWrap(true);
    descripcion_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    advertencia_ = Etiqueta(this, "lblAdvertencia", kAdvertenciaR);
    advertencia_->setWordWrap(true);
    advertencia_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Line1: a grey line over a white one, an engraved separator.
    const QColor colores[] = {QColor(128, 128, 128), QColor(255, 255, 255)};
    for (int i = 0; i < 2; ++i) {
        auto* linea = new QFrame(this);
        linea->setObjectName(QStringLiteral("Line1"));
        linea->setGeometry(Px(kLineaIzquierda), Px(kLineaY) + i, Px(kLineaDerecha - kLineaIzquierda), 1);
        linea->setAutoFillBackground(true);
        QPalette paleta = linea->palette();
        paleta.setColor(QPalette::Window, colores[i]);
        linea->setPalette(paleta);
    }

    aceptar_ = new QPushButton(QStringLiteral("Aceptar"), this);
    aceptar_->setObjectName(QStringLiteral("cmbAceptar"));
    aceptar_->setGeometry(Px(kAceptar));
    aceptar_->setDefault(true);
    aceptar_->installEventFilter(this);
    connect(aceptar_, &QPushButton::clicked, this, &QDialog::accept);

    // What the box shows once loaded.
    titulo_->setText(kTitulo);
    version_->setText(TextoVersion());
    descripcion_->setText(kDescripcion);
    advertencia_->setText(kAdvertencia);
    setWindowTitle(QStringLiteral("Acerca de ") + kTitulo);
    aceptar_->setFocus();
}

bool FrmAbout::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == aceptar_ && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Control || tecla == Qt::Key_Escape) {
            if (avisar_)
                avisar_(kCredito, QStringLiteral("Autor"));
            return true; // Esc shows the credit here instead of closing the box
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void MostrarAcercaDe(QWidget* principal, const AvisoAyuda& avisar)
{
    FrmAbout caja(avisar, principal);
    caja.exec();
}

} // namespace tarvia

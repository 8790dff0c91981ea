#include "shell/frm_tipo_veh.h"

#include "engine/abrir.h"
#include "sheets/fuentes.h"
#include "sheets/twips.h"
#include "shell/dibujos.h"
#include "shell/frm_mensaje.h"
#include "shell/tipos_vehiculo.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

namespace tarvia {

namespace {

// The name under a picture: a click on it chooses the type, as the picture does.
class NombreTipo : public QLabel {
public:
    NombreTipo(const QString& texto, std::function<void()> elegir) : QLabel(texto), elegir_(std::move(elegir)) {}

protected:
    void mouseReleaseEvent(QMouseEvent* ev) override
    {
        QLabel::mouseReleaseEvent(ev);
        elegir_();
    }

private:
    std::function<void()> elegir_;
};

} // namespace

FrmTipoVeh::FrmTipoVeh(Documento& doc, const QString& directorio, QWidget* dueno)
    : QDialog(dueno), doc_(doc), directorio_(directorio)
{
    setObjectName(QStringLiteral("frmTipoVeh"));
    setWindowTitle(QStringLiteral("Tipo de Vehículo"));
    setAttribute(Qt::WA_DeleteOnClose);
    const int lado = Px(LadoBotonTipoVeh);
    const int ancho = Px(AnchoCeldaTipoVeh);
    auto* rejilla = new QGridLayout(this);
    rejilla->setContentsMargins(Px(240), Px(180), Px(240), Px(180));
    rejilla->setHorizontalSpacing(Px(60));
    rejilla->setVerticalSpacing(Px(150));
    // The grid keeps its designed size: the dialog is as big as its contents.
    rejilla->setSizeConstraint(QLayout::SetFixedSize);
    const QFont fuente = Fuente(false);
    for (int i = 0; i < 20; ++i) {
        const TipoVehiculo& t = TiposVehiculo[static_cast<size_t>(i)];
        const QString titulo = QString::fromUtf8(t.titulo);
        auto* boton = new QToolButton(this);
        boton->setObjectName(QStringLiteral("cmbVehiculos(%1)").arg(i));
        boton->setFixedSize(lado, lado);
        boton->setIcon(QIcon(DibujoVehiculo(i, lado - 8)));
        boton->setIconSize(QSize(lado - 8, lado - 8));
        boton->setToolTip(QString::fromUtf8(t.rotulo));
        boton->setAccessibleName(titulo);
        connect(boton, &QToolButton::clicked, this, [this, i] { Elegir(i); });
        botones_[static_cast<size_t>(i)] = boton;

        auto* nombre = new NombreTipo(titulo, [this, i] { Elegir(i); });
        nombre->setObjectName(QStringLiteral("lblVehiculos(%1)").arg(i));
        nombre->setFont(fuente);
        nombre->setWordWrap(true);
        nombre->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        nombre->setToolTip(boton->toolTip());
        // Room for two lines under every picture, so the rows line up.
        nombre->setFixedWidth(ancho);
        nombre->setMinimumHeight(2 * nombre->fontMetrics().lineSpacing() + 2);
        nombres_[static_cast<size_t>(i)] = nombre;

        // A picture and its name close together; the rows of types apart.
        auto* celda = new QVBoxLayout;
        celda->setSpacing(Px(45));
        celda->addWidget(boton, 0, Qt::AlignHCenter);
        celda->addWidget(nombre, 1);
        rejilla->addLayout(celda, t.fila, t.columna);
    }
}

void FrmTipoVeh::Elegir(int i)
{
    const FalloArchivo fallo = LeerArchivo(doc_, RutaBaremario(directorio_, i));
    if (fallo != FalloArchivo::Ninguno) {
        MostrarMensaje(MensajeBaremario(fallo), QStringLiteral("Error"));
        return; // stays open: another type may be chosen
    }
    doc_.calculo.RutaArchivo.clear();
    accept();
    emit cargado();
}

void FrmTipoVeh::showEvent(QShowEvent* ev)
{
    QDialog::showEvent(ev);
    emit abierta();
}

void FrmTipoVeh::done(int resultado)
{
    if (!avisada_) {
        avisada_ = true;
        emit cerrada();
    }
    QDialog::done(resultado);
}

} // namespace tarvia

#include "shell/frm_tipo_veh.h"

#include "engine/abrir.h"
#include "sheets/twips.h"
#include "shell/dibujos.h"
#include "shell/frm_mensaje.h"
#include "shell/tipos_vehiculo.h"

#include <QToolButton>

namespace tarvia {

FrmTipoVeh::FrmTipoVeh(Documento& doc, const QString& directorio, QWidget* dueno)
    : QDialog(dueno), doc_(doc), directorio_(directorio)
{
    setObjectName(QStringLiteral("frmTipoVeh"));
    setWindowTitle(QStringLiteral("Tipo de Vehículo"));
    setAttribute(Qt::WA_DeleteOnClose);
    const int lado = Px(LadoBotonTipoVeh);
    for (int i = 0; i < 20; ++i) {
        const TipoVehiculo& t = TiposVehiculo[static_cast<size_t>(i)];
        auto* boton = new QToolButton(this);
        boton->setObjectName(QStringLiteral("cmbVehiculos(%1)").arg(i));
        boton->setGeometry(Px(ColumnasTipoVeh[static_cast<size_t>(t.columna)]),
                           Px(FilasTipoVeh[static_cast<size_t>(t.fila)]), lado, lado);
        boton->setIcon(QIcon(DibujoVehiculo(i, lado - 8)));
        boton->setIconSize(QSize(lado - 8, lado - 8));
        boton->setToolTip(QString::fromUtf8(t.rotulo));
        connect(boton, &QToolButton::clicked, this, [this, i] { Elegir(i); });
        botones_[static_cast<size_t>(i)] = boton;
    }
    setFixedSize(
        Px(QSize(ColumnasTipoVeh.back() + LadoBotonTipoVeh + 300, FilasTipoVeh.back() + LadoBotonTipoVeh + 300)));
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

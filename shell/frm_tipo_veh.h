#pragma once
// The vehicle-type chooser: twenty picture buttons with the type's name under
// each, each loading the reference data of its type.
#include "presentacion/documento.h"

#include <QDialog>
#include <array>

class QLabel;
class QToolButton;

namespace tarvia {

class FrmTipoVeh : public QDialog {
    Q_OBJECT
public:
    // `directorio`: where Baremario lies (the program's directory).
    FrmTipoVeh(Documento& doc, const QString& directorio, QWidget* dueno = nullptr);

    QToolButton* cmbVehiculos(int i) const { return botones_.at(static_cast<size_t>(i)); }
    QLabel* lblVehiculos(int i) const { return nombres_.at(static_cast<size_t>(i)); }
    // What a click on button i does.
    void Elegir(int i);

signals:
    void abierta();
    void cerrada();
    void cargado(); // a reference data file was read: CargarPatillas

protected:
    void showEvent(QShowEvent* ev) override;
    void done(int resultado) override;

private:
    Documento& doc_;
    QString directorio_;
    std::array<QToolButton*, 20> botones_{};
    std::array<QLabel*, 20> nombres_{};
    bool avisada_ = false;
};

} // namespace tarvia

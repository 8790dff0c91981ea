#pragma once
// "Análisis > Presupuesto…": from the cost of a service on sheet S to a price
// with a margin, on one A4 page in Spanish that the client receives.
#include "core/rutas.h"
#include "engine/revision.h"
#include "presentacion/documento.h"
#include "presentacion/informe.h"
#include "results/exportar.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QDialogButtonBox;
class QFormLayout;
class QDoubleSpinBox;
class QLineEdit;
class QSettings;
class QSpinBox;
class QTextBrowser;

namespace tarvia {

class VentanaPresupuesto : public QDialog {
    Q_OBJECT
public:
    // `ajustes` keeps the company's data (the user's settings; a file in
    // tests); `avisar` shows why the PDF could not be written.
    VentanaPresupuesto(const Documento& doc, QSettings& ajustes, AvisoExportacion avisar, QWidget* dueno = nullptr);

    void Elegir(int servicio, BaseCoste base, double margenPct);
    // A target price before VAT is the price; the margin shown is what it gives.
    void PrecioObjetivo(double precio);
    const std::optional<Presupuesto>& Resultado() const { return presupuesto_; }
    QString Html() const;
    // The quotation printed and saved as PDF: the same as tarvia-calc --informe writes.
    Informe InformeActual() const;
    FalloArchivo GuardarPdf(const QString& ruta) const;
    QLineEdit* cliente() const { return cliente_; }
    QDoubleSpinBox* gasoleo() const { return gasoleo_; }
    QCheckBox* clausula() const { return clausula_; }

private:
    // The constructor's steps: the boxes, their form, what each change does, the buttons.
    void CrearCasillas();
    QFormLayout* Formulario();
    void Conectar();
    QDialogButtonBox* Botones();
    void Calcular();
    void GuardarEmpresa();
    void SinPrecioObjetivo();

    Documento doc_; // a copy: the quotation never touches the open calculation
    QSettings& ajustes_;
    AvisoExportacion avisar_;
    QComboBox* servicio_ = nullptr;
    QComboBox* base_ = nullptr;
    QDoubleSpinBox* margen_ = nullptr;
    QDoubleSpinBox* objetivo_ = nullptr;
    double precioObjetivo_ = 0; // none when 0: the margin sets the price
    QLineEdit* cliente_ = nullptr;
    QLineEdit* ruta_ = nullptr;
    QSpinBox* validez_ = nullptr;
    QDoubleSpinBox* gasoleo_ = nullptr;
    QDateEdit* fechaGasoleo_ = nullptr;
    QCheckBox* clausula_ = nullptr;
    std::array<QLineEdit*, 5> empresa_{}; // name, NIF, address, phone, e-mail
    QTextBrowser* vista_ = nullptr;
    std::optional<Presupuesto> presupuesto_;
};

} // namespace tarvia

#pragma once
// "Análisis > Sensibilidad…": how C1, C2 and the total cost move with one
// input, on a copy of the open calculation, with an optional price per km and
// its break-even yearly kilometres.
#include "core/rutas.h"
#include "presentacion/analisis.h"
#include "presentacion/informe.h"
#include "results/exportar.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QTableWidget;
class QChart;

namespace tarvia {

class VentanaSensibilidad : public QDialog {
    Q_OBJECT
public:
    // `avisar` shows why an export failed.
    VentanaSensibilidad(const Documento& doc, AvisoExportacion avisar, QWidget* dueno = nullptr);

    // Chooses the input (index in the list of drivers), sets the range
    // around today's value (±50 %) and computes.
    void ElegirVariable(int k);
    void Calcular();

    QTableWidget* tabla() const { return tabla_; }
    QLabel* equilibrio() const { return equilibrio_; }
    QDoubleSpinBox* precio() const { return precio_; }
    QString Csv() const;
    FalloArchivo ExportarCsv(const QString& ruta) const;
    // The report printed and saved as PDF: the same as tarvia-calc --informe writes.
    Informe InformeActual() const;
    FalloArchivo GuardarPdf(const QString& ruta);

private:
    void Dibujar(const std::vector<PuntoSensibilidad>& puntos, double hoy);

    const Documento& doc_;
    AvisoExportacion avisar_;
    QComboBox* variable_ = nullptr;
    QDoubleSpinBox* desde_ = nullptr;
    QDoubleSpinBox* hasta_ = nullptr;
    QSpinBox* pasos_ = nullptr;
    QDoubleSpinBox* precio_ = nullptr;
    QLabel* equilibrio_ = nullptr;
    QTableWidget* tabla_ = nullptr;
    QChart* grafico_ = nullptr;
    // The last series computed, and its break-even when a price was given.
    std::vector<PuntoSensibilidad> puntos_;
    std::optional<int> kmEquilibrio_;
};

} // namespace tarvia

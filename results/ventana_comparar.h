#pragma once
// "Análisis > Comparar cálculos…": the open calculation and other files side
// by side, their cost structure as stacked bars, exported to CSV or PDF.
#include "core/rutas.h"
#include "presentacion/analisis.h"
#include "results/exportar.h"

#include "presentacion/informe.h"

#include <QDialog>

class QTableWidget;

namespace tarvia {

class VentanaComparar : public QDialog {
    Q_OBJECT
public:
    // `doc`: the open calculation, always the first column; `avisar` shows
    // why an export failed.
    VentanaComparar(const Documento& doc, const QStringList& archivos, AvisoExportacion avisar,
                    QWidget* dueno = nullptr);

    QTableWidget* tabla() const { return tabla_; }
    // The table as CSV: ";" between fields, figures from their values with
    // the locale's decimal character and no thousands grouping.
    QString Csv() const;
    FalloArchivo ExportarCsv(const QString& ruta) const;
    // The report printed and saved as PDF: the same as tarvia-calc --informe writes.
    Informe InformeActual() const;
    FalloArchivo GuardarPdf(const QString& ruta);

private:
    void LlenarTabla();
    QWidget* Grafico();

    Localizacion loc_;
    AvisoExportacion avisar_;
    std::vector<ResultadoArchivo> columnas_;
    QTableWidget* tabla_ = nullptr;
};

} // namespace tarvia

#pragma once
// "Análisis > Comparar cálculos…": the open calculation and other files side
// by side, their cost structure as stacked bars, exported to CSV or PDF.
#include "core/rutas.h"
#include "presentacion/analisis.h"

#include <QDialog>

class QTableWidget;

namespace tarvia {

class VentanaComparar : public QDialog {
    Q_OBJECT
public:
    // `doc`: the open calculation, always the first column.
    VentanaComparar(const Documento& doc, const QStringList& archivos, QWidget* dueno = nullptr);

    QTableWidget* tabla() const { return tabla_; }
    // The table as CSV: ";" between fields, the locale's figures.
    QString Csv() const;
    bool ExportarCsv(const QString& ruta) const;
    FalloArchivo GuardarPdf(const QString& ruta);

private:
    void LlenarTabla();
    QWidget* Grafico();

    Localizacion loc_;
    std::vector<ResultadoArchivo> columnas_;
    QTableWidget* tabla_ = nullptr;
};

} // namespace tarvia

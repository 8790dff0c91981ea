#pragma once
// "Análisis > Precios oficiales del gasóleo…": the monthly average prices the
// revision by dates looks up, the shipped ones and the user's; the user adds
// or corrects months, removes his own, or imports a CSV of them. Every change
// is saved at once in the user's data folder.
#include "engine/precios_gasoleo.h"
#include "results/exportar.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tarvia {

class VentanaPreciosGasoleo : public QDialog {
    Q_OBJECT
public:
    // `avisar` shows what went wrong (a damaged file, a failed save, the
    // lines of an import that were left out) and what was imported.
    VentanaPreciosGasoleo(TablaGasoleo tabla, AvisoExportacion avisar, QWidget* dueno = nullptr);

    QTableWidget* tabla() const { return tabla_; }
    QLineEdit* mes() const { return mes_; }
    QLineEdit* precio() const { return precio_; }
    const TablaGasoleo& Precios() const { return precios_; }

    // The month and price typed, added or corrected and saved: whether it was.
    bool GuardarMes();
    // Removes the user's month of the selected row and saves.
    bool QuitarSeleccionado();
    // Imports the CSV at `ruta` (the good lines) and saves; the bad lines are told.
    bool Importar(const QString& ruta);

private:
    // Saves the user's months; on failure says why and goes back to `antes`.
    bool Grabar(const TablaGasoleo& antes);
    void Llenar();

    TablaGasoleo precios_;
    AvisoExportacion avisar_;
    QTableWidget* tabla_ = nullptr;
    QLineEdit* mes_ = nullptr;
    QLineEdit* precio_ = nullptr;
    QPushButton* quitar_ = nullptr;
};

} // namespace tarvia

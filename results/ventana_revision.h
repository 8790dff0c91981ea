#pragma once
// "Análisis > Revisión por gasóleo…": the compulsory revision of a price when
// diesel has moved, with the calculation's own fuel share beside it, and a
// history of the revisions entered for this vehicle. Both diesel prices are
// looked up by the dates in the monthly table, or typed by hand.
#include "engine/precios_gasoleo.h"
#include "engine/revision.h"
#include "presentacion/documento.h"
#include "presentacion/informe.h"
#include "results/exportar.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QSettings;

namespace tarvia {

class VentanaRevision : public QDialog {
    Q_OBJECT
public:
    // `ajustes` keeps the history (the user's settings; a file in tests).
    // `avisar` shows why a PDF could not be written.
    // `precios`: the monthly diesel prices, the shipped ones and the user's.
    VentanaRevision(const Documento& doc, TablaIndices indices, TablaGasoleo precios, QSettings& ajustes,
                    AvisoExportacion avisar = {}, QWidget* dueno = nullptr);

    // Both diesel prices typed by hand.
    void FijarDatos(double precio, double contrato, double servicio, double umbral = kUmbralLegalPct);
    // Both diesel prices from the table, by the contract's and the transport's dates.
    void FijarFechas(double precio, QDate contrato, QDate servicio, double umbral = kUmbralLegalPct);
    bool PorFechas() const;
    // Which months were used and their origin, or empty when typed by hand.
    QString Meses() const;
    // Whether a revision is shown (a missing month or a threshold above the law's shows none).
    bool HayResultado() const { return hayResultado_; }
    // The sentence that explains the result, e.g. "El precio sube 30,00 € (3,00 %) …".
    QString Explicacion() const { return explicacion_; }
    const Revision& Resultado() const { return revision_; }
    QListWidget* historial() const { return historial_; }
    // Adds the revision shown to the vehicle's history.
    void Guardar();
    // The report printed and saved as PDF: the same as tarvia-calc --informe writes.
    Informe InformeActual() const;
    FalloArchivo GuardarPdf(const QString& ruta) const;

private:
    void Calcular();
    // By dates: looks both prices up and fills their boxes; false, and why, when it cannot.
    bool BuscarPorFechas();
    QString Clave() const;

    const Documento& doc_;
    TablaIndices indices_;
    TablaGasoleo precios_;
    QSettings& ajustes_;
    AvisoExportacion avisar_;
    QDoubleSpinBox* precio_ = nullptr;
    QDoubleSpinBox* contrato_ = nullptr;
    QDoubleSpinBox* servicio_ = nullptr;
    QDoubleSpinBox* umbral_ = nullptr;
    bool umbralValido_ = true;
    QDateEdit* fecha_ = nullptr;
    QDateEdit* fechaServicio_ = nullptr;
    QComboBox* origen_ = nullptr;
    QCheckBox* obra_ = nullptr;
    QLabel* meses_ = nullptr;
    QLabel* texto_ = nullptr;
    QLabel* comparacion_ = nullptr;
    QListWidget* historial_ = nullptr;
    Revision revision_;
    std::optional<PreciosPorFechas> porFechas_; // the months used, by dates
    bool hayResultado_ = false;
    QString explicacion_;
};

} // namespace tarvia

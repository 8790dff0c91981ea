#pragma once
// "Análisis > Revisión por gasóleo…": the compulsory revision of a price when
// diesel has moved, with the calculation's own fuel share beside it, and a
// history of the revisions entered for this vehicle.
#include "engine/revision.h"
#include "presentacion/documento.h"
#include "presentacion/informe.h"
#include "results/exportar.h"

#include <QDialog>

class QCheckBox;
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
    VentanaRevision(const Documento& doc, TablaIndices indices, QSettings& ajustes, AvisoExportacion avisar = {},
                    QWidget* dueno = nullptr);

    void FijarDatos(double precio, double contrato, double servicio, double umbral = kUmbralLegalPct);
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
    QString Clave() const;

    const Documento& doc_;
    TablaIndices indices_;
    QSettings& ajustes_;
    AvisoExportacion avisar_;
    QDoubleSpinBox* precio_ = nullptr;
    QDoubleSpinBox* contrato_ = nullptr;
    QDoubleSpinBox* servicio_ = nullptr;
    QDoubleSpinBox* umbral_ = nullptr;
    bool umbralValido_ = true;
    QDateEdit* fecha_ = nullptr;
    QCheckBox* obra_ = nullptr;
    QLabel* texto_ = nullptr;
    QLabel* comparacion_ = nullptr;
    QListWidget* historial_ = nullptr;
    Revision revision_;
    QString explicacion_;
};

} // namespace tarvia

#pragma once
// The service sheet: up to five services of the personal calculation priced
// by kilometres, by hours and by both. It has no reference column.
#include "sheets/hoja_disenada.h"

namespace tarvia {

const DisenoHoja& DisenoServicio();

class FrmServicio : public HojaDisenada {
    Q_OBJECT
public:
    explicit FrmServicio(Documento& doc, QWidget* padre = nullptr) : HojaDisenada(doc, DisenoServicio(), padre) {}

    // Revisar, then show: legs above lowered yearly totals are zeroed and
    // every service repriced whenever the sheet is shown.
    void Activar() override;

protected:
    void paintEvent(QPaintEvent* ev) override;

private:
    bool revisando_ = false; // a repaint caused by Revisar must not start another
};

} // namespace tarvia

#pragma once
// Sheet I: indirect costs broken down or as one total; in total mode a
// comment relates them to the direct costs.
#include "sheets/hoja_disenada.h"

#include <array>

class QLabel;

namespace tarvia {

const DisenoHoja& DisenoCostesIndirectos();

class FrmCostesIndirectos : public HojaDisenada {
    Q_OBJECT
public:
    explicit FrmCostesIndirectos(Documento& doc, QWidget* padre = nullptr);

    void Refrescar() override;
    // The comment of the personal column is rewritten on every showing.
    void Activar() override;

    QLabel* LabelComen(Columna c) const { return comentarios_[static_cast<int>(c)]; }

protected:
    void paintEvent(QPaintEvent* ev) override;

private:
    std::array<QLabel*, 2> comentarios_{};
    bool comentando_ = false; // a repaint caused by the comment must not start another
};

} // namespace tarvia

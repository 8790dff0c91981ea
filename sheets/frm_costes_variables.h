#pragma once
// Sheet V: fuel, urea, tyres, maintenance, repairs and tolls.
#include "sheets/hoja_disenada.h"

namespace tarvia {

const DisenoHoja& DisenoCostesVariables();

class FrmCostesVariables : public HojaDisenada {
    Q_OBJECT
public:
    explicit FrmCostesVariables(Documento& doc, QWidget* padre = nullptr)
        : HojaDisenada(doc, DisenoCostesVariables(), padre)
    {
    }
};

} // namespace tarvia

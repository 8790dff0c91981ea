#pragma once
// Sheet F1: acquisition of the tractor vehicle and of its bodywork.
#include "sheets/hoja_disenada.h"

namespace tarvia {

const DisenoHoja& DisenoCostesFijos1();

class FrmCostesFijos1 : public HojaDisenada {
    Q_OBJECT
public:
    explicit FrmCostesFijos1(Documento& doc, QWidget* padre = nullptr) : HojaDisenada(doc, DisenoCostesFijos1(), padre)
    {
    }
};

} // namespace tarvia

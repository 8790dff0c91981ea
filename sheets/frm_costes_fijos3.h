#pragma once
// Sheet F3: driver, insurance and fiscal costs, each of the last three groups
// entered broken down or as one total.
#include "sheets/hoja_disenada.h"

namespace tarvia {

const DisenoHoja& DisenoCostesFijos3();

class FrmCostesFijos3 : public HojaDisenada {
    Q_OBJECT
public:
    explicit FrmCostesFijos3(Documento& doc, QWidget* padre = nullptr) : HojaDisenada(doc, DisenoCostesFijos3(), padre)
    {
    }
};

} // namespace tarvia

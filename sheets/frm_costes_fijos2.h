#pragma once
// Sheet F2: acquisition of the semitrailer or trailer and of the auxiliary
// equipment.
#include "sheets/hoja_disenada.h"

namespace tarvia {

const DisenoHoja& DisenoCostesFijos2();

class FrmCostesFijos2 : public HojaDisenada {
    Q_OBJECT
public:
    explicit FrmCostesFijos2(Documento& doc, QWidget* padre = nullptr) : HojaDisenada(doc, DisenoCostesFijos2(), padre)
    {
    }
};

} // namespace tarvia

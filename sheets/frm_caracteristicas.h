#pragma once
// Sheet C: technical and operating characteristics of the vehicle.
#include "sheets/hoja_disenada.h"

namespace tarvia {

const DisenoHoja& DisenoCaracteristicas();

class FrmCaracteristicas : public HojaDisenada {
    Q_OBJECT
public:
    explicit FrmCaracteristicas(Documento& doc, QWidget* padre = nullptr)
        : HojaDisenada(doc, DisenoCaracteristicas(), padre)
    {
    }
};

} // namespace tarvia

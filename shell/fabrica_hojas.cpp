#include "shell/fabrica_hojas.h"

#include "results/ventana_resultados.h"
#include "sheets/frm_caracteristicas.h"

namespace tarvia {

VentanaHoja* CrearHoja(Hoja h, Documento& doc, QWidget* padre)
{
    switch (h) {
    case Hoja::C:
        return new FrmCaracteristicas(doc, padre);
    case Hoja::R:
        return CrearVentanaResultados(doc, padre);
    default:
        return nullptr;
    }
}

} // namespace tarvia

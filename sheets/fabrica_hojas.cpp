#include "sheets/fabrica_hojas.h"

#include "results/ventana_resultados.h"
#include "sheets/frm_caracteristicas.h"
#include "sheets/frm_costes_fijos1.h"
#include "sheets/frm_costes_fijos2.h"
#include "sheets/frm_costes_fijos3.h"
#include "sheets/frm_costes_indirectos.h"
#include "sheets/frm_costes_variables.h"
#include "sheets/frm_servicio.h"

namespace tarvia {

VentanaHoja* CrearHoja(Hoja h, Documento& doc, QWidget* padre)
{
    switch (h) {
    case Hoja::C: return new FrmCaracteristicas(doc, padre);
    case Hoja::F1: return new FrmCostesFijos1(doc, padre);
    case Hoja::F2: return new FrmCostesFijos2(doc, padre);
    case Hoja::V: return new FrmCostesVariables(doc, padre);
    case Hoja::F3: return new FrmCostesFijos3(doc, padre);
    case Hoja::I: return new FrmCostesIndirectos(doc, padre);
    case Hoja::S: return new FrmServicio(doc, padre);
    case Hoja::R: return CrearVentanaResultados(doc, padre);
    default: return nullptr;
    }
}

} // namespace tarvia

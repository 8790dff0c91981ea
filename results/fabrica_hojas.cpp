#include "results/fabrica_hojas.h"

#include "results/ventana_resultados.h"
#include "sheets/frm_caracteristicas.h"
#include "sheets/frm_costes_fijos1.h"
#include "sheets/frm_costes_fijos2.h"
#include "sheets/frm_costes_fijos3.h"
#include "sheets/frm_costes_indirectos.h"
#include "sheets/frm_costes_variables.h"
#include "sheets/frm_servicio.h"
#include "sheets/impresion.h"

#include <array>
#include <memory>

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

FalloArchivo ImprimirPdf(Documento& doc, const QString& ruta)
{
    DestinoPdf pdf(ruta);
    std::array<std::unique_ptr<VentanaHoja>, kNumeroDeHojas> hojas;
    const auto cargar = [&](Hoja h) {
        std::unique_ptr<VentanaHoja>& hoja = hojas[static_cast<size_t>(Indice(h))];
        if (!hoja)
            hoja.reset(CrearHoja(h, doc, nullptr));
        return hoja.get();
    };
    Impresion(doc, cargar, nullptr, pdf).Todo();
    return pdf.Cerrar();
}

} // namespace tarvia

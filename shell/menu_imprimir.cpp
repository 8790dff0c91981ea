#include "shell/menu_imprimir.h"

#include "sheets/impresion.h"
#include "shell/frm_main.h"

#include <QAction>
#include <optional>

namespace tarvia {

namespace {

struct ItemImpresion {
    const char* menu;
    std::optional<Hoja> hoja; // none: every sheet
};
const ItemImpresion kItems[] = {
    {"mnuPrintResultados", Hoja::R}, {"mnuPrintCaracteristicas", Hoja::C}, {"mnuPrintFijos1", Hoja::F1},
    {"mnuPrintFijos2", Hoja::F2},    {"mnuPrintFijos3", Hoja::F3},         {"mnuPrintVariables", Hoja::V},
    {"mnuPrintIndirectos", Hoja::I}, {"mnuPrintTodo", std::nullopt},       {"mnuPrintServicio", Hoja::S},
};

Impresion DesdeLaVentana(FrmMain& ventana, DestinoImpresion& destino)
{
    return Impresion(
        ventana.documento(), [&ventana](Hoja h) { return ventana.CargarFormulario(h); }, ventana.FormularioActual(),
        destino, [&ventana] { ventana.MostrarMensajesPendientes(); });
}

} // namespace

void ConectarImpresion(FrmMain& ventana)
{
    for (const ItemImpresion& item : kItems) {
        QAction* accion = ventana.menus()[item.menu];
        if (!accion)
            continue;
        QObject::connect(accion, &QAction::triggered, &ventana, [&ventana, item] {
            Impresion impresion = DesdeLaVentana(ventana, DestinoActual());
            if (item.hoja)
                impresion.Imprimir(*item.hoja);
            else
                impresion.Todo();
        });
    }
}

FalloArchivo GuardarPdf(FrmMain& ventana, const QString& ruta)
{
    DestinoPdf pdf(ruta);
    DesdeLaVentana(ventana, pdf).Todo();
    return pdf.Cerrar();
}

} // namespace tarvia

#include "shell/menu_imprimir.h"

#include "results/exportar.h"
#include "sheets/impresion.h"
#include "shell/frm_main.h"

#include <QAction>
#include <optional>

namespace tarvia {

namespace {

struct ItemImpresion {
    QAction* Menus::*menu;
    std::optional<Hoja> hoja; // none: every sheet
};
const ItemImpresion kItems[] = {
    {&Menus::mnuPrintResultados, Hoja::R}, {&Menus::mnuPrintCaracteristicas, Hoja::C},
    {&Menus::mnuPrintFijos1, Hoja::F1},    {&Menus::mnuPrintFijos2, Hoja::F2},
    {&Menus::mnuPrintFijos3, Hoja::F3},    {&Menus::mnuPrintVariables, Hoja::V},
    {&Menus::mnuPrintIndirectos, Hoja::I}, {&Menus::mnuPrintTodo, std::nullopt},
    {&Menus::mnuPrintServicio, Hoja::S},
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
        QObject::connect(ventana.menus().*item.menu, &QAction::triggered, &ventana, [&ventana, item] {
            DestinoImpresion& destino = DestinoActual();
            // Without a printer the job would vanish unseen: say so, offer the PDF.
            if (dynamic_cast<DestinoImpresora*>(&destino) && !HayImpresora()) {
                if (OfrecerPdfSinImpresora(&ventana))
                    ventana.GuardarComoPdf();
                return;
            }
            Impresion impresion = DesdeLaVentana(ventana, destino);
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

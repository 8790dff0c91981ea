#include "cli/acciones.h"

#include "core/catalogo.h"
#include "engine/abrir.h"
#include "engine/edicion.h"
#include "engine/marcos.h"
#include "engine/indirectos.h"
#include "engine/opciones.h"
#include "engine/resultados.h"
#include "engine/servicio.h"
#include "shell/impresion.h"


namespace tarvia::calc {

namespace {

QString NombreCampo(Hoja h, int i)
{
    return QStringLiteral("%1.%2").arg(QString::fromUtf8(Codigo(h))).arg(i);
}

// As the user would: focus the field, paste the text over it (no key filter,
// cut to the box's length), leave the field.
Resultado Fijar(Documento& doc, const Accion& a)
{
    if (!SePuedeEditar(doc, a.hoja, a.campo))
        return {kNoPermitido, QStringLiteral("El campo %1 no se puede modificar.").arg(NombreCampo(a.hoja, a.campo))};
    MostrarParaEditar(doc, a.hoja, a.campo);
    const int largo = CampoDe(a.hoja, a.campo).maxLength;
    const QString pegado = largo > 0 ? a.texto.left(largo) : a.texto;
    ConfirmarCampo(doc, a.hoja, a.campo, pegado, -1);
    return {};
}

void Ver(Documento& doc, Hoja h)
{
    // What showing the sheet recomputes.
    if (h == Hoja::R)
        Actualizar(doc);
    else if (h == Hoja::S)
        Revisar(doc);
    else if (h == Hoja::I)
        Comentario(doc, Columna::S);
}

} // namespace

bool SePuedeEditar(const Documento& doc, Hoja h, int i)
{
    return CampoEditable(doc.pantalla, h, i);
}

Resultado Ejecutar(Documento& doc, const Accion& a, QDate hoy)
{
    switch (a.tipo) {
    case Accion::Tipo::Fijar:
        return Fijar(doc, a);
    case Accion::Tipo::Opcion:
        PulsarOpcion(doc, a.hoja, Columna::S, a.campo, a.boton);
        return {};
    case Accion::Tipo::Ver:
        Ver(doc, a.hoja);
        return {};
    case Accion::Tipo::Guardar: {
        const FalloArchivo fallo = EscribirArchivo(doc, a.texto, hoy);
        if (fallo != FalloArchivo::Ninguno)
            doc.MostrarMensaje(MensajeArchivo(fallo), QStringLiteral("Error"));
        else
            doc.calculo.RutaArchivo = a.texto;
        return {};
    }
    case Accion::Tipo::Pdf:
        // Like a save: a failure is a message, and the run goes on.
        if (const FalloArchivo fallo = ImprimirPdf(doc, a.texto); fallo != FalloArchivo::Ninguno)
            doc.MostrarMensaje(MensajeArchivo(fallo), QStringLiteral("Error"));
        return {};
    }
    return {};
}

} // namespace tarvia::calc

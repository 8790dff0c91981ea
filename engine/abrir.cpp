#include "engine/abrir.h"
#include "engine/repartir.h"

#include "core/formato.h"
#include "engine/servicio.h"

namespace tarvia {

FalloArchivo LeerArchivo(DocumentoMotor& doc, const QString& ruta)
{
    const FalloArchivo fallo = LeerValores(ruta, doc.calculo);
    if (fallo == FalloArchivo::Ninguno)
        RepartirValores(doc);
    return fallo;
}

FalloArchivo EscribirArchivo(DocumentoMotor& doc, const QString& ruta, QDate hoy, ArchivoSeguro::Modo modo)
{
    Revisar(doc);
    const FalloArchivo fallo = EscribirValores(ruta, doc.calculo, hoy, modo);
    if (fallo != FalloArchivo::Ninguno)
        return fallo;
    const QString rotulo = QStringLiteral("Cálculo Personalizado (") +
                           FormatearFecha(doc.calculo.Personal.Fecha, doc.calculo.Local) + u')';
    for (Hoja h : TodasLasHojas)
        doc.vista().marcoPersonal(h) = rotulo;
    return fallo;
}

} // namespace tarvia

#include "cli/acciones.h"

#include "core/catalogo.h"
#include "engine/abrir.h"
#include "engine/indirectos.h"
#include "engine/opciones.h"
#include "engine/resultados.h"
#include "engine/servicio.h"

#include <array>
#include <vector>

namespace tarvia::calc {

namespace {

// The fields each switchable frame holds (personal column).
struct Contenido {
    Marco marco;
    Hoja hoja;
    std::vector<int> campos;
};
const std::array<Contenido, 10> kContenidos = {{
    {Marco::F1Amortizacion, Hoja::F1, {2, 3, 4, 5, 6, 7, 23, 24}},
    {Marco::F1Financiacion, Hoja::F1, {8, 9, 10, 11}},
    {Marco::F1CosteAnual, Hoja::F1, {12}},
    {Marco::F1Carrozado, Hoja::F1, {13, 14, 15, 16, 17, 18, 19, 20, 21, 22}},
    {Marco::F2SemiAmortizacion, Hoja::F2, {2, 3, 4, 5, 6, 7, 25, 26}},
    {Marco::F2SemiFinanciacion, Hoja::F2, {8, 9, 10, 11}},
    {Marco::F2SemiCosteAnual, Hoja::F2, {12}},
    {Marco::F2EquipoAmortizacion, Hoja::F2, {14, 15, 16, 17, 18, 19}},
    {Marco::F2EquipoFinanciacion, Hoja::F2, {20, 21, 22, 23}},
    {Marco::F2EquipoCosteAnual, Hoja::F2, {24}},
}};

bool EnMarcoOculto(const Documento& doc, Hoja h, int i)
{
    for (const Contenido& c : kContenidos)
        if (c.hoja == h && !doc.pantalla.marcoVisible(c.marco, Columna::S))
            for (int campo : c.campos)
                if (campo == i)
                    return true;
    return false;
}

QString NombreCampo(Hoja h, int i)
{
    return QStringLiteral("%1.%2").arg(QString::fromUtf8(Codigo(h))).arg(i);
}

Resultado Fijar(const Documento& doc, const Accion& a)
{
    if (!SePuedeEditar(doc, a.hoja, a.campo))
        return {kNoPermitido, QStringLiteral("El campo %1 no se puede modificar.").arg(NombreCampo(a.hoja, a.campo))};
    return {kUsoIncorrecto, QStringLiteral("La acción --set todavía no está disponible.")};
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
    const Campo& campo = CampoDe(h, i);
    if (!campo.esEntrada() || campo.tipo == TipoCampo::Opcion)
        return false;
    const Caja& caja = doc.pantalla.caja(h, Columna::S, i);
    return caja.habilitado && caja.visible && !EnMarcoOculto(doc, h, i);
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
    }
    return {};
}

} // namespace tarvia::calc

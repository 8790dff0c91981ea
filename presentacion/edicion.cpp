#include "presentacion/edicion.h"

#include "core/catalogo.h"
#include "core/formato.h"
#include "engine/mostrar.h"
#include "engine/recalcular.h"
#include "presentacion/validacion.h"

namespace tarvia {

EstadoEdicion MostrarParaEditar(Documento& doc, Hoja h, int indice)
{
    const Valor& v = doc.calculo.Personal[h](indice);
    doc.calculo.ValorAnterior = v;
    EstadoEdicion e;
    e.texto = TextoParaEditar(v, Decimales(h, indice), doc.calculo.Local);
    doc.pantalla.caja(h, Columna::S, indice).texto = e.texto;
    return e;
}

ResultadoTecla PulsarTecla(Documento& doc, Hoja h, int indice, const EstadoEdicion& estado, char16_t codigo)
{
    if (codigo == kTeclaIntro) {
        ConfirmarCampo(doc, h, indice, estado.texto, kTeclaIntro);
        return {MostrarParaEditar(doc, h, indice), false, false};
    }
    if (codigo == kTeclaRetroceso)
        return {estado, true, false};
    const Campo& campo = CampoDe(h, indice);
    ResultadoTecla r =
        FiltrarCaracter(estado, QChar(codigo), campo.decimales, campo.maxLength, doc.calculo.SeparadorDecimal());
    doc.pantalla.caja(h, Columna::S, indice).texto = r.estado.texto;
    return r;
}

bool ConfirmarCampo(Documento& doc, Hoja h, int indice, const QString& texto, int codigo)
{
    Calculo& c = doc.calculo;
    c.Personal[h](indice) = Interpretar(texto, EsCampoTexto(h, indice), c.SeparadorDecimal());
    const Veredicto v = Validar(c, h, indice);
    if (v.rechazado) {
        c.Personal[h](indice) = c.ValorAnterior;
        MostrarParaEditar(doc, h, indice);
        Recalcular(doc, h, Columna::S, indice);
        doc.MostrarMensaje(v.mensaje, QStringLiteral("Error"));
    } else {
        Recalcular(doc, h, Columna::S, indice);
    }
    if (codigo != kTeclaIntro)
        MostrarCampo(doc, h, Columna::S, indice);
    return !v.rechazado;
}

} // namespace tarvia

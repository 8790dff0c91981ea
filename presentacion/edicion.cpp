#include "presentacion/edicion.h"

#include "core/catalogo.h"
#include "core/formato.h"
#include "core/grupos.h"
#include "engine/mostrar.h"
#include "engine/recalcular.h"
#include "presentacion/cifras.h"
#include "presentacion/teclado.h"
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
        return {MostrarParaEditar(doc, h, indice), false, false, {}};
    }
    if (codigo == kTeclaRetroceso)
        return {estado, true, false, {}};
    const Campo& campo = CampoDe(h, indice);
    ResultadoTecla r =
        FiltrarCaracter(estado, QChar(codigo), campo.decimales, campo.maxLength, doc.calculo.SeparadorDecimal());
    doc.pantalla.caja(h, Columna::S, indice).texto = r.estado.texto;
    if (r.aceptada)
        return r;
    // A character the file cannot keep has its message; any other refusal, a note.
    const QString mensaje = campo.esNumerico() ? QString() : MensajeNoGuardables(QString(QChar(codigo)));
    if (!mensaje.isEmpty())
        doc.MostrarMensaje(mensaje, QStringLiteral("Error"));
    else
        r.nota = NotaTeclaRechazada(campo.decimales, doc.calculo.SeparadorDecimal());
    return r;
}

ResultadoTecla PegarTexto(Documento& doc, Hoja h, int indice, const EstadoEdicion& estado, const QString& pegado)
{
    const Campo& campo = CampoDe(h, indice);
    QString texto = pegado;
    while (texto.endsWith(u'\n') || texto.endsWith(u'\r'))
        texto.chop(1);
    if (!campo.esNumerico()) {
        const QString mensaje = MensajeNoGuardables(texto);
        if (!mensaje.isEmpty()) {
            doc.MostrarMensaje(mensaje, QStringLiteral("Error"));
            return {estado, false, true, {}};
        }
    }
    EstadoEdicion e = estado;
    if (e.largoSeleccion > 0) {
        e.texto.remove(e.inicioSeleccion, e.largoSeleccion);
        e.cursor = e.inicioSeleccion;
    }
    const int hueco = campo.maxLength > 0 ? campo.maxLength - static_cast<int>(e.texto.size()) : -1;
    const QString cabe = hueco < 0 ? texto : CabeEnCasilla(texto, hueco);
    if (cabe.isEmpty() && !texto.isEmpty()) {
        doc.MostrarMensaje(QStringLiteral("En esta casilla caben %1 caracteres y ya está llena: no se ha pegado nada.")
                               .arg(campo.maxLength),
                           QStringLiteral("Error"));
        return {estado, false, true, {}};
    }
    if (cabe.size() < texto.size())
        doc.MostrarMensaje(QStringLiteral("En esta casilla caben %1 caracteres: se ha pegado sólo «%2».")
                               .arg(campo.maxLength)
                               .arg(cabe),
                           QStringLiteral("Error"));
    e.texto.insert(e.cursor, cabe);
    e.cursor += static_cast<int>(cabe.size());
    e.inicioSeleccion = e.cursor;
    e.largoSeleccion = 0;
    doc.pantalla.caja(h, Columna::S, indice).texto = e.texto;
    return {e, true, false, {}};
}

namespace {

// A refusal names the field and ends with the value that stays.
QString MensajeDeRechazo(const Calculo& c, Hoja h, int indice, const QString& motivo)
{
    const Campo& campo = CampoDe(h, indice);
    const QString anterior = campo.esNumerico() ? Mostrar(c.ValorAnterior, campo.decimales, true, c.Local)
                                                : u'«' + c.ValorAnterior.comoTexto() + u'»';
    return QStringLiteral("%1:\r\n\r\n").arg(NombreVisible(h, indice)) + motivo +
           QStringLiteral("Se mantiene el valor anterior: %1.").arg(anterior);
}

} // namespace

QString NombreVisible(Hoja h, int indice)
{
    const Campo& campo = CampoDe(h, indice);
    const QString etiqueta = QString::fromUtf8(campo.etiqueta);
    // A caption the sheet uses more than once ("Descuento sobre tarifa (%)")
    // is told apart by the box's own tooltip.
    int iguales = 0;
    for (const Campo& otro : CamposDe(h))
        iguales += etiqueta == QString::fromUtf8(otro.etiqueta);
    return iguales > 1 && *campo.ayuda ? QString::fromUtf8(campo.ayuda) : etiqueta;
}

QString NotaDeDescuento(const Calculo& c, Hoja h, int indice)
{
    for (const campos::PrecioConDescuento& p : campos::kPreciosConDescuento) {
        if (p.precio.hoja != h || p.precio.i != indice)
            continue;
        const double descuento = c.Personal[h](p.descuento.i).numeroOCero();
        const double precio = c.Personal[h](indice).numeroOCero();
        if (descuento == 0 || precio == 0)
            return {};
        const Campo& campoDescuento = CampoDe(h, p.descuento.i);
        const QString cuanto = Mostrar(Valor(descuento), campoDescuento.decimales, true, c.Local) +
                               (p.enPorcentaje ? QStringLiteral(" %") : QStringLiteral(" €/litro"));
        return QStringLiteral("A este precio se le resta un descuento de %1 («%2»). Si ha escrito el "
                              "precio que pagó, con el descuento ya hecho, ponga el descuento a 0.")
            .arg(cuanto, NombreVisible(h, p.descuento.i));
    }
    return {};
}

bool ConfirmarCampo(Documento& doc, Hoja h, int indice, const QString& texto, int codigo)
{
    Calculo& c = doc.calculo;
    const Campo& campo = CampoDe(h, indice);
    Veredicto v;
    if (campo.esNumerico()) {
        const LecturaCifra l = LeerCifra(texto, campo.decimales, c.SeparadorDecimal());
        if (l.como == LecturaCifra::Como::Rechazada) {
            v.rechazado = true;
            v.mensaje = MensajeLimites(c, h, indice) + ComoEscribirCifra(c.SeparadorDecimal(), campo.decimales) +
                        QStringLiteral("\r\n\r\n");
        } else {
            c.Personal[h](indice) = Valor(l.valor);
        }
    } else {
        c.Personal[h](indice) = Valor(texto.trimmed());
    }
    if (!v.rechazado)
        v = Validar(c, h, indice);
    if (v.rechazado) {
        c.Personal[h](indice) = c.ValorAnterior;
        MostrarParaEditar(doc, h, indice);
        Recalcular(doc, h, Columna::S, indice);
        doc.MostrarMensaje(MensajeDeRechazo(c, h, indice, v.mensaje), QStringLiteral("Error"));
    } else {
        Recalcular(doc, h, Columna::S, indice);
    }
    if (codigo != kTeclaIntro)
        MostrarCampo(doc, h, Columna::S, indice);
    return !v.rechazado;
}

bool EscribirEnCampo(Documento& doc, Hoja h, int indice, const QString& texto, QString* pegado)
{
    MostrarParaEditar(doc, h, indice);
    const Campo& campo = CampoDe(h, indice);
    const QString dentro = campo.maxLength > 0 ? CabeEnCasilla(texto, campo.maxLength) : texto;
    if (pegado)
        *pegado = dentro;
    return ConfirmarCampo(doc, h, indice, dentro, kTeclaSalida);
}

} // namespace tarvia

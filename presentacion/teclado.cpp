#include "presentacion/teclado.h"

#include "core/archivo_bytes.h"
#include "presentacion/cifras.h"

#include <cstdint>
#include <limits>

namespace tarvia {

QChar CaracterDeTecla(QChar caracter, bool decimalDelTecladoNumerico, int decimales, QChar separador)
{
    return decimalDelTecladoNumerico && decimales >= 0 ? separador : caracter;
}

ResultadoTecla FiltrarCaracter(const EstadoEdicion& estado, QChar tecla, int decimales, int maxLength, QChar separador)
{
    ResultadoTecla r;
    // The selection goes first, whatever becomes of the key.
    EstadoEdicion e = estado;
    if (e.largoSeleccion > 0) {
        e.texto.remove(e.inicioSeleccion, e.largoSeleccion);
        e.cursor = e.inicioSeleccion;
    }
    e.inicioSeleccion = e.cursor;
    e.largoSeleccion = 0;

    const int L = static_cast<int>(e.texto.size());
    const int s = e.cursor;
    bool pasa = false;
    if (decimales < 0) {
        const bool guardable = !tecla.isSurrogate() && archivo::EsCaracterGuardable(tecla.unicode());
        pasa = guardable && (maxLength <= 0 || L < maxLength); // the box's own length limit
    } else {
        const int d = decimales;
        const int M = maxLength;
        const int p = static_cast<int>(e.texto.indexOf(separador)) + 1; // 1-based, 0 if none
        const int g = p > 0 ? (p - 1) / 3 : L / 3;
        const QChar agrupador = Agrupador(separador);
        if (tecla >= u'0' && tecla <= u'9' && e.texto.contains(agrupador)) {
            pasa = true; // thousands or a dot for decimals: only the box's length holds, the reading decides
        } else if (tecla >= u'0' && tecla <= u'9') {
            if (d == 0)
                pasa = L < M - g;
            else if (p == 0)
                pasa = !(L > M - d - 2);
            else
                pasa = !((s >= p && L - p >= d) || (s < p && p - 1 >= M - g - d - 1));
        } else if (tecla == separador && d > 0) {
            pasa = p == 0 && !(L - s > d);
        } else if (tecla == agrupador) {
            pasa = true; // thousands, or the main keyboard's dot for decimals: the reading decides (LeerCifra)
        }
        pasa = pasa && (M <= 0 || L < M);
    }

    if (pasa) {
        e.texto.insert(s, tecla);
        e.cursor = s + 1;
        e.inicioSeleccion = e.cursor;
    }
    r.estado = e;
    r.aceptada = pasa;
    r.pitido = !pasa;
    return r;
}

QString NotaTeclaRechazada(int decimales, QChar separador)
{
    const QChar agrupador = Agrupador(separador);
    if (decimales < 0)
        return QStringLiteral("No caben más caracteres en esta casilla.");
    if (decimales == 0)
        return QStringLiteral("Sólo cifras, sin decimales («%1» para los miles), hasta llenar la casilla.")
            .arg(agrupador);
    return QStringLiteral("Sólo cifras, «%1» para los decimales (hasta %2) y «%3» para los miles.")
        .arg(separador)
        .arg(decimales)
        .arg(agrupador);
}

QString CabeEnCasilla(const QString& texto, int largo)
{
    if (texto.size() <= largo)
        return texto;
    if (largo <= 0)
        return {};
    const bool partiria = texto[largo - 1].isHighSurrogate();
    return texto.left(partiria ? largo - 1 : largo);
}

std::optional<int> PosicionTrasTeclaPagina(int valorBarra, int cambioGrande, int codigoTecla)
{
    long long posicion = 0;
    if (codigoTecla == kTeclaRePag)
        posicion = static_cast<long long>(valorBarra) - cambioGrande;
    else if (codigoTecla == kTeclaAvPag)
        posicion = static_cast<long long>(valorBarra) + cambioGrande;
    else
        return std::nullopt;
    if (posicion < std::numeric_limits<std::int16_t>::min() || posicion > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<int>(posicion);
}

} // namespace tarvia

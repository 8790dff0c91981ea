#include "presentacion/teclado.h"

#include "core/archivo_bytes.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

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
        if (tecla >= u'0' && tecla <= u'9') {
            if (d == 0)
                pasa = L < M - g;
            else if (p == 0)
                pasa = !(L > M - d - 2);
            else
                pasa = !((s >= p && L - p >= d) || (s < p && p - 1 >= M - g - d - 1));
        } else if (tecla == separador && d > 0) {
            pasa = p == 0 && !(L - s > d);
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

QString CabeEnCasilla(const QString& texto, int largo)
{
    if (texto.size() <= largo)
        return texto;
    if (largo <= 0)
        return {};
    const bool partiria = texto[largo - 1].isHighSurrogate();
    return texto.left(partiria ? largo - 1 : largo);
}

Valor Interpretar(const QString& texto, bool esTexto, QChar separador)
{
    if (esTexto)
        return Valor(texto.trimmed());
    QString retenido;
    bool conSeparador = false;
    for (QChar c : texto) {
        if (c >= u'0' && c <= u'9') {
            retenido += c;
        } else if (c == separador && !conSeparador) {
            retenido += u'.';
            conSeparador = true;
        }
    }
    if (retenido.isEmpty() || retenido == u".")
        return Valor(0.0);
    // Too many digits for a double reads as infinity, which every limit refuses.
    const std::string s = retenido.toStdString();
    double x = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), x);
    if (r.ec == std::errc::result_out_of_range)
        x = std::numeric_limits<double>::infinity();
    return Valor(x);
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

#include "presentacion/cifras.h"

#include <QStringList>

#include <charconv>
#include <limits>
#include <string>

namespace tarvia {

namespace {

double Numero(const QString& digitos)
{
    if (digitos.isEmpty() || digitos == u".")
        return 0;
    const std::string s = digitos.toStdString();
    double x = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), x);
    // Too many digits for a double reads as infinity, which every limit refuses.
    return r.ec == std::errc::result_out_of_range ? std::numeric_limits<double>::infinity() : x;
}

bool SoloDigitos(const QString& t)
{
    for (QChar c : t)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// "1.234.567": at most three digits, then groups of exactly three.
bool BienAgrupado(const QString& entero, QChar agrupador)
{
    const QStringList grupos = entero.split(agrupador);
    if (grupos.size() < 2)
        return false;
    for (qsizetype k = 0; k < grupos.size(); ++k) {
        const QString& g = grupos[k];
        if (!SoloDigitos(g) || g.isEmpty() || (k == 0 ? g.size() > 3 : g.size() != 3))
            return false;
    }
    return true;
}

} // namespace

QChar Agrupador(QChar separador) { return separador == u'.' ? u',' : u'.'; }

LecturaCifra LeerCifra(const QString& texto, int decimales, QChar separador)
{
    const QString t = texto.trimmed();
    const QChar agrupador = Agrupador(separador);
    const LecturaCifra rechazo{LecturaCifra::Como::Rechazada, 0};
    const auto conDecimales = [&](const QString& entero, const QString& fraccion, LecturaCifra::Como como) {
        if (!SoloDigitos(entero) || !SoloDigitos(fraccion))
            return rechazo;
        if (decimales <= 0 && !fraccion.isEmpty())
            return rechazo; // a decimal where the field has none
        return LecturaCifra{como, Numero(entero + u'.' + fraccion)};
    };

    const qsizetype decimal = t.indexOf(separador);
    if (decimal >= 0) {
        QString entero = t.left(decimal);
        const QString fraccion = t.mid(decimal + 1);
        if (fraccion.contains(separador) || fraccion.contains(agrupador))
            return rechazo; // "12,5,3", "1,2.3"
        if (entero.contains(agrupador)) {
            if (!BienAgrupado(entero, agrupador))
                return rechazo;
            entero.remove(agrupador);
        }
        if (decimales <= 0)
            return rechazo;
        return conDecimales(entero, fraccion, LecturaCifra::Como::Leida);
    }
    if (!t.contains(agrupador))
        return SoloDigitos(t) ? LecturaCifra{LecturaCifra::Como::Leida, Numero(t)} : rechazo;
    if (BienAgrupado(t, agrupador))
        return {LecturaCifra::Como::Leida, Numero(QString(t).remove(agrupador))};
    // One lone "." not followed by exactly three digits: the decimal point.
    if (agrupador == u'.' && t.count(agrupador) == 1) {
        const qsizetype punto = t.indexOf(agrupador);
        return conDecimales(t.left(punto), t.mid(punto + 1), LecturaCifra::Como::PuntoDecimal);
    }
    return rechazo;
}

QString ComoEscribirCifra(QChar separador, int decimales)
{
    if (decimales <= 0)
        return QStringLiteral("Escriba sólo cifras, sin decimales, por ejemplo 98") + Agrupador(separador) +
               QStringLiteral("000");
    if (separador == u',')
        return QStringLiteral("Use la coma para los decimales, por ejemplo 1,52");
    if (separador == u'.')
        return QStringLiteral("Use el punto para los decimales, por ejemplo 1.52");
    return QStringLiteral("Use «%1» para los decimales, por ejemplo 1%152").arg(separador);
}

} // namespace tarvia

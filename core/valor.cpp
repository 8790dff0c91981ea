#include "core/valor.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <string>

namespace tarvia {

namespace {
const QDate kOrigenFechas(1899, 12, 30);
}

std::optional<double> LeerNumeroPunto(const QString& texto)
{
    const std::string s = texto.trimmed().toStdString();
    if (s.empty())
        return std::nullopt;
    const char* p = s.data();
    const char* fin = s.data() + s.size();
    if (*p == '+')
        ++p;
    double x = 0;
    auto [ptr, ec] = std::from_chars(p, fin, x, std::chars_format::general);
    if (ec != std::errc() || ptr != fin || !std::isfinite(x))
        return std::nullopt;
    return x;
}

std::optional<double> Valor::comoNumero() const
{
    if (esVacio())
        return 0.0;
    if (esNumero())
        return std::isfinite(numero()) ? std::optional<double>(numero()) : std::nullopt;
    if (esLogico())
        return logico() ? -1.0 : 0.0;
    if (esFecha())
        return fecha().isValid() ? std::optional<double>(kOrigenFechas.daysTo(fecha())) : std::nullopt;
    return LeerNumeroPunto(texto());
}

std::optional<bool> Valor::comoLogico() const
{
    if (esVacio())
        return false;
    if (esLogico())
        return logico();
    if (esNumero())
        return numero() != 0.0;
    if (esTexto()) {
        const QString t = texto().trimmed().toLower();
        if (t == u"true" || t == u"verdadero")
            return true;
        if (t == u"false" || t == u"falso")
            return false;
        if (auto n = LeerNumeroPunto(t))
            return *n != 0.0;
    }
    return std::nullopt;
}

QString Valor::comoTexto() const
{
    if (esTexto())
        return texto();
    if (esNumero())
        return QString::number(numero(), 'g', QLocale::FloatingPointShortest);
    if (esLogico())
        return logico() ? QStringLiteral("True") : QStringLiteral("False");
    if (esFecha())
        return fecha().toString(Qt::ISODate);
    return {};
}

} // namespace tarvia

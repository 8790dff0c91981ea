#include "core/formato.h"

#include "core/decimal15.h"

#include <cmath>

namespace tarvia {

QChar SeparadorDecimalDe(const QLocale& locale)
{
    const QString texto = locale.toString(1.5);
    for (QChar c : texto)
        if (!c.isDigit())
            return c;
    return u',';
}

QString FormatoFechaCorta(const QLocale& locale)
{
    // Widen single d/M and two-digit years; leave names (MMM, ddd) alone.
    const QString f = locale.dateFormat(QLocale::ShortFormat);
    // A short date with month names (the C locale's "d MMM yyyy") is not a
    // short date to this program: use the day, month and year in figures.
    if (f.contains(QStringLiteral("MMM")))
        return QStringLiteral("dd/MM/yyyy");
    QString r;
    for (qsizetype i = 0; i < f.size();) {
        const QChar c = f[i];
        qsizetype j = i;
        while (j < f.size() && f[j] == c)
            ++j;
        const qsizetype n = j - i;
        if ((c == u'd' || c == u'M') && n == 1)
            r += QString(2, c);
        else if (c == u'y' && n < 4)
            r += QStringLiteral("yyyy");
        else if (c == u'\'') { // quoted literal: copy up to the closing quote
            qsizetype k = f.indexOf(u'\'', i + 1);
            k = k < 0 ? f.size() : k + 1;
            r += f.mid(i, k - i);
            j = k;
        } else
            r += f.mid(i, n);
        i = j;
    }
    return r;
}

Localizacion Localizacion::Desde(const QLocale& locale)
{
    Localizacion l;
    l.decimal = SeparadorDecimalDe(locale);
    const QString g = locale.groupSeparator();
    l.grupo = g.isEmpty() ? QChar() : g.front();
    l.formatoFecha = FormatoFechaCorta(locale);
    return l;
}

QString FormatearNumero(double x, int decimales, const Localizacion& loc)
{
    if (!std::isfinite(x))
        return {};
    const Decimal15 d = RedondearDecimal(x, decimales < 0 ? 0 : decimales);
    const std::string_view e = d.entero();
    const std::string_view f = d.fraccion();
    const bool signo = d.negativo && !d.esCero();
    const bool agrupar = !loc.grupo.isNull();
    const size_t grupos = agrupar ? (e.size() - 1) / 3 : 0;
    // Written in place: one allocation per figure.
    QString texto(static_cast<qsizetype>(signo + e.size() + grupos + (f.empty() ? 0 : 1 + f.size())),
                  Qt::Uninitialized);
    QChar* p = texto.data();
    if (signo)
        *p++ = u'-';
    for (size_t i = 0; i < e.size(); ++i) {
        if (i > 0 && (e.size() - i) % 3 == 0 && agrupar)
            *p++ = loc.grupo;
        *p++ = QLatin1Char(e[i]);
    }
    if (!f.empty()) {
        *p++ = loc.decimal;
        for (char c : f)
            *p++ = QLatin1Char(c);
    }
    return texto;
}

QString Mostrar(const Valor& valor, int decimales, bool mostrarCeros, const Localizacion& loc)
{
    if (decimales < 0)
        return valor.comoTexto();
    if (valor.esTexto())
        return valor.texto(); // a text where a number belongs is shown as it is
    const auto n = valor.comoNumero();
    if (!n)
        return valor.comoTexto();
    if (*n == 0 && !mostrarCeros)
        return {};
    return FormatearNumero(*n, decimales, loc);
}

QString TextoParaEditar(const Valor& valor, int decimales, const Localizacion& loc)
{
    if (decimales < 0 || valor.esTexto())
        return valor.comoTexto();
    const auto n = valor.comoNumero();
    if (!n || *n == 0)
        return {};
    QString t = QString::number(*n, 'f', QLocale::FloatingPointShortest);
    t.replace(u'.', loc.decimal);
    return t;
}

QString FormatearFecha(QDate fecha, const Localizacion& loc)
{
    return fecha.isValid() ? fecha.toString(loc.formatoFecha) : QString();
}

} // namespace tarvia

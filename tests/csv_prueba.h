#pragma once
// Reads a CSV back as a spreadsheet does, so the tests check what one would
// see: fields split at ";" outside double quotes, "" inside them a quote,
// line breaks inside them part of the field.
#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <optional>

namespace tarvia::prueba {

// The rows of `texto`; none when a quoted field never closes or a quote
// comes in the middle of an unquoted one.
inline std::optional<QList<QStringList>> LeerFilasCsv(const QString& texto)
{
    QList<QStringList> filas;
    QStringList fila;
    QString campo;
    bool entreComillas = false, citado = false;
    for (qsizetype k = 0; k < texto.size(); ++k) {
        const QChar c = texto[k];
        if (entreComillas) {
            if (c != u'"')
                campo += c;
            else if (k + 1 < texto.size() && texto[k + 1] == u'"')
                campo += texto[++k];
            else
                entreComillas = false;
        } else if (c == u'"') {
            if (!campo.isEmpty() || citado)
                return std::nullopt;
            entreComillas = citado = true;
        } else if (c == u';') {
            fila << campo;
            campo.clear();
            citado = false;
        } else if (c == u'\n') {
            fila << campo;
            filas << fila;
            fila.clear();
            campo.clear();
            citado = false;
        } else {
            if (citado)
                return std::nullopt;
            campo += c;
        }
    }
    if (entreComillas || !campo.isEmpty() || !fila.isEmpty())
        return std::nullopt; // every row ends in a line feed
    return filas;
}

// Whether a field is a number a spreadsheet reads as one: digits, and the
// decimal character and more digits, with no thousands grouping.
inline bool EsNumeroCsv(const QString& campo, QChar decimal = u',')
{
    const QRegularExpression patron(QStringLiteral("^-?\\d+(%1\\d+)?$").arg(QRegularExpression::escape(decimal)));
    return patron.match(campo).hasMatch();
}

} // namespace tarvia::prueba

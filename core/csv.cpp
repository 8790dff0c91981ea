#include "core/csv.h"

namespace tarvia {

QString CampoCsv(const QString& campo)
{
    const bool entreComillas =
        campo.contains(u';') || campo.contains(u'"') || campo.contains(u'\r') || campo.contains(u'\n');
    if (!entreComillas)
        return campo;
    QString texto = campo;
    texto.replace(u'"', QStringLiteral("\"\""));
    return u'"' + texto + u'"';
}

QString FilaCsv(const QStringList& campos)
{
    QString linea;
    for (qsizetype k = 0; k < campos.size(); ++k) {
        if (k > 0)
            linea += u';';
        linea += CampoCsv(campos[k]);
    }
    return linea + u'\n';
}

QString NumeroCsv(double x, int decimales, const Localizacion& loc)
{
    Localizacion sinGrupos = loc;
    sinGrupos.grupo = QChar();
    return FormatearNumero(x, decimales, sinGrupos);
}

QByteArray BytesCsv(const QString& csv, bool conMarca)
{
    const QByteArray texto = csv.toUtf8();
    return conMarca ? QByteArrayLiteral("\xEF\xBB\xBF") + texto : texto;
}

} // namespace tarvia

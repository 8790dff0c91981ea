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

QStringList LeerFilaCsv(const QString& linea, QChar separador)
{
    QStringList campos;
    QString campo;
    bool entreComillas = false;
    for (qsizetype k = 0; k < linea.size(); ++k) {
        const QChar c = linea[k];
        if (entreComillas) {
            if (c == u'"' && k + 1 < linea.size() && linea[k + 1] == u'"') {
                campo += u'"';
                ++k;
            } else if (c == u'"') {
                entreComillas = false;
            } else {
                campo += c;
            }
        } else if (c == u'"') {
            entreComillas = true;
        } else if (c == separador) {
            campos << campo.trimmed();
            campo.clear();
        } else {
            campo += c;
        }
    }
    campos << campo.trimmed();
    return campos;
}

std::vector<LineaCsv> LineasCsv(const QByteArray& bytes)
{
    QString texto = QString::fromUtf8(bytes);
    if (texto.startsWith(QChar(0xFEFF)))
        texto.remove(0, 1);
    const QStringList lineas = texto.split(u'\n');
    std::vector<LineaCsv> r;
    for (qsizetype k = 0; k < lineas.size(); ++k) {
        const QString linea = QString(lineas[k]).remove(u'\r');
        if (!linea.trimmed().isEmpty())
            r.push_back({static_cast<int>(k + 1), linea});
    }
    return r;
}

} // namespace tarvia

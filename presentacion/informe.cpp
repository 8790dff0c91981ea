#include "presentacion/informe.h"

#include "core/version.h"

namespace tarvia {

QString PieDeInforme()
{
    return QStringLiteral("TARVIA %1.%2.%3")
        .arg(TARVIA_VERSION_MAJOR)
        .arg(TARVIA_VERSION_MINOR)
        .arg(TARVIA_VERSION_PATCH);
}

QString LineaDeFecha(QDate hoy, const Localizacion& loc)
{
    return QStringLiteral("Fecha: %1").arg(FormatearFecha(hoy, loc));
}

QString NombreDeCalculo(const QString& descripcion, const QString& archivo)
{
    // The file's name only: where it sits on this machine means nothing to the reader.
    QString nombre = archivo;
    const qsizetype barra = std::max(nombre.lastIndexOf(u'/'), nombre.lastIndexOf(u'\\'));
    if (barra >= 0)
        nombre = nombre.mid(barra + 1);
    if (descripcion.trimmed().isEmpty())
        return nombre;
    if (nombre.isEmpty())
        return descripcion.trimmed();
    return QStringLiteral("%1 (%2)").arg(descripcion.trimmed(), nombre);
}

} // namespace tarvia

#include "cli/destinos.h"

#include "core/rutas.h"

#include <sys/stat.h>

namespace tarvia::calc {

namespace {

bool MismoArchivo(const QString& a, const QString& b)
{
    struct stat sa {
    }, sb{};
    return !a.isEmpty() && !b.isEmpty() && ::stat(RutaNativa(a).constData(), &sa) == 0 &&
           ::stat(RutaNativa(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

} // namespace

QString DestinoProhibido(const QString& opcion, const QString& destino, const QStringList& calculos)
{
    for (const QString& calculo : calculos)
        if (MismoArchivo(destino, calculo))
            return QStringLiteral("%1 no escribe sobre el cálculo abierto: «%2»").arg(opcion, destino);
    if (destino.endsWith(QStringLiteral(".trv"), Qt::CaseInsensitive))
        return QStringLiteral("%1 no escribe en un archivo .trv, que es un cálculo: «%2»").arg(opcion, destino);
    return {};
}

} // namespace tarvia::calc

#include "core/destino_exportacion.h"

#include "core/rutas.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

namespace tarvia {

QString ConExtension(const QString& ruta, const QString& extension)
{
    if (extension.isEmpty() || ruta.isEmpty())
        return ruta;
    const QString punto = u'.' + extension;
    if (ruta.endsWith(punto, Qt::CaseInsensitive) && QFileInfo(ruta).fileName().size() > punto.size())
        return ruta;
    return ruta.endsWith(u'.') ? ruta + extension : ruta + punto;
}

QString ExtensionDelFiltro(const QString& filtro)
{
    static const QRegularExpression patron(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    const QRegularExpressionMatch m = patron.match(filtro);
    return m.hasMatch() ? m.captured(1).toLower() : QString();
}

bool EsCarpetaDeReferencia(const QString& carpeta)
{
    // Named by extension in any case, as EsDatoDeReferencia tells them.
    QDirIterator it(carpeta, QDir::Files | QDir::Hidden);
    while (it.hasNext())
        if (EsDatoDeReferencia(it.next()))
            return true;
    return false;
}

QString CarpetaInicialExportacion(const QString& ultima, const QString& calculos)
{
    for (const QString& carpeta : {ultima, calculos}) {
        if (carpeta.isEmpty())
            continue;
        const QFileInfo info(carpeta);
        if (info.isDir() && info.isWritable() && !EsCarpetaDeReferencia(carpeta))
            return info.absoluteFilePath();
    }
    return QDir::homePath();
}

} // namespace tarvia

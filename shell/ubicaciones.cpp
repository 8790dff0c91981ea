#include "shell/ubicaciones.h"

#include "core/archivo_bytes.h"
#include "core/lectura.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef TARVIA_DATOS_INSTALADOS
#define TARVIA_DATOS_INSTALADOS "/usr/share/tarvia"
#endif

namespace tarvia {

namespace {

bool TieneBaremario(const QString& carpeta)
{
    return QFileInfo(QDir(carpeta).filePath(QStringLiteral("Baremario"))).isDir();
}

// A new user's folder starts with the example calculations beside the data.
QString CarpetaDelUsuario(const QString& documentos, const QString& datos)
{
    const QString carpeta = QDir(documentos).filePath(QStringLiteral("TARVIA"));
    if (QFileInfo(carpeta).isDir() || !QDir().mkpath(carpeta))
        return carpeta;
    const QDir ejemplos(QDir(datos).filePath(QStringLiteral("Cálculos")));
    // Copying opens each one: a pipe or an outsized file there is left out.
    for (const QString& nombre : ejemplos.entryList({QStringLiteral("*.trv")}, QDir::Files))
        if (ComprobarFichero(ejemplos.filePath(nombre), static_cast<qint64>(archivo::kBytesMaximos)) ==
            FalloLectura::Ninguno)
            QFile::copy(ejemplos.filePath(nombre), QDir(carpeta).filePath(nombre));
    return carpeta;
}

} // namespace

Ubicaciones BuscarUbicaciones(const QString& programa, const QString& instalados, const QString& documentos)
{
    Ubicaciones u;
    u.datos = TieneBaremario(programa) || !TieneBaremario(instalados) ? programa : instalados;
    const QString junto = QDir(programa).filePath(QStringLiteral("Cálculos"));
    u.calculos = QFileInfo(junto).isDir() || documentos.isEmpty() ? junto : CarpetaDelUsuario(documentos, u.datos);
    return u;
}

Ubicaciones UbicacionesDelPrograma()
{
    return BuscarUbicaciones(QCoreApplication::applicationDirPath(), QStringLiteral(TARVIA_DATOS_INSTALADOS),
                             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

} // namespace tarvia

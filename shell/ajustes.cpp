#include "shell/ajustes.h"

#include "core/lectura.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace tarvia {

AjustesUsuario::AjustesUsuario() = default;
AjustesUsuario::AjustesUsuario(AjustesUsuario&&) noexcept = default;
AjustesUsuario& AjustesUsuario::operator=(AjustesUsuario&&) noexcept = default;
AjustesUsuario::~AjustesUsuario() = default;

QString RutaAjustes()
{
    const QString aplicacion = QCoreApplication::applicationName();
    const QString organizacion = QCoreApplication::organizationName();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
           (organizacion.isEmpty() ? aplicacion : organizacion) + QLatin1Char('/') + aplicacion +
           QStringLiteral(".conf");
}

AjustesUsuario AbrirAjustes(const QString& ruta)
{
    AjustesUsuario a;
    // QSettings reads the whole file as it is built, and waits on a pipe: it
    // only gets a file that is a regular one or none at all.
    const FalloLectura fallo = ComprobarFichero(ruta, kTopeAjustes);
    switch (fallo) {
    case FalloLectura::Carpeta:
    case FalloLectura::NoEsFichero:
    case FalloLectura::DemasiadoGrande: {
        a.provisional = std::make_unique<QTemporaryDir>();
        a.aviso = QStringLiteral("%1 Los ajustes de esta sesión no se guardarán; el fichero no se toca.")
                      .arg(MensajeLectura(
                          fallo, QStringLiteral("el fichero de ajustes %1").arg(QDir::toNativeSeparators(ruta)),
                          kTopeAjustes));
        const QString dentro =
            a.provisional->isValid() ? a.provisional->filePath(QStringLiteral("ajustes.conf")) : QString();
        a.ajustes = std::make_unique<QSettings>(dentro, QSettings::IniFormat);
        break;
    }
    default:
        // Missing, unreadable or fine: QSettings copes without waiting.
        a.ajustes = std::make_unique<QSettings>(ruta, QSettings::IniFormat);
        break;
    }
    return a;
}

} // namespace tarvia

#include "shell/ayuda.h"

#include "shell/visor_ayuda.h"

#include <QCoreApplication>
#include <QMap>
#include <QPointer>

namespace tarvia {

namespace {

QString& Ajuste()
{
    static QString archivo;
    return archivo;
}

// One window per help file, as long as the user keeps it open.
QMap<QString, QPointer<VisorAyuda>>& Ventanas()
{
    static QMap<QString, QPointer<VisorAyuda>> ventanas;
    return ventanas;
}

QString Ruta(const QString& carpeta, const char* nombre)
{
    return (carpeta.isEmpty() ? QCoreApplication::applicationDirPath() : carpeta) + QLatin1Char('/') +
           QLatin1String(nombre);
}

} // namespace

const QString& ArchivoAyuda() { return Ajuste(); }

VisorAyuda* AbrirArchivoAyuda(QWidget* principal, const QString& ruta, const QString& mensajeError,
                              const AvisoAyuda& avisar)
{
    Ajuste() = ruta;
    std::unique_ptr<ArchivoChm> archivo = ArchivoChm::Abrir(ruta);
    if (!archivo) {
        if (avisar)
            avisar(mensajeError, QStringLiteral("Error"));
        return nullptr;
    }
    QPointer<VisorAyuda>& ventana = Ventanas()[ruta];
    if (ventana && ventana->parentWidget() == principal) {
        ventana->Cargar(std::move(archivo)); // read again: the file may have changed
    } else {
        if (ventana)
            ventana->close();
        ventana = new VisorAyuda(std::move(archivo), ruta, principal);
    }
    ventana->show();
    ventana->raise();
    ventana->activateWindow();
    return ventana;
}

VisorAyuda* AbrirAyuda(QWidget* principal, const AvisoAyuda& avisar, const QString& carpeta)
{
    return AbrirArchivoAyuda(principal, Ruta(carpeta, "Tarvia.chm"),
                             QStringLiteral("El fichero de ayuda se ha borrado o se ha corrompido."), avisar);
}

VisorAyuda* AbrirAcuerdos(QWidget* principal, const AvisoAyuda& avisar, const QString& carpeta)
{
    return AbrirArchivoAyuda(principal, Ruta(carpeta, "Acuerdos.chm"),
                             QStringLiteral("El fichero de los acuerdos se ha borrado o se ha corrompido."), avisar);
}

} // namespace tarvia

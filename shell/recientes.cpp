#include "shell/recientes.h"

#include "core/rutas.h"

#include <QSettings>

namespace tarvia {

namespace {
const QString kClave = QStringLiteral("calculos/recientes");
}

// Only the first kCuantos: a settings file edited by hand, or by another
// program, may hold thousands, and the menu shows eight.
QStringList Recientes::Lista() const { return ajustes_.value(kClave).toStringList().mid(0, kCuantos); }

void Recientes::Anadir(const QString& ruta)
{
    if (EsDatoDeReferencia(ruta))
        return; // reference data are a starting point, never the user's calculation
    QStringList lista = Lista();
    lista.removeAll(ruta);
    lista.prepend(ruta);
    while (lista.size() > kCuantos)
        lista.removeLast();
    ajustes_.setValue(kClave, lista);
}

void Recientes::Quitar(const QString& ruta)
{
    QStringList lista = Lista();
    lista.removeAll(ruta);
    ajustes_.setValue(kClave, lista);
}

} // namespace tarvia

#include "shell/recientes.h"

#include <QSettings>

namespace tarvia {

namespace {
const QString kClave = QStringLiteral("calculos/recientes");
}

QStringList Recientes::Lista() const { return ajustes_.value(kClave).toStringList(); }

void Recientes::Anadir(const QString& ruta)
{
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

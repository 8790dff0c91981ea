#pragma once
// The main window's menu bar, built from one table.
#include <QHash>
#include <QString>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace tarvia {

// When an item is enabled.
enum class Habilitado {
    Siempre,    // never disabled
    SinCalculo, // on while no calculation is open (Nuevo, Abrir)
    ConCalculo, // on while a calculation is open
};

// The three states of the menus.
enum class EstadoMenus {
    Carga,     // no calculation
    Abierto,   // a calculation is open
    Bloqueado, // the start dialogs are open: every calculation item off
};

struct Menus {
    std::vector<QMenu*> menus;         // in bar order
    QHash<QString, QAction*> acciones; // by item name (mnuNuevo ...)
    QHash<QString, Habilitado> clases;

    QAction* operator[](const char* nombre) const { return acciones.value(QString::fromLatin1(nombre)); }
    void Fijar(EstadoMenus estado);
};

Menus CrearMenus(QMenuBar& barra);

} // namespace tarvia

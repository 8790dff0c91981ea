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
    // The items the program acts on; the table of menus.cpp sets them.
    QAction* mnuNuevo = nullptr;
    QAction* mnuCerrar = nullptr;
    QAction* mnuFileExit = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuCaracteristicas = nullptr;
    QAction* mnuFijos1 = nullptr;
    QAction* mnuFijos2 = nullptr;
    QAction* mnuFijos3 = nullptr;
    QAction* mnuVariables = nullptr;
    QAction* mnuIndirectos = nullptr;
    QAction* mnuResultados = nullptr;
    QAction* mnuServicio = nullptr;
    QAction* mnuPrintResultados = nullptr;
    QAction* mnuPrintCaracteristicas = nullptr;
    QAction* mnuPrintFijos1 = nullptr;
    QAction* mnuPrintFijos2 = nullptr;
    QAction* mnuPrintFijos3 = nullptr;
    QAction* mnuPrintVariables = nullptr;
    QAction* mnuPrintIndirectos = nullptr;
    QAction* mnuPrintTodo = nullptr;
    QAction* mnuPrintServicio = nullptr;
    QAction* mnuPrintResumen = nullptr;
    QAction* mnuPrintPdf = nullptr;
    QAction* mnuEditCut = nullptr;
    QAction* mnuEditCopy = nullptr;
    QAction* mnuEditPaste = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuHelpAbout = nullptr;
    QAction* mnuAcuerdos = nullptr;
    QAction* mnuComparar = nullptr;
    QAction* mnuSensibilidad = nullptr;
    QAction* mnuRevision = nullptr;
    QAction* mnuPreciosGasoleo = nullptr;
    QAction* mnuPresupuesto = nullptr;

    std::vector<QMenu*> menus;         // in bar order
    QHash<QString, QAction*> acciones; // every item by name, separators too
    QHash<QString, Habilitado> clases;

    QAction* operator[](const char* nombre) const { return acciones.value(QString::fromLatin1(nombre)); }
    void Fijar(EstadoMenus estado);
};

Menus CrearMenus(QMenuBar& barra);

} // namespace tarvia

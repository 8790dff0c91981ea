#include "shell/menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tarvia {

namespace {

struct ItemMenu {
    const char* nombre;
    const char* titulo; // "-" is a separator
    Habilitado clase;
    const char* atajo = nullptr;
};

struct MenuDiseno {
    const char* nombre;
    const char* titulo;
    std::vector<ItemMenu> items;
};

using H = Habilitado;

const std::vector<MenuDiseno>& Diseno()
{
    static const std::vector<MenuDiseno> d = {
        {"mnuCalculo",
         "Cálculo",
         {
             {"mnuNuevo", "Nuevo Cálculo", H::SinCalculo},
             {"mnuCerrar", "Cerrar Cálculo", H::ConCalculo},
             {"mnuSimulacionBar1", "-", H::Siempre},
             {"mnuFileExit", "Salir", H::Siempre},
         }},
        {"mnuFile",
         "Archivo",
         {
             {"mnuFileOpen", "Abrir ...", H::SinCalculo},
             {"mnuFileSave", "Guardar ...", H::ConCalculo},
             {"mnuFileSaveAs", "Guardar como ...", H::ConCalculo},
         }},
        {"mnuFormularios",
         "Formularios",
         {
             {"mnuCaracteristicas", "Características Técnicas y de Explotación", H::ConCalculo},
             {"mnuFijos1", "Vehículo de Tracción", H::ConCalculo},
             {"mnuFijos2", "Semirremolque, Remolque y Equipos Auxiliares", H::ConCalculo},
             {"mnuFijos3", "Personal, Seguros y Costes Fiscales", H::ConCalculo},
             {"mnuVariables", "Carburante, Urea, Neumáticos, Mantenimiento, Reparaciones y Peajes", H::ConCalculo},
             {"mnuIndirectos", "Costes Indirectos", H::ConCalculo},
             {"mnuResultados", "Resultados", H::ConCalculo},
             {"mnuServicio", "Costes de un servicio concreto", H::ConCalculo},
         }},
        {"mnuImprimir",
         "Imprimir",
         {
             {"mnuPrintResultados", "Resultados", H::ConCalculo},
             {"mnuPrintCaracteristicas", "Características Técnicas y de Explotación", H::ConCalculo},
             {"mnuPrintFijos1", "Vehículo de Tracción", H::ConCalculo},
             {"mnuPrintFijos2", "Semirremolque, Remolque y Equipos Auxiliares", H::ConCalculo},
             {"mnuPrintFijos3", "Personal, Seguros y Costes Fiscales", H::ConCalculo},
             {"mnuPrintVariables", "Carburante, Urea, Neumáticos, Mantenimiento, Reparaciones y Peajes", H::ConCalculo},
             {"mnuPrintIndirectos", "Costes Indirectos", H::ConCalculo},
             {"mnuPrintTodo", "Todos los formularios", H::ConCalculo},
             {"mnuPrintServicio", "Costes de un servicio concreto", H::ConCalculo},
             {"mnuPrintBar1", "-", H::Siempre},
             {"mnuPrintPdf", "Guardar como PDF…", H::ConCalculo},
         }},
        {"mnuEdit",
         "Edición",
         {
             {"mnuEditCut", "Cortar", H::ConCalculo, "Ctrl+X"},
             {"mnuEditCopy", "Copiar", H::ConCalculo, "Ctrl+C"},
             {"mnuEditPaste", "Pegar", H::ConCalculo, "Ctrl+V"},
         }},
        {"mnuHelp",
         "Ayuda",
         {
             {"mnuHelpContents", "Contenido", H::Siempre},
             {"mnuHelpBar1", "-", H::Siempre},
             {"mnuHelpAbout", "Acerca de ...", H::Siempre},
         }},
        {"mnuBaremario",
         "Baremario de Costes",
         {
             {"mnuAcuerdos", "Acuerdos", H::Siempre},
         }},
    };
    return d;
}

} // namespace

Menus CrearMenus(QMenuBar& barra)
{
    Menus m;
    for (const MenuDiseno& d : Diseno()) {
        QMenu* menu = barra.addMenu(QString::fromUtf8(d.titulo));
        menu->setObjectName(QString::fromLatin1(d.nombre));
        m.menus.push_back(menu);
        for (const ItemMenu& item : d.items) {
            QAction* a = QLatin1String(item.titulo) == QLatin1String("-")
                             ? menu->addSeparator()
                             : menu->addAction(QString::fromUtf8(item.titulo));
            a->setObjectName(QString::fromLatin1(item.nombre));
            if (item.atajo)
                a->setShortcut(QKeySequence(QString::fromLatin1(item.atajo)));
            m.acciones.insert(a->objectName(), a);
            m.clases.insert(a->objectName(), item.clase);
        }
    }
    m.Fijar(EstadoMenus::Carga);
    return m;
}

void Menus::Fijar(EstadoMenus estado)
{
    for (auto it = acciones.cbegin(); it != acciones.cend(); ++it) {
        switch (clases.value(it.key())) {
        case Habilitado::Siempre: break;
        case Habilitado::SinCalculo: it.value()->setEnabled(estado == EstadoMenus::Carga); break;
        case Habilitado::ConCalculo: it.value()->setEnabled(estado == EstadoMenus::Abierto); break;
        }
    }
}

} // namespace tarvia

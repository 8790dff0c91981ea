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
    QAction* Menus::*miembro = nullptr; // where the program finds it
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
             {"mnuNuevo", "Nuevo Cálculo", H::SinCalculo, &Menus::mnuNuevo},
             {"mnuCerrar", "Cerrar Cálculo", H::ConCalculo, &Menus::mnuCerrar},
             {"mnuSimulacionBar1", "-", H::Siempre},
             {"mnuFileExit", "Salir", H::Siempre, &Menus::mnuFileExit},
         }},
        {"mnuFile",
         "Archivo",
         {
             {"mnuFileOpen", "Abrir ...", H::SinCalculo, &Menus::mnuFileOpen},
             {"mnuFileSave", "Guardar ...", H::ConCalculo, &Menus::mnuFileSave},
             {"mnuFileSaveAs", "Guardar como ...", H::ConCalculo, &Menus::mnuFileSaveAs},
         }},
        {"mnuFormularios",
         "Formularios",
         {
             {"mnuCaracteristicas", "Características Técnicas y de Explotación", H::ConCalculo,
              &Menus::mnuCaracteristicas},
             {"mnuFijos1", "Vehículo de Tracción", H::ConCalculo, &Menus::mnuFijos1},
             {"mnuFijos2", "Semirremolque, Remolque y Equipos Auxiliares", H::ConCalculo, &Menus::mnuFijos2},
             {"mnuFijos3", "Personal, Seguros y Costes Fiscales", H::ConCalculo, &Menus::mnuFijos3},
             {"mnuVariables", "Carburante, Urea, Neumáticos, Mantenimiento, Reparaciones y Peajes", H::ConCalculo,
              &Menus::mnuVariables},
             {"mnuIndirectos", "Costes Indirectos", H::ConCalculo, &Menus::mnuIndirectos},
             {"mnuResultados", "Resultados", H::ConCalculo, &Menus::mnuResultados},
             {"mnuServicio", "Costes de un servicio concreto", H::ConCalculo, &Menus::mnuServicio},
         }},
        {"mnuImprimir",
         "Imprimir",
         {
             {"mnuPrintResultados", "Resultados", H::ConCalculo, &Menus::mnuPrintResultados},
             {"mnuPrintCaracteristicas", "Características Técnicas y de Explotación", H::ConCalculo,
              &Menus::mnuPrintCaracteristicas},
             {"mnuPrintFijos1", "Vehículo de Tracción", H::ConCalculo, &Menus::mnuPrintFijos1},
             {"mnuPrintFijos2", "Semirremolque, Remolque y Equipos Auxiliares", H::ConCalculo, &Menus::mnuPrintFijos2},
             {"mnuPrintFijos3", "Personal, Seguros y Costes Fiscales", H::ConCalculo, &Menus::mnuPrintFijos3},
             {"mnuPrintVariables", "Carburante, Urea, Neumáticos, Mantenimiento, Reparaciones y Peajes", H::ConCalculo,
              &Menus::mnuPrintVariables},
             {"mnuPrintIndirectos", "Costes Indirectos", H::ConCalculo, &Menus::mnuPrintIndirectos},
             {"mnuPrintTodo", "Todos los formularios", H::ConCalculo, &Menus::mnuPrintTodo},
             {"mnuPrintServicio", "Costes de un servicio concreto", H::ConCalculo, &Menus::mnuPrintServicio},
             {"mnuPrintBar1", "-", H::Siempre},
             {"mnuPrintResumen", "Resumen de costes…", H::ConCalculo, &Menus::mnuPrintResumen},
             {"mnuPrintPdf", "Guardar como PDF…", H::ConCalculo, &Menus::mnuPrintPdf},
         }},
        {"mnuEdit",
         "Edición",
         {
             {"mnuEditCut", "Cortar", H::ConCalculo, &Menus::mnuEditCut, "Ctrl+X"},
             {"mnuEditCopy", "Copiar", H::ConCalculo, &Menus::mnuEditCopy, "Ctrl+C"},
             {"mnuEditPaste", "Pegar", H::ConCalculo, &Menus::mnuEditPaste, "Ctrl+V"},
         }},
        {"mnuHelp",
         "Ayuda",
         {
             {"mnuHelpContents", "Contenido", H::Siempre, &Menus::mnuHelpContents},
             {"mnuHelpBar1", "-", H::Siempre},
             {"mnuHelpAbout", "Acerca de ...", H::Siempre, &Menus::mnuHelpAbout},
         }},
        {"mnuBaremario",
         "Baremario de Costes",
         {
             {"mnuAcuerdos", "Acuerdos", H::Siempre, &Menus::mnuAcuerdos},
         }},
        {"mnuAnalisis",
         "Análisis",
         {
             {"mnuComparar", "Comparar cálculos…", H::ConCalculo, &Menus::mnuComparar},
             {"mnuSensibilidad", "Sensibilidad…", H::ConCalculo, &Menus::mnuSensibilidad},
             {"mnuRevision", "Revisión por gasóleo…", H::ConCalculo, &Menus::mnuRevision},
             {"mnuPreciosGasoleo", "Precios oficiales del gasóleo…", H::Siempre, &Menus::mnuPreciosGasoleo},
             {"mnuPresupuesto", "Presupuesto…", H::ConCalculo, &Menus::mnuPresupuesto},
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
            if (item.miembro)
                m.*item.miembro = a;
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

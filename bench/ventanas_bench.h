#pragma once
// What the window benchmarks share: one application object on the offscreen
// platform (unless another is asked for) and a main window with a reference
// vehicle opened through the vehicle-type chooser.
#include "presentacion/documento.h"
#include "sheets/twips.h"
#include "shell/frm_main.h"
#include "shell/frm_tipo_veh.h"

#include <QApplication>
#include <QToolButton>

#include <clocale>
#include <memory>

namespace tarvia::bench {

inline void Aplicacion()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char nombre[] = "tarvia-bench";
    static char* argv[] = {nombre, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
}

// The main window with vehicle type `tipo` open on sheet C.
struct Principal {
    Documento doc;
    std::unique_ptr<FrmMain> ventana;
    explicit Principal(int tipo = 0)
    {
        Aplicacion();
        doc.calculo.Local = Localizacion::Desde(QLocale(QLocale::Spanish, QLocale::Spain));
        InicializarCalculo(doc.calculo);
        doc.pantalla.Restablecer();
        ventana = std::make_unique<FrmMain>(doc, QStringLiteral(TARVIA_BIN_DIR));
        ventana->resize(Px(12000), Px(15000));
        ventana->show();
        ventana->MostrarTipoVeh()->cmbVehiculos(tipo)->click();
        QApplication::processEvents();
    }
};

} // namespace tarvia::bench

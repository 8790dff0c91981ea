#pragma once
// The main window shown and active, for the tests that drive it as a user.
#include "ayuda_ventanas.h"

#include "sheets/hoja_disenada.h"
#include "sheets/twips.h"
#include "shell/frm_main.h"
#include "shell/frm_tipo_veh.h"

#include <QToolButton>
#include <memory>

namespace tarvia::prueba {

class VentanaPrincipal : public ::testing::Test {
protected:
    // `alto` in twips: shorter than a sheet makes the window scroll.
    void MostrarVentana(int alto = 7000)
    {
        PrepararDocumento(doc);
        ventana = std::make_unique<FrmMain>(doc, DirectorioPrograma());
        ventana->resize(Px(12000), Px(alto));
        ventana->show();
        ventana->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    }

    // Picks a vehicle type (0: articulated general cargo) as the dialog's button does.
    void Abrir(int tipo = 0)
    {
        ventana->MostrarTipoVeh()->cmbVehiculos(tipo)->click();
        ASSERT_NE(ventana->FormularioActual(), nullptr);
    }

    HojaDisenada* Hoja_(Hoja h) const { return qobject_cast<HojaDisenada*>(ventana->Formulario(h)); }

    GuardiaModal guardia;
    MensajesCapturados mensajes;
    Documento doc;
    std::unique_ptr<FrmMain> ventana;
};

} // namespace tarvia::prueba

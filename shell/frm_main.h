#pragma once
// The main window: menus, the sheet strip, the two scroll strips and the
// viewport in which exactly one sheet is shown while a calculation is open.
#include "presentacion/desplazamiento.h"
#include "presentacion/documento.h"
#include "shell/ajustes.h"
#include "shell/frm_archivo.h"
#include "shell/menus.h"
#include "shell/recientes.h"

#include <QMainWindow>
#include <QPointer>
#include <QSettings>
#include <array>
#include <memory>

class QScrollBar;
class QSettings;

namespace tarvia {

class FiltroRueda;
class FrmNueva;
class FrmTipoVeh;
class Patillas;
class VentanaHoja;

class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    // `directorio`: where Baremario and the help files lie (the program's
    // directory in the build tree); `calculos`: where the file dialogs open
    // (by default the Cálculos folder in `directorio`).
    FrmMain(Documento& doc, const QString& directorio, QWidget* padre = nullptr, const QString& calculos = {});

    // Opens a calculation file as "Cálculo previamente grabado" does; false,
    // with the file dialog's message, when it cannot be read. A reference
    // data file (.brm) starts a new calculation from it, with no file name.
    bool AbrirCalculo(const QString& ruta);

    // Where the last calculations are kept (the user's settings by default).
    void FijarAjustes(QSettings* ajustes);
    // The list at the end of the "Cálculo" menu, rebuilt as the menu opens.
    QList<QAction*> AccionesRecientes() const { return recientes_; }
    void ActualizarRecientes();
    ~FrmMain() override;

    // Sizes the window to the screen's work area, as it does when it loads:
    // the outer height is the work area's, the frame included.
    void Situar();
    // The same with the window manager's frame as given (its real size is
    // known only once the window has been decorated, after it is shown).
    void SituarConMarco(const QMargins& marco);

    void CargarPatillas();
    void CerrarPatillas();
    // Shows a sheet; nothing happens for a sheet not built yet.
    void MostrarFormulario(Hoja h);
    // Loads a sheet hidden if it is not yet (printing); nullptr for one not built.
    VentanaHoja* CargarFormulario(Hoja h) { return Crear(h); }

    // Scrolling of the shown sheet, all in twips.
    void SituarScrollV(VentanaHoja* hoja);
    void SituarScrollH(VentanaHoja* hoja);
    void MoverScrollV(VentanaHoja* hoja);
    void MoverScrollH(VentanaHoja* hoja);
    void DesplazarScrollV(VentanaHoja* hoja, int posicion);
    void CambioScrollV();
    void CambioScrollH();
    void MouseWheel(bool alejando);

    // The commands of the menus and the strip.
    FrmNueva* MostrarNueva();
    FrmTipoVeh* MostrarTipoVeh();
    // Both return whether the calculation was opened or saved.
    bool AbrirArchivo(FrmArchivo::Modo modo);
    bool GrabarCalculo();
    void CerrarCalculo();
    // "Guardar como PDF…": asks where, then writes the eight sheets there.
    void GuardarComoPdf();
    // "Resumen de costes…": the one-page summary, to print or save as a PDF.
    void MostrarResumen();
    // Writes them to `ruta` and says how it went; whether it was written.
    bool GuardarPdfEn(const QString& ruta);
    // The title's modified mark follows HayCambios.
    void MarcarCambios();
    // Shows, one by one, the messages the document has collected.
    void MostrarMensajesPendientes();
    // The save question with its title; returns Cancelado.
    bool PreguntarGrabar(const QString& titulo);

    const Menus& menus() const { return menus_; }
    Patillas* patillas() const { return patillas_; }
    VentanaHoja* FormularioActual() const { return actual_; }
    VentanaHoja* Formulario(Hoja h) const { return hojas_[static_cast<size_t>(Indice(h))]; }
    QScrollBar* VScroll1() const { return vscroll_; }
    QScrollBar* HScroll1() const { return hscroll_; }
    QWidget* Visor() const { return visor_; }
    const QString& Directorio() const { return directorio_; }
    Documento& documento() { return doc_; }

protected:
    void closeEvent(QCloseEvent* ev) override;
    bool event(QEvent* ev) override;
    bool eventFilter(QObject* objeto, QEvent* ev) override;

private:
    void ConectarMenus();
    void Colocar();
    void DejarFormulario();
    VentanaHoja* Crear(Hoja h);
    void FijarFondo(const QColor& color);
    void EnfocarControlActivo();
    void ConfirmarEdicion();
    Barra BarraV() const;
    Barra BarraH() const;

    Documento& doc_;
    QString directorio_;
    QString calculos_;
    QString ultimaCarpeta_; // of the last calculation opened or saved: "Guardar como" starts there
    Menus menus_;
    QWidget* cliente_ = nullptr;
    Patillas* patillas_ = nullptr;
    QWidget* visor_ = nullptr;
    QWidget* picV_ = nullptr;
    QWidget* picH_ = nullptr;
    QScrollBar* vscroll_ = nullptr;
    QScrollBar* hscroll_ = nullptr;
    FiltroRueda* rueda_ = nullptr;

    std::array<VentanaHoja*, kNumeroDeHojas> hojas_{};
    VentanaHoja* actual_ = nullptr;
    QColor colorFondo_;
    QColor colorPatilla_;
    int posicionV_ = 0; // the results sheet's own scroll position
    int posicionH_ = 0;
    bool cancelado_ = true;
    QMargins marcoSituado_; // the frame the window was last sized with
    QSettings* ajustes_ = nullptr;
    AjustesUsuario ajustesUsuario_;
    QList<QAction*> recientes_;
    void RecordarFichero();
    Recientes ListaReciente();
    QSettings& Ajustes(); // the user's settings, or those given for tests
    QPointer<FrmNueva> nueva_;
    QPointer<FrmTipoVeh> tipoVeh_;
};

} // namespace tarvia

#include "shell/frm_main.h"

#include "core/archivo.h"
#include "core/campos.h"
#include "engine/abrir.h"
#include "presentacion/edicion.h"
#include "presentacion/resumen.h"
#include "results/fabrica_hojas.h"
#include "results/ventana_comparar.h"
#include "results/ventana_precios_gasoleo.h"
#include "results/ventana_presupuesto.h"
#include "results/ventana_resumen.h"
#include "results/ventana_revision.h"
#include "results/ventana_sensibilidad.h"
#include "sheets/colores.h"
#include "sheets/hoja_disenada.h"
#include "sheets/medidas.h"
#include "sheets/twips.h"
#include "shell/ayuda.h"
#include "shell/ayuda_contexto.h"
#include "shell/frm_about.h"
#include "shell/frm_mensaje.h"
#include "shell/frm_nueva.h"
#include "shell/frm_pregunta_grabar.h"
#include "shell/frm_tipo_veh.h"
#include "shell/menu_imprimir.h"
#include "shell/patillas.h"
#include "shell/portapapeles.h"
#include "shell/recientes.h"
#include "shell/rueda.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>

#include <cstdio>

namespace tarvia {

namespace {

// The description as the name a save dialog proposes: the characters a file
// name cannot hold become "-".
QString NombreDeDescripcion(const Documento& doc)
{
    QString nombre = doc.calculo.Personal[campos::C::Descripcion].comoTexto().trimmed();
    nombre.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("-"));
    return nombre;
}

// The window manager's frame around the window (none before it is decorated).
QMargins MarcoDe(const QWidget& w)
{
    const QRect fuera = w.frameGeometry(), dentro = w.geometry();
    return {dentro.left() - fuera.left(), dentro.top() - fuera.top(), fuera.right() - dentro.right(),
            fuera.bottom() - dentro.bottom()};
}

constexpr int kMargen = medidas::kMargenHoja;
constexpr int kAnchoInterior = medidas::kAnchoInterior;
constexpr int kTira = medidas::kTira;
constexpr int kBarra = medidas::kBarra;

struct ItemHoja {
    QAction* Menus::*menu;
    Hoja hoja;
};
constexpr ItemHoja kItemsHoja[] = {
    {&Menus::mnuCaracteristicas, Hoja::C}, {&Menus::mnuFijos1, Hoja::F1},   {&Menus::mnuFijos2, Hoja::F2},
    {&Menus::mnuFijos3, Hoja::F3},         {&Menus::mnuVariables, Hoja::V}, {&Menus::mnuIndirectos, Hoja::I},
    {&Menus::mnuResultados, Hoja::R},      {&Menus::mnuServicio, Hoja::S},
};

QWidget* ControlActivoDe(VentanaHoja* hoja)
{
    if (auto* disenada = qobject_cast<HojaDisenada*>(hoja))
        return disenada->ControlActivo();
    return hoja ? hoja->focusWidget() : nullptr;
}

QWidget* Tira(QWidget* padre)
{
    auto* w = new QWidget(padre);
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, p.color(QPalette::Button)); // the system scroll-bar colour
    w->setPalette(p);
    w->hide();
    return w;
}

} // namespace

FrmMain::FrmMain(Documento& doc, const QString& directorio, QWidget* padre, const QString& calculos)
    : QMainWindow(padre), doc_(doc), directorio_(directorio),
      calculos_(calculos.isEmpty() ? directorio + QStringLiteral("/Cálculos") : calculos)
{
    setObjectName(QStringLiteral("frmMain"));
    FijarCarpetaCalculos(calculos_);
    setWindowTitle(QStringLiteral("TARVIA[*]")); // [*]: the modified mark, shown while HayCambios
    menus_ = CrearMenus(*menuBar());

    cliente_ = new QWidget(this);
    setCentralWidget(cliente_);
    cliente_->installEventFilter(this);
    patillas_ = new Patillas(cliente_);
    patillas_->hide();
    visor_ = new QWidget(cliente_);
    visor_->setObjectName(QStringLiteral("Visor"));
    visor_->setAutoFillBackground(true);
    picV_ = Tira(cliente_);
    picV_->setObjectName(QStringLiteral("PicVScroll"));
    picH_ = Tira(cliente_);
    picH_->setObjectName(QStringLiteral("PicHScroll"));
    vscroll_ = new QScrollBar(Qt::Vertical, picV_);
    vscroll_->setObjectName(QStringLiteral("VScroll1"));
    hscroll_ = new QScrollBar(Qt::Horizontal, picH_);
    hscroll_->setObjectName(QStringLiteral("HScroll1"));
    for (QScrollBar* b : {vscroll_, hscroll_}) {
        b->setFocusPolicy(Qt::NoFocus); // the focus stays on the sheet
        b->setSingleStep(600);
        b->setRange(0, 0);
    }
    // Both a change and a thumb drag move the sheet live.
    connect(vscroll_, &QScrollBar::valueChanged, this, &FrmMain::CambioScrollV);
    connect(hscroll_, &QScrollBar::valueChanged, this, &FrmMain::CambioScrollH);
    connect(patillas_, &Patillas::hojaPulsada, this, &FrmMain::MostrarFormulario);
    connect(patillas_, &Patillas::cerrarPulsado, this, [this] {
        CerrarCalculo();
        EnfocarControlActivo();
    });
    connect(patillas_, &Patillas::grabarPulsado, this, [this] {
        GrabarCalculo();
        EnfocarControlActivo();
    });
    rueda_ = new FiltroRueda(
        *this, [this](bool alejando) { MouseWheel(alejando); }, this);

    // Whatever is opened or saved, nothing is written among the reference data.
    ProtegerCarpeta(directorio_ + QStringLiteral("/Baremario"));

    // Window load.
    cancelado_ = true;
    colorFondo_ = QColor(colores::EspacioTrabajo);
    FijarFondo(colorFondo_);
    InicializarCalculo(doc_.calculo);
    doc_.pantalla.Restablecer();
    ConectarMenus();
    qApp->installEventFilter(new TeclaAyuda(MostrarMensaje, directorio_, this));
    FijarDuenoMensajes(this);
    Situar();
}

FrmMain::~FrmMain()
{
    rueda_->Quitar();
    FijarDuenoMensajes(nullptr);
}

void FrmMain::ConectarMenus()
{
    connect(menus_.mnuNuevo, &QAction::triggered, this, [this] { MostrarTipoVeh(); });
    connect(menus_.mnuCerrar, &QAction::triggered, this, &FrmMain::CerrarCalculo);
    connect(menus_.mnuFileExit, &QAction::triggered, this, &QWidget::close);
    connect(menus_.mnuFileOpen, &QAction::triggered, this, [this] { AbrirArchivo(FrmArchivo::Modo::Abrir); });
    connect(menus_.mnuFileSave, &QAction::triggered, this, &FrmMain::GrabarCalculo);
    connect(menus_.mnuFileSaveAs, &QAction::triggered, this, [this] { AbrirArchivo(FrmArchivo::Modo::Grabar); });
    for (const ItemHoja& item : kItemsHoja)
        connect(menus_.*item.menu, &QAction::triggered, this, [this, h = item.hoja] { MostrarFormulario(h); });
    ConectarImpresion(*this);
    connect(menus_.mnuPrintPdf, &QAction::triggered, this, &FrmMain::GuardarComoPdf);
    connect(menus_.mnuPrintResumen, &QAction::triggered, this, &FrmMain::MostrarResumen);
    connect(menus_.mnuComparar, &QAction::triggered, this, [this] {
        ConfirmarEdicion();
        const QStringList archivos = QFileDialog::getOpenFileNames(this, QStringLiteral("Comparar cálculos"), calculos_,
                                                                   QStringLiteral("Cálculos (*.trv *.brm)"));
        if (!archivos.isEmpty())
            VentanaComparar(doc_, archivos, MostrarMensaje, this).exec();
    });
    connect(menus_.mnuSensibilidad, &QAction::triggered, this, [this] {
        ConfirmarEdicion();
        VentanaSensibilidad(doc_, MostrarMensaje, this).exec();
    });
    connect(menus_.mnuRevision, &QAction::triggered, this, [this] {
        ConfirmarEdicion();
        VentanaRevision(doc_, LeerIndices(directorio_ + QStringLiteral("/Baremario/indices_repercusion.tsv")),
                        CargarPreciosGasoleo(RutaPreciosOficiales(directorio_), RutaPreciosDelUsuario()), Ajustes(),
                        MostrarMensaje, this)
            .exec();
    });
    connect(menus_.mnuPreciosGasoleo, &QAction::triggered, this, [this] {
        ConfirmarEdicion();
        VentanaPreciosGasoleo(CargarPreciosGasoleo(RutaPreciosOficiales(directorio_), RutaPreciosDelUsuario()),
                              MostrarMensaje, this)
            .exec();
    });
    connect(menus_.mnuPresupuesto, &QAction::triggered, this, [this] {
        ConfirmarEdicion();
        VentanaPresupuesto(doc_, Ajustes(), MostrarMensaje, this).exec();
    });
    connect(menus_.mnuHelpContents, &QAction::triggered, this,
            [this] { AbrirAyudaEn(this, MostrarMensaje, directorio_, TemaDelFrente()); });
    connect(menus_.mnuAcuerdos, &QAction::triggered, this,
            [this] { AbrirAcuerdos(this, MostrarMensaje, directorio_); });
    connect(menus_.mnuHelpAbout, &QAction::triggered, this, [this] { MostrarAcercaDe(this, MostrarMensaje); });
    // The edit commands act on the box being edited in the shown sheet.
    const auto enHoja = [this](void (*orden)(QWidget*)) {
        return [this, orden] {
            QWidget* foco = QApplication::focusWidget();
            if (actual_ && foco && actual_->isAncestorOf(foco))
                orden(foco);
        };
    };
    connect(menus_.mnuEditCut, &QAction::triggered, this, enHoja(&Cortar));
    connect(menus_.mnuEditCopy, &QAction::triggered, this, enHoja(&Copiar));
    connect(menus_.mnuEditPaste, &QAction::triggered, this, enHoja(&Pegar));
    // The recent calculations, as the Cálculo menu opens.
    connect(menus_.menus.front(), &QMenu::aboutToShow, this, &FrmMain::ActualizarRecientes);
    // Opening a menu commits the field being edited before any command runs;
    // the edit menu leaves the focus where it is.
    for (QMenu* menu : menus_.menus)
        if (menu->objectName() != QLatin1String("mnuEdit"))
            connect(menu, &QMenu::aboutToShow, this, [this] {
                if (patillas_->isVisibleTo(this))
                    ConfirmarEdicion();
            });
}

void FrmMain::Situar() { SituarConMarco(MarcoDe(*this)); }

void FrmMain::SituarConMarco(const QMargins& marco)
{
    marcoSituado_ = marco;
    if (isMinimized() || isMaximized())
        return;
    const QScreen* pantalla = screen();
    const QRect trabajo = pantalla ? pantalla->availableGeometry() : QRect(0, 0, 1024, 768);
    const int marcoAncho = marco.left() + marco.right();
    const int marcoAlto = marco.top() + marco.bottom();
    const int pedido = marcoAncho + Px(kAnchoInterior) + Px(kTira);
    const Horizontal h = SituarVentana(pedido, trabajo.width());
    // Only the work area's size counts; the window goes to the top.
    resize(h.ancho - marcoAncho, trabajo.height() - marcoAlto);
    move(h.izquierda, 0);
}

bool FrmMain::event(QEvent* ev)
{
    const bool r = QMainWindow::event(ev);
    // The window manager adds its frame after the first show: size the
    // window again with it, once, so that it fits the screen.
    if ((ev->type() == QEvent::Move || ev->type() == QEvent::Resize || ev->type() == QEvent::Show) && isVisible() &&
        MarcoDe(*this) != marcoSituado_ && marcoSituado_.isNull())
        Situar();
    return r;
}

void FrmMain::Colocar()
{
    const QRect r = cliente_->rect();
    const bool abierto = patillas_->isVisibleTo(cliente_);
    const int arriba = abierto ? Px(medidas::kAltoPatillas) : 0;
    const int tiraH = abierto ? Px(kTira) : 0;
    const int tiraV = abierto ? Px(kTira) : 0;
    patillas_->setGeometry(0, 0, r.width(), Px(medidas::kAltoPatillas));
    const int alto = std::max(0, r.height() - arriba - tiraH);
    visor_->setGeometry(0, arriba, std::max(0, r.width() - tiraV), alto);
    picV_->setGeometry(r.width() - tiraV, arriba, tiraV, alto);
    picH_->setGeometry(0, r.height() - tiraH, r.width(), tiraH);
    vscroll_->setGeometry(Px(medidas::kBordeBarra), 0, Px(kBarra), alto);
    hscroll_->setGeometry(0, Px(medidas::kBordeBarra), std::max(0, r.width() - tiraV), Px(kBarra));
    if (abierto && actual_) {
        SituarScrollV(actual_);
        SituarScrollH(actual_);
        EnfocarControlActivo();
    }
}

bool FrmMain::eventFilter(QObject* objeto, QEvent* ev)
{
    if (objeto == cliente_ && ev->type() == QEvent::Resize)
        Colocar();
    // A box would take its clipboard keys for itself; left unaccepted, they
    // reach the menu's shortcuts, so the keys and the menu do the same.
    if (ev->type() == QEvent::ShortcutOverride) {
        const QKeySequence tecla(static_cast<QKeyEvent*>(ev)->keyCombination());
        for (QAction* a : {menus_.mnuEditCut, menus_.mnuEditCopy, menus_.mnuEditPaste})
            if (a->isEnabled() && a->shortcut() == tecla)
                return true;
    }
    return QMainWindow::eventFilter(objeto, ev);
}

void FrmMain::FijarFondo(const QColor& color)
{
    QPalette p = visor_->palette();
    p.setColor(QPalette::Window, color);
    visor_->setPalette(p);
}

// ---- opening and closing ----

void FrmMain::CargarPatillas()
{
    menus_.Fijar(EstadoMenus::Abierto);
    colorPatilla_ = QColor(colores::BotonCaracteristicas);
    patillas_->show();
    FijarFondo(QColor(colores::Patillas));
    posicionV_ = posicionH_ = 0;
    picV_->show();
    picH_->show();
    Colocar();
    if (!Crear(Hoja::C)) {
        CerrarPatillas();
        MostrarMensaje(QStringLiteral("Archivo en mal estado."), QStringLiteral("Error"));
        return;
    }
    MostrarFormulario(Hoja::C);
    activateWindow(); // the chooser that closed had it
    MarcarCambios();
    RecordarFichero();
    MostrarMensajesPendientes();
}

void FrmMain::CerrarPatillas()
{
    doc_.calculo.RutaArchivo.clear();
    rueda_->Quitar();
    actual_ = nullptr;
    InicializarCalculo(doc_.calculo);
    doc_.pantalla.Restablecer();
    for (VentanaHoja*& h : hojas_) {
        delete h;
        h = nullptr;
    }
    menus_.Fijar(EstadoMenus::Carga);
    for (Hoja h : TodasLasHojas)
        patillas_->Boton(h)->FijarCara(h == Hoja::C ? colorPatilla_ : patillas_->cmbCerrar()->Cara());
    FijarFondo(colorFondo_);
    picV_->hide();
    picH_->hide();
    patillas_->hide();
    Colocar();
    MarcarCambios();
}

void FrmMain::MarcarCambios()
{
    // The open file's name after the application's, and the modified mark.
    const QString& ruta = doc_.calculo.RutaArchivo;
    setWindowTitle(ruta.isEmpty() ? QStringLiteral("TARVIA[*]")
                                  : QStringLiteral("TARVIA - %1[*]").arg(QFileInfo(ruta).fileName()));
    setWindowModified(HayCambios(doc_.calculo));
}

VentanaHoja* FrmMain::Crear(Hoja h)
{
    VentanaHoja*& hoja = hojas_[static_cast<size_t>(Indice(h))];
    if (hoja)
        return hoja;
    hoja = CrearHoja(h, doc_, visor_);
    if (!hoja)
        return nullptr;
    hoja->hide();
    hoja->setAutoFillBackground(true);
    for (QLineEdit* caja : hoja->findChildren<QLineEdit*>())
        caja->installEventFilter(this); // Ctrl+X, C, V belong to the Edición menu
    connect(hoja, &VentanaHoja::controlEnfocado, this, [this, hoja] {
        MoverScrollV(hoja);
        MoverScrollH(hoja);
    });
    connect(hoja, &VentanaHoja::teclaPagina, this, [this, hoja](int codigo) {
        if (const auto p = PosicionTrasTeclaPagina(vscroll_->value(), vscroll_->pageStep(), codigo))
            DesplazarScrollV(hoja, *p);
    });
    // After the event that raised them, so that a modal window never opens
    // in the middle of a focus change.
    connect(hoja, &VentanaHoja::mensajesPendientes, this, &FrmMain::MostrarMensajesPendientes, Qt::QueuedConnection);
    connect(hoja, &VentanaHoja::modeloCambiado, this, &FrmMain::MarcarCambios);
    return hoja;
}

void FrmMain::DejarFormulario()
{
    rueda_->Quitar();
    for (Hoja h : TodasLasHojas)
        patillas_->Boton(h)->FijarCara(patillas_->cmbCerrar()->Cara());
    if (!actual_)
        return;
    if (actual_->hoja() == Hoja::R) {
        posicionV_ = vscroll_->value();
        posicionH_ = hscroll_->value();
    }
    actual_->hide();
}

void FrmMain::MostrarFormulario(Hoja h)
{
    VentanaHoja* hoja = Crear(h);
    if (!hoja)
        return; // a sheet not built yet
    DejarFormulario();
    patillas_->Boton(h)->FijarCara(colorPatilla_);
    QPalette p = hoja->palette();
    p.setColor(QPalette::Window, visor_->palette().color(QPalette::Window));
    hoja->setPalette(p);
    hoja->FijarColorTitulo(colorPatilla_);
    hoja->Refrescar();
    hoja->show();
    actual_ = hoja;
    hoja->Activar();
    SituarScrollV(hoja);
    SituarScrollH(hoja);
    rueda_->Instalar(hoja);
    EnfocarControlActivo();
}

void FrmMain::EnfocarControlActivo()
{
    if (QWidget* w = ControlActivoDe(actual_))
        w->setFocus(Qt::OtherFocusReason);
}

void FrmMain::ConfirmarEdicion()
{
    if (auto* disenada = qobject_cast<HojaDisenada*>(actual_))
        disenada->ConfirmarEdicion();
}

void FrmMain::MostrarMensajesPendientes()
{
    while (!doc_.mensajes.empty()) {
        const Mensaje m = doc_.mensajes.front();
        doc_.mensajes.erase(doc_.mensajes.begin());
        MostrarMensaje(m.texto, m.titulo);
    }
}

// ---- scrolling ----

Barra FrmMain::BarraV() const
{
    Barra b;
    b.minimo = vscroll_->minimum();
    b.maximo = vscroll_->maximum();
    b.valor = vscroll_->value();
    b.cambioPequeno = vscroll_->singleStep();
    b.cambioGrande = vscroll_->pageStep();
    return b;
}

Barra FrmMain::BarraH() const
{
    Barra b;
    b.minimo = hscroll_->minimum();
    b.maximo = hscroll_->maximum();
    b.valor = hscroll_->value();
    b.cambioPequeno = hscroll_->singleStep();
    b.cambioGrande = hscroll_->pageStep();
    return b;
}

void FrmMain::SituarScrollV(VentanaHoja* hoja)
{
    if (!hoja)
        return;
    const Barra b = DimensionarV(hoja->TamanoTwips().height(), Twips(picV_->height()));
    const QSignalBlocker bloqueo(vscroll_);
    vscroll_->setRange(0, b.maximo);
    vscroll_->setPageStep(b.cambioGrande);
    vscroll_->setValue(hoja->hoja() == Hoja::R ? posicionV_
                                               : InicioDePagina(b, hoja->PosicionControlActivo().vertical));
    CambioScrollV();
}

void FrmMain::SituarScrollH(VentanaHoja* hoja)
{
    if (!hoja)
        return;
    const Barra b = DimensionarH(hoja->TamanoTwips().width(), Twips(picH_->width()), Twips(picV_->width()));
    const QSignalBlocker bloqueo(hscroll_);
    hscroll_->setRange(0, b.maximo);
    hscroll_->setPageStep(b.cambioGrande);
    hscroll_->setValue(hoja->hoja() == Hoja::R ? posicionH_
                                               : InicioDePagina(b, hoja->PosicionControlActivo().horizontal));
    CambioScrollH();
}

void FrmMain::MoverScrollV(VentanaHoja* hoja)
{
    const VentanaHoja::PosicionCampo pos = hoja->PosicionControlActivo();
    vscroll_->setValue(MoverV(BarraV(), pos.vertical, pos.alto));
}

void FrmMain::MoverScrollH(VentanaHoja* hoja)
{
    hscroll_->setValue(MoverH(BarraH(), hoja->PosicionControlActivo().horizontal));
}

void FrmMain::DesplazarScrollV(VentanaHoja*, int posicion)
{
    vscroll_->setValue(Desplazar(BarraV(), posicion));
    if (actual_ && actual_->hoja() == Hoja::R)
        posicionV_ = vscroll_->value();
}

void FrmMain::CambioScrollV()
{
    if (!actual_)
        return;
    actual_->move(actual_->x(), Px(kMargen - vscroll_->value()));
    if (actual_->hoja() == Hoja::R)
        posicionV_ = vscroll_->value();
}

void FrmMain::CambioScrollH()
{
    if (!actual_)
        return;
    actual_->move(Px(kMargen - hscroll_->value()), actual_->y());
    if (actual_->hoja() == Hoja::R)
        posicionH_ = hscroll_->value();
}

void FrmMain::MouseWheel(bool alejando) { DesplazarScrollV(actual_, PasoRueda(BarraV(), alejando)); }

// ---- commands ----

FrmNueva* FrmMain::MostrarNueva()
{
    auto* nueva = new FrmNueva(this);
    nueva_ = nueva;
    connect(nueva, &FrmNueva::abierta, this, [this] { menus_.Fijar(EstadoMenus::Bloqueado); });
    connect(nueva, &FrmNueva::cerrada, this, [this] { menus_.Fijar(EstadoMenus::Carga); });
    connect(nueva, &FrmNueva::nuevoCalculo, this, [this] { MostrarTipoVeh(); });
    connect(nueva, &FrmNueva::calculoGrabado, this, [this] { AbrirArchivo(FrmArchivo::Modo::Abrir); });
    CentrarSobre(*nueva, this);
    nueva->show();
    nueva->activateWindow();
    return nueva;
}

FrmTipoVeh* FrmMain::MostrarTipoVeh()
{
    if (tipoVeh_) {
        tipoVeh_->raise();
        return tipoVeh_;
    }
    auto* tipo = new FrmTipoVeh(doc_, directorio_, this);
    tipoVeh_ = tipo;
    connect(tipo, &FrmTipoVeh::abierta, this, [this] { menus_.Fijar(EstadoMenus::Bloqueado); });
    connect(tipo, &FrmTipoVeh::cerrada, this, [this] { menus_.Fijar(EstadoMenus::Carga); });
    connect(tipo, &FrmTipoVeh::cargado, this, &FrmMain::CargarPatillas);
    tipo->adjustSize(); // its layout's size, so that centring sees the real one
    CentrarSobre(*tipo, this);
    tipo->show();
    tipo->activateWindow();
    return tipo;
}

bool FrmMain::AbrirArchivo(FrmArchivo::Modo modo)
{
    FrmArchivo dialogo(doc_, modo, directorio_, this, calculos_, ultimaCarpeta_);
    const bool aceptado = dialogo.exec() == QDialog::Accepted;
    if (aceptado && modo == FrmArchivo::Modo::Abrir)
        CargarPatillas();
    else if (actual_)
        actual_->Refrescar(); // the personal frame shows the new date
    if (aceptado)
        RecordarFichero();
    MarcarCambios();
    return aceptado;
}

void FrmMain::FijarAjustes(QSettings* ajustes) { ajustes_ = ajustes; }

QSettings& FrmMain::Ajustes()
{
    if (ajustes_)
        return *ajustes_;
    if (!ajustesUsuario_.ajustes) {
        ajustesUsuario_ = AbrirAjustes(RutaAjustes());
        if (!ajustesUsuario_.aviso.isEmpty())
            std::fprintf(stderr, "tarvia: %s\n", ajustesUsuario_.aviso.toUtf8().constData());
    }
    return *ajustesUsuario_.ajustes;
}

Recientes FrmMain::ListaReciente() { return Recientes(Ajustes()); }

// The open calculation's file goes to the top of the recent list.
void FrmMain::RecordarFichero()
{
    if (doc_.calculo.RutaArchivo.isEmpty())
        return;
    ListaReciente().Anadir(doc_.calculo.RutaArchivo);
    ultimaCarpeta_ = QFileInfo(doc_.calculo.RutaArchivo).absolutePath();
}

void FrmMain::ActualizarRecientes()
{
    QMenu* menu = menus_.menus.front(); // "Cálculo"
    for (QAction* a : recientes_) {
        menu->removeAction(a);
        a->deleteLater();
    }
    recientes_.clear();
    const QStringList lista = ListaReciente().Lista();
    if (lista.isEmpty())
        return;
    recientes_.push_back(menu->addSeparator());
    // Like "Abrir ...": only while no calculation is open.
    const bool habilitado = menus_.mnuFileOpen->isEnabled();
    for (int k = 0; k < lista.size(); ++k) {
        const QString ruta = lista[k];
        QAction* a = menu->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(QFileInfo(ruta).fileName()));
        a->setToolTip(QDir::toNativeSeparators(ruta));
        a->setEnabled(habilitado);
        connect(a, &QAction::triggered, this, [this, ruta] {
            if (!QFileInfo(ruta).isFile()) {
                ListaReciente().Quitar(ruta);
                MostrarMensaje(MensajeArchivo(FalloArchivo::NoEncontrado), QStringLiteral("Error"));
                return;
            }
            AbrirCalculo(ruta);
        });
        recientes_.push_back(a);
    }
}

bool FrmMain::AbrirCalculo(const QString& ruta)
{
    const QString completa = RutaAbsoluta(ruta);
    const FalloArchivo fallo = LeerArchivo(doc_, completa);
    if (fallo != FalloArchivo::Ninguno) {
        MostrarMensaje(MensajeArchivo(fallo), QStringLiteral("Error"));
        return false;
    }
    // Reference data start a new calculation, as choosing the vehicle type
    // does: no file of its own, so Grabar asks for a name.
    doc_.calculo.RutaArchivo = EsDatoDeReferencia(completa) ? QString() : completa;
    CargarPatillas();
    return true;
}

bool FrmMain::GrabarCalculo()
{
    if (doc_.calculo.RutaArchivo.isEmpty())
        return AbrirArchivo(FrmArchivo::Modo::Grabar);
    const FalloArchivo fallo = EscribirArchivo(doc_, doc_.calculo.RutaArchivo, QDate::currentDate());
    if (actual_)
        actual_->Refrescar();
    MarcarCambios();
    if (fallo == FalloArchivo::Ninguno)
        RecordarFichero();
    if (fallo == FalloArchivo::Ninguno)
        MostrarMensaje(QStringLiteral("El archivo se ha grabado."), QStringLiteral("Grabar"));
    else // nothing was replaced; say why
        MostrarMensaje(MensajeEscritura(fallo, doc_.calculo.RutaArchivo), QStringLiteral("Error"));
    return fallo == FalloArchivo::Ninguno;
}

void FrmMain::GuardarComoPdf()
{
    ConfirmarEdicion(); // the name proposed is the description as it stands
    MostrarMensajesPendientes();
    const QString nombre = NombreDeDescripcion(doc_);
    const QString ruta = PedirRutaExportacion(
        this, QStringLiteral("Guardar como PDF"), QStringLiteral("Documentos PDF (*.pdf)"), MostrarMensaje,
        (nombre.isEmpty() ? QStringLiteral("TARVIA") : nombre) + QStringLiteral(".pdf"));
    if (!ruta.isEmpty())
        GuardarPdfEn(ruta);
    EnfocarControlActivo();
}

void FrmMain::MostrarResumen()
{
    ConfirmarEdicion(); // the summary shows the field being typed in
    MostrarMensajesPendientes();
    const QString nombre = NombreDeDescripcion(doc_);
    const QString pdf = nombre.isEmpty() ? QStringLiteral("Resumen de costes.pdf")
                                         : QStringLiteral("Resumen de costes - %1.pdf").arg(nombre);
    VentanaResumen(ResumenDeCostes(doc_, QDate::currentDate()), MostrarMensaje, pdf, this).exec();
    EnfocarControlActivo();
}

bool FrmMain::GuardarPdfEn(const QString& ruta)
{
    const FalloArchivo fallo = GuardarPdf(*this, ruta);
    MostrarMensajesPendientes();
    if (fallo != FalloArchivo::Ninguno) {
        MostrarMensaje(MensajeEscritura(fallo, ruta), QStringLiteral("Error"));
        return false;
    }
    ConfirmarExportacion(fallo, ruta, MostrarMensaje);
    return true;
}

bool FrmMain::PreguntarGrabar(const QString& titulo)
{
    FrmPreguntaGrabar pregunta(
        titulo, [this] { return GrabarCalculo(); }, this);
    pregunta.exec();
    cancelado_ = pregunta.Cancelado();
    return cancelado_;
}

void FrmMain::CerrarCalculo()
{
    if (!HayCambios(doc_.calculo)) {
        CerrarPatillas();
        return;
    }
    if (!PreguntarGrabar(QStringLiteral("Cerrar")))
        CerrarPatillas();
}

void FrmMain::closeEvent(QCloseEvent* ev)
{
    if (patillas_->isVisibleTo(this)) {
        ConfirmarEdicion();
        MostrarMensajesPendientes();
        if (HayCambios(doc_.calculo) && PreguntarGrabar(QStringLiteral("Salir"))) {
            ev->ignore();
            return;
        }
    }
    ev->accept();
}

} // namespace tarvia

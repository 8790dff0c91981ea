// The main window and the lifecycle dialogs on the offscreen platform.
#include "ventana_principal.h"

#include "engine/revision.h"
#include "results/ventana_comparar.h"
#include "results/ventana_precios_gasoleo.h"
#include "results/ventana_presupuesto.h"
#include "results/ventana_resumen.h"
#include "results/ventana_revision.h"
#include "results/ventana_revision_lista.h"
#include "results/ventana_sensibilidad.h"
#include "shell/ayuda_contexto.h"
#include "shell/visor_ayuda.h"

#include "sheets/marco_hoja.h"
#include "sheets/twips.h"
#include "shell/ajustes.h"
#include "shell/frm_archivo.h"
#include "shell/frm_main.h"
#include "shell/frm_nueva.h"
#include "shell/frm_tipo_veh.h"
#include "shell/patillas.h"
#include "shell/recientes.h"
#include "shell/tipos_vehiculo.h"
#include "shell/ubicaciones.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace tarvia;
using namespace tarvia::prueba;

namespace {

QStringList Habilitados(const Menus& m)
{
    QStringList on;
    for (auto it = m.acciones.cbegin(); it != m.acciones.cend(); ++it)
        if (it.value()->isEnabled() && !it.value()->isSeparator())
            on << it.key();
    on.sort();
    return on;
}

const QStringList kSiempre = {"mnuAcuerdos", "mnuFileExit", "mnuHelpAbout", "mnuHelpContents", "mnuPreciosGasoleo"};
const QStringList kSinCalculo = {"mnuAcuerdos",     "mnuFileExit", "mnuFileOpen",      "mnuHelpAbout",
                                 "mnuHelpContents", "mnuNuevo",    "mnuPreciosGasoleo"};

class Principal : public VentanaPrincipal {
protected:
    void SetUp() override { MostrarVentana(); }

    HojaDisenada* C() const { return Hoja_(Hoja::C); }

    // Changes C(7) as the user would and leaves the field.
    void Editar()
    {
        Teclear(C()->Caja(Columna::S, 7), QStringLiteral("150000"));
        C()->ConfirmarEdicion();
        ASSERT_TRUE(HayCambios(doc.calculo));
    }
};

TEST_F(Principal, MenusSinCalculoConCalculoYConLosDialogosAbiertos)
{
    EXPECT_EQ(Habilitados(ventana->menus()), kSinCalculo);
    EXPECT_FALSE(ventana->patillas()->isVisible());

    FrmNueva* nueva = ventana->MostrarNueva();
    EXPECT_EQ(Habilitados(ventana->menus()), kSiempre);
    nueva->close();
    EXPECT_EQ(Habilitados(ventana->menus()), kSinCalculo);

    // "Aceptar" on a new calculation opens the vehicle types.
    nueva = ventana->MostrarNueva();
    EXPECT_TRUE(nueva->opbNueva()->isChecked());
    nueva->findChild<QPushButton*>("OKButton")->click();
    auto* tipo = ventana->findChild<FrmTipoVeh*>();
    ASSERT_NE(tipo, nullptr);
    EXPECT_TRUE(tipo->isVisible());
    EXPECT_EQ(Habilitados(ventana->menus()), kSiempre);
    tipo->close();
    EXPECT_EQ(Habilitados(ventana->menus()), kSinCalculo);

    Abrir();
    QStringList abierto = Habilitados(ventana->menus());
    // "Resumen de costes…", "Guardar como PDF…", the four analyses, the diesel prices
    EXPECT_EQ(abierto.size(), 4 + 23 + 2 + 4 + 1);
    EXPECT_FALSE(abierto.contains("mnuNuevo"));
    EXPECT_FALSE(abierto.contains("mnuFileOpen"));
    EXPECT_TRUE(abierto.contains("mnuCerrar"));
    EXPECT_TRUE(abierto.contains("mnuEditPaste"));
}

TEST_F(Principal, ElegirUnTipoMuestraLaHojaC)
{
    Abrir(3);
    auto* c = C();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(ventana->FormularioActual(), c);
    EXPECT_TRUE(c->isVisible());
    EXPECT_TRUE(ventana->patillas()->isVisible());
    EXPECT_TRUE(doc.calculo.RutaArchivo.isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ventana->findChild<FrmTipoVeh*>() == nullptr; })) << "the chooser closes";
    EXPECT_EQ(ventana->patillas()->Boton(Hoja::C)->Cara(), c->MarcoTitulo()->fondo());
    EXPECT_TRUE(mensajes.lista.empty());
    ventana->menus()["mnuFijos1"]->trigger();
    ASSERT_NE(ventana->FormularioActual(), nullptr);
    EXPECT_EQ(ventana->FormularioActual()->hoja(), Hoja::F1);
    EXPECT_FALSE(c->isVisible());
}

// Under each picture, the type's name: its file name with the accents
// Spanish wants, whole in its cell, clear of every other picture and name;
// the tooltip still tells the long name.
TEST_F(Principal, CadaTipoDeVehiculoLlevaSuNombreBajoElDibujo)
{
    const auto sinAcentos = [](const QString& s) {
        QString r;
        for (QChar c : s.normalized(QString::NormalizationForm_D))
            if (c.category() != QChar::Mark_NonSpacing)
                r += c;
        return r;
    };
    const QStringList sinTilde = {"Frigorifico", "Quimicos", "Distribucion", "Portavehiculos", "Alimentacion"};
    FrmTipoVeh* tipo = ventana->MostrarTipoVeh();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tipo));
    std::vector<QRect> ocupados;
    for (int i = 0; i < 20; ++i) {
        const TipoVehiculo& t = TiposVehiculo[static_cast<size_t>(i)];
        const QString titulo = QString::fromUtf8(t.titulo);
        EXPECT_EQ(sinAcentos(titulo), QString::fromUtf8(t.nombre));
        for (const QString& palabra : sinTilde)
            EXPECT_FALSE(titulo.contains(palabra)) << titulo.toStdString();
        QToolButton* boton = tipo->cmbVehiculos(i);
        QLabel* nombre = tipo->lblVehiculos(i);
        ASSERT_NE(nombre, nullptr);
        EXPECT_TRUE(nombre->isVisible());
        EXPECT_EQ(nombre->text(), titulo);
        EXPECT_EQ(boton->toolTip(), QString::fromUtf8(t.rotulo));
        const QRect b = boton->geometry();
        const QRect n = nombre->geometry();
        EXPECT_GE(n.top(), b.bottom()) << titulo.toStdString();
        EXPECT_LE(n.top() - b.bottom(), Px(240)) << titulo.toStdString();
        EXPECT_LE(std::abs(n.center().x() - b.center().x()), 1) << titulo.toStdString();
        EXPECT_LE(nombre->heightForWidth(n.width()), n.height()) << "cut: " << titulo.toStdString();
        for (const QString& palabra : titulo.split(u' '))
            EXPECT_LE(nombre->fontMetrics().horizontalAdvance(palabra), n.width()) << palabra.toStdString();
        EXPECT_TRUE(tipo->rect().contains(n)) << titulo.toStdString();
        for (const QRect& otro : ocupados) {
            EXPECT_FALSE(otro.intersects(b)) << titulo.toStdString();
            EXPECT_FALSE(otro.intersects(n)) << titulo.toStdString();
        }
        ocupados.push_back(b);
        ocupados.push_back(n);
    }
    // The rows line up: every name of a row starts at the same height.
    for (int i = 1; i < 20; ++i) {
        if (TiposVehiculo[static_cast<size_t>(i)].fila == TiposVehiculo[static_cast<size_t>(i - 1)].fila) {
            EXPECT_EQ(tipo->lblVehiculos(i)->y(), tipo->lblVehiculos(i - 1)->y());
        }
    }
    tipo->close();
}

// A click on the name chooses the type, as one on its picture.
TEST_F(Principal, PulsarElNombreEligeElTipo)
{
    FrmTipoVeh* tipo = ventana->MostrarTipoVeh();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tipo));
    QTest::mouseClick(tipo->lblVehiculos(6), Qt::LeftButton);
    ASSERT_NE(ventana->FormularioActual(), nullptr);
    Documento furgoneta;
    CargarReferencia(furgoneta, "Furgoneta");
    EXPECT_EQ(doc.calculo.Referencia.C(1).comoTexto(), furgoneta.calculo.Referencia.C(1).comoTexto());
}

TEST_F(Principal, SinBaremarioElTipoDeVehiculoAvisaYSigueAbierto)
{
    QTemporaryDir vacio;
    FrmTipoVeh tipo(doc, vacio.path(), ventana.get());
    tipo.Elegir(0);
    ASSERT_EQ(mensajes.lista.size(), 1u);
    EXPECT_EQ(mensajes.lista[0].titulo, QStringLiteral("Error"));
    EXPECT_EQ(mensajes.lista[0].texto, MensajeBaremario(FalloArchivo::DirectorioNoExiste));
    EXPECT_EQ(tipo.result(), 0);
    EXPECT_EQ(ventana->FormularioActual(), nullptr);
}

TEST_F(Principal, CerrarYSalirPreguntanSoloConCambiosYCancelarLoConservaTodo)
{
    Abrir();
    ventana->menus()["mnuCerrar"]->trigger(); // a question here would trip the modal guard
    EXPECT_EQ(ventana->FormularioActual(), nullptr);
    EXPECT_EQ(ventana->Formulario(Hoja::C), nullptr) << "sheets are destroyed";
    EXPECT_FALSE(ventana->patillas()->isVisible());
    EXPECT_EQ(Habilitados(ventana->menus()), kSinCalculo);

    Abrir();
    Editar();
    QString titulo;
    AlAbrirModal([&](QWidget* w) {
        titulo = w->windowTitle();
        w->findChild<QPushButton*>("cmbCancelar")->click();
    });
    ventana->patillas()->cmbCerrar()->click();
    EXPECT_EQ(titulo, QStringLiteral("Cerrar"));
    EXPECT_NE(ventana->FormularioActual(), nullptr);
    EXPECT_EQ(doc.calculo.Personal.C(7).numero(), 150000.0);

    // Enter presses the button that has the focus, as Space does.
    AlAbrirModal([](QWidget* w) {
        w->findChild<QPushButton*>("cmbNo")->setFocus();
        QTest::keyClick(w, Qt::Key_Return);
    });
    ventana->menus()["mnuCerrar"]->trigger();
    EXPECT_EQ(ventana->FormularioActual(), nullptr);

    // Leaving the program asks "Salir"; its close box counts as "Cancelar".
    EXPECT_TRUE(ventana->close()) << "nothing open: never asks";
    ventana->show();
    Abrir();
    Editar();
    AlAbrirModal([&](QWidget* w) {
        titulo = w->windowTitle();
        w->close();
    });
    EXPECT_FALSE(ventana->close());
    EXPECT_EQ(titulo, QStringLiteral("Salir"));
    AlAbrirModal([&](QWidget* w) { w->findChild<QPushButton*>("cmbNo")->click(); });
    EXPECT_TRUE(ventana->close());
}

TEST_F(Principal, PreguntaSiGrabaAntesDeSeguir)
{
    Abrir();
    Editar();
    QTemporaryDir dir;
    doc.calculo.RutaArchivo = dir.filePath(QStringLiteral("uno.trv"));
    AlAbrirModal([&](QWidget* w) { w->findChild<QPushButton*>("cmbSi")->click(); });
    EXPECT_TRUE(ventana->isWindowModified()) << "the title marks the change";
    EXPECT_FALSE(ventana->PreguntarGrabar(QStringLiteral("Cerrar")));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("uno.trv"))));
    EXPECT_FALSE(HayCambios(doc.calculo));
    EXPECT_FALSE(ventana->isWindowModified());
    ASSERT_EQ(mensajes.lista.size(), 1u);
    EXPECT_EQ(mensajes.lista[0].texto, QStringLiteral("El archivo se ha grabado."));
    EXPECT_EQ(mensajes.lista[0].titulo, QStringLiteral("Grabar"));
}

// Saving a calculation that has no file yet asks for its name. "Sí" with a
// save that does not complete calls the close off, so the changes are not
// lost: first the save dialog cancelled, then a write the disk refuses (a
// directory stands where the file was).
TEST_F(Principal, SiSinGrabarNoCierraNada)
{
    Abrir();
    Editar();
    bool pideNombre = false;
    AlAbrirModal([&](QWidget* w) {
        pideNombre = qobject_cast<FrmArchivo*>(w) != nullptr;
        w->close();
    });
    ventana->patillas()->cmbGrabar()->click();
    EXPECT_TRUE(pideNombre);
    EXPECT_TRUE(mensajes.lista.empty());
    AlAbrirModal([&](QWidget* w) {
        // The save dialog opens inside the click: its answer is set up first.
        AlAbrirModal([](QWidget* dialogo) { dialogo->findChild<QPushButton*>("cmbCancelar")->click(); });
        w->findChild<QPushButton*>("cmbSi")->click();
    });
    ventana->CerrarCalculo();
    EXPECT_NE(ventana->FormularioActual(), nullptr) << "the calculation stays open";
    EXPECT_TRUE(HayCambios(doc.calculo));

    QTemporaryDir dir;
    doc.calculo.RutaArchivo = dir.path();
    AlAbrirModal([&](QWidget* w) { w->findChild<QPushButton*>("cmbSi")->click(); });
    EXPECT_FALSE(ventana->close());
    EXPECT_TRUE(HayCambios(doc.calculo));
    ASSERT_EQ(mensajes.lista.size(), 1u);
    EXPECT_EQ(mensajes.lista[0].titulo, QStringLiteral("Error"));
}

// The window manager's frame, known only after the window is shown, counts
// in the height: the outer window is the work area's height, no more.
TEST_F(Principal, LaVentanaConSuMarcoCabeEnLaPantalla)
{
    const QMargins marco(4, 25, 4, 4);
    ventana->SituarConMarco(marco);
    const QRect trabajo = ventana->screen()->availableGeometry();
    EXPECT_EQ(ventana->height() + marco.top() + marco.bottom(), trabajo.height());
    EXPECT_LE(ventana->width() + marco.left() + marco.right(), trabajo.width());
}

// "Guardar como PDF…" ends the "Imprimir" menu and writes the pages of "Todos
// los formularios"; a folder that is not there is said.
TEST_F(Principal, GuardarComoPdfEscribeLasOchoHojas)
{
    EXPECT_EQ(ventana->findChild<QMenu*>("mnuImprimir")->actions().back()->text(), QStringLiteral("Guardar como PDF…"));
    Abrir();
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("estudio.pdf"));
    ASSERT_TRUE(ventana->GuardarPdfEn(ruta));
    EXPECT_GE(PaginasPdf(ruta), 8);
    EXPECT_FALSE(ventana->GuardarPdfEn(dir.filePath(QStringLiteral("no/hay/x.pdf"))));
    EXPECT_EQ(mensajes.lista.back().texto, MensajeArchivo(FalloArchivo::DirectorioNoExiste));
}

// "Resumen de costes…" takes the figure still being typed and shows the
// summary of the open calculation as it will print: one page.
TEST_F(Principal, ResumenDeCostesConLoQueSeEstaEscribiendo)
{
    Abrir();
    Teclear(C()->Caja(Columna::S, 7), QStringLiteral("150000")); // not left yet
    QStringList kilometros;
    int paginas = -1;
    AlAbrirModal([&](QWidget* modal) {
        auto* resumen = qobject_cast<VentanaResumen*>(modal);
        ASSERT_NE(resumen, nullptr) << modal->metaObject()->className();
        paginas = resumen->vista()->pageCount();
        const auto& datos = std::get<TablaInforme>(resumen->informe().bloques.front());
        kilometros = datos.filas.front().celdas;
        resumen->reject();
    });
    ventana->menus().mnuPrintResumen->trigger();
    EXPECT_EQ(paginas, 1);
    EXPECT_EQ(kilometros, QStringList({QStringLiteral("150.000"), QStringLiteral("120.000")}));
    EXPECT_TRUE(HayCambios(doc.calculo));
}

TEST_F(Principal, GrabarComoRechazaUnNombreExistente)
{
    Abrir();
    Editar();
    QTemporaryDir dir;
    {
        QFile existente(dir.filePath(QStringLiteral("MI CAMIÓN.trv")));
        ASSERT_TRUE(existente.open(QIODevice::WriteOnly));
    }
    FrmArchivo grabar(doc, FrmArchivo::Modo::Grabar, DirectorioPrograma(), ventana.get());
    grabar.MostrarDirectorio(dir.path());
    grabar.TextArchivo()->setText(QString());
    grabar.Aceptar();
    grabar.TextArchivo()->setText(QStringLiteral("Mi camión"));
    grabar.Aceptar();
    ASSERT_EQ(mensajes.lista.size(), 2u);
    EXPECT_EQ(mensajes.lista[0].texto, QStringLiteral("No se ha seleccionado un fichero."));
    EXPECT_EQ(mensajes.lista[1].texto, QStringLiteral("Este fichero ya existe."));
    EXPECT_EQ(QFileInfo(dir.filePath(QStringLiteral("MI CAMIÓN.trv"))).size(), 0) << "never overwritten";

    // Typed with its extension, the existing name is still refused.
    grabar.TextArchivo()->setText(QStringLiteral("Mi Camión.trv"));
    grabar.Aceptar();
    ASSERT_EQ(mensajes.lista.size(), 3u);
    EXPECT_EQ(mensajes.lista[2].texto, QStringLiteral("Este fichero ya existe."));
    EXPECT_EQ(QFileInfo(dir.filePath(QStringLiteral("MI CAMIÓN.trv"))).size(), 0) << "never overwritten";
}

// The extension goes on only when the typed name has none: never a second one.
TEST_F(Principal, GrabarComoAnadeLaExtensionSoloSiFalta)
{
    Abrir();
    Editar();
    const struct {
        const char* tecleado;
        const char* grabado;
    } casos[] = {
        {"informe.trv", "informe.trv"},       {"informe", "informe.trv"},
        {"Camión 2.5 t", "Camión 2.5 t.trv"}, {"copia.", "copia.trv"},
        {"MAYÚS.TRV", "MAYÚS.TRV"},           {"datos.brm", "datos.brm.trv"},
        {"a.trv.trv", "a.trv.trv"},           {"versión.trv.bak", "versión.trv.bak.trv"},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.tecleado);
        QTemporaryDir dir;
        mensajes.lista.clear();
        FrmArchivo grabar(doc, FrmArchivo::Modo::Grabar, DirectorioPrograma(), ventana.get());
        grabar.MostrarDirectorio(dir.path());
        grabar.TextArchivo()->setText(QString::fromUtf8(k.tecleado));
        grabar.Aceptar();
        const QString ruta = QDir(dir.path()).filePath(QString::fromUtf8(k.grabado));
        EXPECT_EQ(grabar.result(), QDialog::Accepted);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QString::fromUtf8(k.grabado)});
        EXPECT_EQ(doc.calculo.RutaArchivo, ruta);
        ASSERT_EQ(mensajes.lista.size(), 1u);
        EXPECT_EQ(mensajes.lista[0].titulo, QStringLiteral("Grabar"));
        EXPECT_TRUE(
            mensajes.lista[0].texto.endsWith(QStringLiteral("Con el nombre: \r\n") + QString::fromUtf8(k.grabado)));
        Documento leido;
        PrepararDocumento(leido);
        EXPECT_EQ(LeerArchivo(leido, ruta), FalloArchivo::Ninguno) << "a calculation that opens again";
    }
}

// "Guardar como" opens in the folder of the last calculation opened or saved,
// or in the calculations folder; never where the reference data are.
TEST_F(Principal, GrabarComoEmpiezaDondeSePuedeGrabar)
{
    QTemporaryDir dir;
    const QString calculos = dir.filePath(QStringLiteral("Cálculos"));
    const QString otra = dir.filePath(QStringLiteral("Clientes"));
    const QString baremario = dir.filePath(QStringLiteral("Baremario"));
    for (const QString& c : {calculos, otra, baremario})
        ASSERT_TRUE(QDir().mkpath(c));
    ASSERT_TRUE(QFile::copy(DirectorioPrograma() + QStringLiteral("/Baremario/Furgoneta.brm"),
                            baremario + QStringLiteral("/Furgoneta.brm")));
    const struct {
        FrmArchivo::Modo modo;
        QString ultima, esperada;
    } casos[] = {
        {FrmArchivo::Modo::Grabar, otra, otra},
        {FrmArchivo::Modo::Grabar, {}, calculos},
        {FrmArchivo::Modo::Grabar, baremario, calculos},
        {FrmArchivo::Modo::Grabar, dir.filePath(QStringLiteral("borrada")), calculos},
        {FrmArchivo::Modo::Abrir, otra, calculos}, // opening starts where the calculations are
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.ultima.toStdString());
        FrmArchivo dialogo(doc, k.modo, DirectorioPrograma(), ventana.get(), calculos, k.ultima);
        EXPECT_EQ(dialogo.Directorio(), QDir(k.esperada).absolutePath());
    }

    // Through the menu: after opening a calculation kept in another folder,
    // "Guardar como" starts there.
    const QString ruta = otra + QStringLiteral("/Mío.trv");
    ASSERT_TRUE(QFile::copy(DirectorioPrograma() + QStringLiteral("/Cálculos/Mi articulado.trv"), ruta));
    ASSERT_TRUE(ventana->AbrirCalculo(ruta));
    QString carpeta;
    AlAbrirModal([&](QWidget* w) {
        auto* dialogo = qobject_cast<FrmArchivo*>(w);
        ASSERT_NE(dialogo, nullptr);
        carpeta = dialogo->Directorio();
        dialogo->reject();
    });
    ventana->menus()["mnuFileSaveAs"]->trigger();
    EXPECT_EQ(carpeta, QDir(otra).absolutePath());
}

TEST_F(Principal, AbrirDesdeElMenuCargaLasHojas)
{
    QTemporaryDir dir;
    AlAbrirModal([&](QWidget* w) {
        auto* dialogo = qobject_cast<FrmArchivo*>(w);
        ASSERT_NE(dialogo, nullptr);
        EXPECT_EQ(dialogo->windowTitle(), QStringLiteral("Abrir archivo"));
        EXPECT_TRUE(dialogo->Directorio().endsWith(QStringLiteral("/Cálculos")));
        // The example calculation beside the program is selected first.
        EXPECT_EQ(dialogo->TextArchivo()->text(), QStringLiteral("Mi articulado.trv"));
        dialogo->Aceptar();
    });
    ventana->menus()["mnuFileOpen"]->trigger();
    ASSERT_NE(ventana->FormularioActual(), nullptr);
    EXPECT_TRUE(doc.calculo.RutaArchivo.endsWith(QStringLiteral("Mi articulado.trv")));
    EXPECT_FALSE(HayCambios(doc.calculo));
}

TEST_F(Principal, EntradaRechazadaLlegaALaVentanaDeMensajes)
{
    Abrir();
    QLineEdit* caja = C()->Caja(Columna::S, 7);
    Teclear(caja, QStringLiteral("1"), Qt::Key_Tab);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !mensajes.lista.empty(); }));
    EXPECT_EQ(mensajes.lista[0].titulo, QStringLiteral("Error"));
    EXPECT_TRUE(doc.mensajes.empty()) << "shown messages are cleared";
    EXPECT_EQ(caja->text(), QStringLiteral("120.000"));
}

TEST_F(Principal, RuedaYTeclasDePaginaDesplazanLaHoja)
{
    ventana->resize(Px(12000), Px(5000)); // shorter than the sheet
    Abrir();
    QScrollBar* v = ventana->VScroll1();
    ASSERT_GT(v->maximum(), 1200);
    EXPECT_EQ(v->value(), 0);
    QLineEdit* caja = C()->Caja(Columna::S, 1);
    const QPoint dentro = caja->rect().center();
    auto Rueda = [&](int delta, QPoint global) {
        QWheelEvent ev(QPointF(dentro), QPointF(global), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
        QApplication::sendEvent(caja, &ev);
    };
    const QPoint global = caja->mapToGlobal(dentro);
    Rueda(-120, global); // towards the user: down
    EXPECT_EQ(v->value(), 600);
    EXPECT_EQ(C()->y(), Px(180 - 600));
    Rueda(-480, global); // one step whatever the delta
    EXPECT_EQ(v->value(), 1200);
    Rueda(120, global);
    Rueda(120, global);
    EXPECT_EQ(v->value(), 0);
    Rueda(-120, ventana->frameGeometry().bottomRight() + QPoint(50, 50)); // pointer outside
    EXPECT_EQ(v->value(), 0);

    Enfocar(caja);
    const QString texto = caja->text();
    QTest::keyClick(caja, Qt::Key_PageDown);
    EXPECT_EQ(v->value(), std::min(v->pageStep(), v->maximum()));
    QTest::keyClick(caja, Qt::Key_PageUp);
    EXPECT_EQ(v->value(), 0);
    EXPECT_EQ(caja->text(), texto) << "page keys leave the text alone";
}

TEST_F(Principal, EnfocarUnCampoLejanoLoTraeALaVista)
{
    ventana->resize(Px(12000), Px(5000));
    Abrir();
    QLineEdit* caja = C()->Caja(Columna::S, 19);
    Enfocar(caja, Qt::TabFocusReason);
    QScrollBar* v = ventana->VScroll1();
    EXPECT_GT(v->value(), 0);
    const QRect visible = ventana->Visor()->rect();
    const QRect enVisor(caja->mapTo(ventana->Visor(), QPoint()), caja->size());
    EXPECT_TRUE(visible.contains(enVisor)) << "the focused box is in view";
}

TEST_F(Principal, ResultadosRecuerdanSuPosicion)
{
    ventana->resize(Px(12000), Px(5000));
    Abrir();
    ventana->patillas()->Boton(Hoja::R)->click();
    VentanaHoja* r = ventana->FormularioActual();
    ASSERT_NE(r, nullptr);
    ASSERT_EQ(r->hoja(), Hoja::R);
    QScrollBar* v = ventana->VScroll1();
    EXPECT_EQ(v->value(), 0) << "right after opening";
    ASSERT_GT(v->maximum(), 1000);
    ventana->MouseWheel(false);
    ventana->MouseWheel(false);
    EXPECT_EQ(v->value(), 1200);
    ventana->MostrarFormulario(Hoja::C);
    EXPECT_EQ(ventana->patillas()->Boton(Hoja::R)->Cara(), ventana->patillas()->cmbCerrar()->Cara());
    ventana->menus()["mnuResultados"]->trigger();
    EXPECT_EQ(v->value(), 1200);
    EXPECT_EQ(r->y(), Px(180 - 1200));

    ventana->CerrarPatillas();
    Abrir();
    ventana->MostrarFormulario(Hoja::R);
    EXPECT_EQ(ventana->VScroll1()->value(), 0) << "a new calculation starts at the top";
}

TEST_F(Principal, AbrirUnMenuConfirmaElCampoEditado)
{
    Abrir();
    QLineEdit* caja = C()->Caja(Columna::S, 7);
    Teclear(caja, QStringLiteral("150000"));
    emit ventana->menus().menus[4]->aboutToShow(); // Edición leaves the field alone
    EXPECT_EQ(doc.calculo.Personal.C(7).numero(), 120000.0);
    emit ventana->menus().menus[1]->aboutToShow(); // Archivo commits it
    EXPECT_EQ(doc.calculo.Personal.C(7).numero(), 150000.0);
    EXPECT_EQ(C()->Caja(Columna::S, 9)->text(), QStringLiteral("127.500")); // 150.000 × 85 %
    EXPECT_EQ(caja->text(), QStringLiteral("150000")) << "still being edited";
    EXPECT_TRUE(HayCambios(doc.calculo));
}

TEST(Mensajes, IconosSegunElTitulo)
{
    struct Caso {
        const char* titulo;
        bool informacion, alarma;
    };
    const Caso casos[] = {
        {"Error", false, true},  {"Grabar", true, false}, {"Autor", true, false},
        {"Aviso", false, false}, {"", true, true},
    };
    for (const Caso& c : casos) {
        FrmMensaje m(QStringLiteral("uno\r\n\r\ndos"), QString::fromUtf8(c.titulo));
        SCOPED_TRACE(c.titulo);
        EXPECT_EQ(m.picInformacion()->isVisibleTo(&m), c.informacion);
        EXPECT_EQ(m.picAlarma()->isVisibleTo(&m), c.alarma);
        EXPECT_EQ(m.windowTitle(), *c.titulo ? QString::fromUtf8(c.titulo) : QStringLiteral("Título"));
        EXPECT_EQ(m.lblMensaje()->text(), QStringLiteral("uno\n\ndos"));
    }
}

// A text too long for the screen scrolls inside its frame, laid out whole;
// a shorter one, wrapped, shows whole without scrolling.
TEST(Mensajes, UnTextoLargoSeDesplazaEntero)
{
    // Short lines, and lines that wrap: a deep folder.
    QStringList lineas;
    for (int i = 1; i <= 60; ++i)
        lineas << QStringLiteral("Línea %1 del aviso").arg(i);
    for (int i = 1; i <= 20; ++i)
        lineas << QStringLiteral("/Transportes García e Hijos").repeated(6);
    FrmMensaje largo(lineas.join(QStringLiteral("\r\n")), QStringLiteral("Aviso"));
    largo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&largo));
    auto* desplazable = largo.findChild<QScrollArea*>(QStringLiteral("MensajeDesplazable"));
    ASSERT_NE(desplazable, nullptr);
    QLabel* texto = largo.lblMensaje();
    EXPECT_EQ(desplazable->widget(), texto);
    EXPECT_GE(texto->height(), texto->heightForWidth(texto->width())) << "no line cut";
    EXPECT_LE(texto->width(), desplazable->viewport()->width()) << "no sideways scrolling";
    EXPECT_EQ(desplazable->verticalScrollBar()->maximum(), texto->height() - desplazable->viewport()->height());
    EXPECT_LT(largo.height(), texto->height());

    FrmMensaje corto(QStringLiteral("El archivo se ha grabado en: \r\n") +
                         QStringLiteral("/Transportes García e Hijos").repeated(8),
                     QStringLiteral("Grabar"));
    corto.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&corto));
    EXPECT_EQ(corto.findChild<QScrollArea*>(), nullptr);
    EXPECT_GE(corto.lblMensaje()->height(), corto.lblMensaje()->heightForWidth(corto.lblMensaje()->width()));
}

} // namespace

// The edit menu works on the box being edited, pasted text included.
TEST_F(Principal, MenuEdicionSobreLaCajaEnEdicion)
{
    Abrir();
    QLineEdit* caja = C()->Caja(Columna::S, 7);
    Enfocar(caja);
    caja->selectAll();
    ventana->menus()["mnuEditCopy"]->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), caja->text());
    QGuiApplication::clipboard()->setText(QStringLiteral("1.2,5,3"));
    caja->selectAll();
    ventana->menus()["mnuEditPaste"]->trigger();
    EXPECT_EQ(caja->text(), u"1.2,5,3");
    // The keys run the same commands: copying nothing empties the clipboard.
    caja->deselect();
    QTest::keyClick(caja, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

// Where the data and the user's calculations are found: beside the program
// (build tree, portable copy) first, then the installed data folder; the
// calculations in Documents/TARVIA, created with the example, unless the
// program has its own Cálculos folder.
TEST(Ubicaciones, ProgramaInstaladoYSinDatos)
{
    QTemporaryDir raiz;
    const QDir r(raiz.path());
    for (const char* d : {"programa", "arbol/Baremario", "arbol/Cálculos", "share/tarvia/Baremario",
                          "share/tarvia/Cálculos", "documentos"})
        ASSERT_TRUE(r.mkpath(QString::fromUtf8(d)));
    {
        QFile ejemplo(r.filePath(QStringLiteral("share/tarvia/Cálculos/Mi articulado.trv")));
        ASSERT_TRUE(ejemplo.open(QIODevice::WriteOnly));
        ejemplo.write("x");
    }
    const QString instalados = r.filePath(QStringLiteral("share/tarvia"));
    const QString documentos = r.filePath(QStringLiteral("documentos"));

    const Ubicaciones arbol = BuscarUbicaciones(r.filePath(QStringLiteral("arbol")), instalados, documentos);
    EXPECT_EQ(arbol.datos, r.filePath(QStringLiteral("arbol")));
    EXPECT_EQ(arbol.calculos, r.filePath(QStringLiteral("arbol/Cálculos")));
    EXPECT_FALSE(QFileInfo::exists(r.filePath(QStringLiteral("documentos/TARVIA")))) << "nothing created";

    const Ubicaciones instalado = BuscarUbicaciones(r.filePath(QStringLiteral("programa")), instalados, documentos);
    EXPECT_EQ(instalado.datos, instalados);
    EXPECT_EQ(instalado.calculos, r.filePath(QStringLiteral("documentos/TARVIA")));
    EXPECT_TRUE(QFileInfo::exists(r.filePath(QStringLiteral("documentos/TARVIA/Mi articulado.trv"))));

    // Without data anywhere: the program's folder, whose missing Baremario
    // the vehicle-type window reports with its usual message.
    const Ubicaciones nada =
        BuscarUbicaciones(r.filePath(QStringLiteral("programa")), r.filePath(QStringLiteral("no_hay")), documentos);
    EXPECT_EQ(nada.datos, r.filePath(QStringLiteral("programa")));
}

// The names that used to get past the check and replace a calculation: a
// folder in the name, a hidden name, another case, a link. Each is refused
// and every file keeps its bytes.
TEST_F(Principal, GrabarComoNoReemplazaNingunArchivo)
{
    Abrir();
    Editar();
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("2024")));
    const QStringList victimas = {"Otro.trv", "2024/victima.trv", ".oculto.trv", "destino"};
    for (const QString& v : victimas) {
        QFile f(dir.filePath(v));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("intacto");
    }
    ASSERT_TRUE(QFile::link(QStringLiteral("destino"), dir.filePath(QStringLiteral("enlace.trv"))));
    FrmArchivo grabar(doc, FrmArchivo::Modo::Grabar, DirectorioPrograma(), ventana.get());
    grabar.MostrarDirectorio(dir.path());
    const QString noValido = MensajeArchivo(FalloArchivo::NombreNoValido),
                  existe = QStringLiteral("Este fichero ya existe.");
    const struct {
        const char* tecleado;
        QString mensaje;
    } casos[] = {
        {"./Otro", noValido},  {"2024/victima", noValido}, {"../victima", noValido},
        {".oculto", noValido}, {"OTRO", existe},           {"enlace", existe},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.tecleado);
        grabar.TextArchivo()->setText(QString::fromUtf8(k.tecleado));
        grabar.Aceptar();
        ASSERT_FALSE(mensajes.lista.empty());
        EXPECT_EQ(mensajes.lista.back().texto, k.mensaje);
        EXPECT_NE(grabar.result(), QDialog::Accepted);
    }
    for (const QString& v : victimas) {
        QFile f(dir.filePath(v));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), "intacto") << v.toStdString();
    }
    EXPECT_TRUE(doc.calculo.RutaArchivo.isEmpty());
}

// A name that is not UTF-8 (Latin-1 "café"), as a double click hands it over:
// it opens, and saving writes under the same bytes.
TEST_F(Principal, AbrirUnNombreQueNoEsUtf8)
{
    QTemporaryDir dir;
    const QByteArray nativa = QFile::encodeName(dir.path()) + "/caf\xe9.trv";
    {
        QFile modelo(DirectorioPrograma() + QStringLiteral("/Cálculos/Mi articulado.trv"));
        ASSERT_TRUE(modelo.open(QIODevice::ReadOnly));
        const QByteArray bytes = modelo.readAll();
        std::FILE* f = std::fopen(nativa.constData(), "wb"); // Qt would write the name as UTF-8
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), f),
                  static_cast<size_t>(bytes.size()));
        std::fclose(f);
    }
    char programa[] = "tarvia";
    QByteArray nombre = nativa;
    char* argv[] = {programa, nombre.data()};
    ASSERT_TRUE(ventana->AbrirCalculo(PrimerNombreDeLaLinea(2, argv)));
    EXPECT_EQ(RutaNativa(doc.calculo.RutaArchivo), nativa);
    Editar();
    EXPECT_TRUE(ventana->GrabarCalculo());
    EXPECT_EQ(mensajes.lista.back().titulo, QStringLiteral("Grabar"));
    ::unlink(nativa.constData());
}

// "tarvia FICHERO": a good file opens as a saved calculation; a damaged or a
// missing one gives the file dialog's message and opens nothing.
TEST_F(Principal, AbrirUnFicheroDesdeLaLineaDeOrdenes)
{
    QTemporaryDir dir;
    const QString malo = dir.filePath(QStringLiteral("malo.trv"));
    {
        QFile f(malo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("no es un cálculo\r\n");
    }
    EXPECT_FALSE(ventana->AbrirCalculo(malo));
    EXPECT_FALSE(ventana->AbrirCalculo(dir.filePath(QStringLiteral("no_existe.trv"))));
    ASSERT_EQ(mensajes.lista.size(), 2u);
    EXPECT_EQ(mensajes.lista[0].texto, MensajeArchivo(FalloArchivo::MalEstado));
    EXPECT_EQ(mensajes.lista[1].texto, MensajeArchivo(FalloArchivo::NoEncontrado));
    EXPECT_EQ(ventana->FormularioActual(), nullptr);

    const QString bueno = DirectorioPrograma() + QStringLiteral("/Cálculos/Mi articulado.trv");
    ASSERT_TRUE(ventana->AbrirCalculo(bueno));
    EXPECT_NE(ventana->FormularioActual(), nullptr);
    EXPECT_EQ(doc.calculo.RutaArchivo, QFileInfo(bueno).absoluteFilePath());
    EXPECT_EQ(ventana->windowTitle(), QStringLiteral("TARVIA - Mi articulado.trv[*]"));

    // The file dialog in a folder without Cálculos starts there and says so too.
    FrmArchivo abrir(doc, FrmArchivo::Modo::Abrir, dir.path(), ventana.get());
    EXPECT_EQ(abrir.Directorio(), QDir(dir.path()).absolutePath());
    abrir.TextArchivo()->setText(QStringLiteral("no.trv"));
    abrir.Aceptar();
    EXPECT_EQ(mensajes.lista.back().texto, MensajeArchivo(FalloArchivo::NoEncontrado));
}

// A settings file holding 20 004 recent names (written by another program,
// or by hand): the menu gets the first eight, and adding one keeps eight.
TEST_F(Principal, MilesDeRecientesEnLosAjustesDanOcho)
{
    QTemporaryDir dir;
    const QString fichero = dir.filePath(QStringLiteral("ajustes.ini"));
    QStringList miles;
    for (int k = 0; k < 20004; ++k)
        miles << QStringLiteral("/c/%1.trv").arg(k);
    {
        QSettings escribir(fichero, QSettings::IniFormat);
        escribir.setValue(QStringLiteral("calculos/recientes"), miles);
    }
    QSettings ajustes(fichero, QSettings::IniFormat);
    EXPECT_EQ(Recientes(ajustes).Lista(), miles.mid(0, Recientes::kCuantos));
    ventana->FijarAjustes(&ajustes);
    ventana->ActualizarRecientes();
    const QList<QAction*> acciones = ventana->AccionesRecientes();
    ASSERT_EQ(acciones.size(), 1 + Recientes::kCuantos); // a separator, then the files
    EXPECT_EQ(acciones.back()->text(), QStringLiteral("&8 7.trv"));
    Recientes(ajustes).Anadir(QStringLiteral("/c/nuevo.trv"));
    EXPECT_EQ(ajustes.value(QStringLiteral("calculos/recientes")).toStringList(),
              QStringList{QStringLiteral("/c/nuevo.trv")} + miles.mid(0, Recientes::kCuantos - 1));
    ventana->FijarAjustes(nullptr);
}

// What stands where the settings live is judged before QSettings reads it: a
// pipe (QSettings would wait for a writer), a directory or a huge file is left
// as it is, and the session keeps its settings elsewhere, saying why.
TEST(AjustesUsuario, FicheroQueNoSePuedeUsarSeDejaComoEsta)
{
    QTemporaryDir dir;
    const auto ruta = [&](const char* nombre) { return dir.filePath(QString::fromLatin1(nombre)); };
    ASSERT_EQ(mkfifo(QFile::encodeName(ruta("tuberia.conf")).constData(), 0644), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("carpeta.conf")));
    {
        QFile f(ruta("enorme.conf"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[calculos]\nrecientes=/c/a.trv\n");
        ASSERT_TRUE(f.resize(qint64{300} << 20));
    }
    {
        QSettings bien(ruta("bien.conf"), QSettings::IniFormat);
        bien.setValue(QStringLiteral("calculos/recientes"), QStringList{QStringLiteral("/c/a.trv")});
    }
    const struct {
        const char* nombre;
        const char* motivo; // empty: the file is used
    } casos[] = {
        {"tuberia.conf", "no es un fichero normal."},
        {"carpeta.conf", "es una carpeta, no un fichero."},
        {"enorme.conf", "es demasiado grande (más de 1 MB)."},
        {"bien.conf", ""},
        {"nuevo.conf", ""},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.nombre);
        const QFileInfo antes(ruta(k.nombre));
        {
            AjustesUsuario a = AbrirAjustes(ruta(k.nombre));
            ASSERT_NE(a.ajustes, nullptr);
            if (*k.motivo) {
                EXPECT_EQ(a.aviso, QStringLiteral("El fichero de ajustes %1 %2 Los ajustes de esta sesión no se "
                                                  "guardarán; el fichero no se toca.")
                                       .arg(ruta(k.nombre), QString::fromUtf8(k.motivo)));
                EXPECT_TRUE(Recientes(*a.ajustes).Lista().isEmpty());
            } else {
                EXPECT_TRUE(a.aviso.isEmpty());
            }
            Recientes(*a.ajustes).Anadir(QStringLiteral("/c/b.trv"));
            EXPECT_EQ(Recientes(*a.ajustes).Lista().first(), QStringLiteral("/c/b.trv"));
        }
        const QFileInfo despues(ruta(k.nombre));
        if (*k.motivo) { // untouched
            EXPECT_EQ(despues.isDir(), antes.isDir());
            EXPECT_EQ(despues.size(), antes.size());
            EXPECT_EQ(despues.lastModified(), antes.lastModified());
        } else { // kept
            QSettings leido(ruta(k.nombre), QSettings::IniFormat);
            EXPECT_EQ(Recientes(leido).Lista().first(), QStringLiteral("/c/b.trv"));
        }
    }
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(ruta("tuberia.conf")).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

// The last calculations opened or saved, at the end of the Cálculo menu: a
// missing one says so and leaves the list.
TEST_F(Principal, CalculosRecientesEnElMenu)
{
    QTemporaryDir dir;
    QSettings ajustes(dir.filePath(QStringLiteral("ajustes.ini")), QSettings::IniFormat);
    ventana->FijarAjustes(&ajustes);
    const QString uno = dir.filePath(QStringLiteral("uno.trv"));
    ASSERT_TRUE(QFile::copy(DirectorioPrograma() + QStringLiteral("/Cálculos/Mi articulado.trv"), uno));
    ASSERT_TRUE(ventana->AbrirCalculo(uno));
    ventana->CerrarPatillas();
    ventana->ActualizarRecientes();
    QList<QAction*> acciones = ventana->AccionesRecientes();
    ASSERT_EQ(acciones.size(), 2); // a separator, then the file
    EXPECT_EQ(acciones[1]->text(), QStringLiteral("&1 uno.trv"));
    EXPECT_TRUE(acciones[1]->isEnabled());

    QFile::remove(uno);
    acciones[1]->trigger();
    ASSERT_EQ(mensajes.lista.size(), 1u);
    EXPECT_EQ(mensajes.lista[0].texto, MensajeArchivo(FalloArchivo::NoEncontrado));
    ventana->ActualizarRecientes();
    EXPECT_TRUE(ventana->AccionesRecientes().isEmpty());
    ventana->FijarAjustes(nullptr);
}

// A reference data file (.brm, in any case) opened in any way starts a new
// calculation from it, exactly as choosing its vehicle type does: the same
// values, no file of its own, so Grabar asks for a name; the recent list does
// not get it; its bytes never change. The file dialog does not list it; the
// name is handed to it as a typed one would be.
TEST_F(Principal, UnFicheroDeReferenciaEmpiezaUnCalculoNuevo)
{
    QTemporaryDir dir;
    QSettings ajustes(dir.filePath(QStringLiteral("ajustes.ini")), QSettings::IniFormat);
    ventana->FijarAjustes(&ajustes);
    const int furgoneta = 6;
    ASSERT_STREQ(TiposVehiculo[furgoneta].nombre, "Furgoneta");
    Abrir(furgoneta);
    const Calculo elegido = doc.calculo;
    ventana->CerrarPatillas();
    QByteArray referencia;
    {
        QFile f(RutaBaremario(DirectorioPrograma(), furgoneta));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        referencia = f.readAll();
    }
    const auto contenido = [](const QString& ruta) {
        QFile f(ruta);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };

    enum class Entrada { LineaDeOrdenes, Reciente, DialogoAbrir };
    const struct {
        Entrada entrada;
        const char* nombre;
    } casos[] = {
        {Entrada::LineaDeOrdenes, "Furgoneta.brm"},
        {Entrada::LineaDeOrdenes, "FURGONETA.BRM"},
        {Entrada::Reciente, "Copia.Brm"}, // left in the list by an older version
        {Entrada::DialogoAbrir, "Furgoneta.brm"},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.nombre);
        const QString ruta = dir.filePath(QString::fromUtf8(k.nombre));
        QFile::remove(ruta);
        {
            QFile f(ruta);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            ASSERT_EQ(f.write(referencia), referencia.size());
        }
        const QStringList recientes = k.entrada == Entrada::Reciente ? QStringList{ruta} : QStringList{};
        ajustes.setValue(QStringLiteral("calculos/recientes"), recientes);
        mensajes.lista.clear();

        switch (k.entrada) {
        case Entrada::LineaDeOrdenes: {
            char programa[] = "tarvia";
            QByteArray nombre = RutaNativa(ruta);
            char* argv[] = {programa, nombre.data()};
            ASSERT_TRUE(ventana->AbrirCalculo(PrimerNombreDeLaLinea(2, argv)));
            break;
        }
        case Entrada::Reciente: {
            ventana->ActualizarRecientes();
            const QList<QAction*> acciones = ventana->AccionesRecientes();
            ASSERT_EQ(acciones.size(), 2);
            acciones[1]->trigger();
            break;
        }
        case Entrada::DialogoAbrir: {
            bool listado = true;
            AlAbrirModal([&](QWidget* w) {
                auto* dialogo = qobject_cast<FrmArchivo*>(w);
                if (!dialogo) {
                    w->close();
                    return;
                }
                dialogo->MostrarDirectorio(dir.path());
                listado = !dialogo->File1()->findItems(QString::fromUtf8(k.nombre), Qt::MatchFixedString).isEmpty();
                dialogo->TextArchivo()->setText(QString::fromUtf8(k.nombre));
                dialogo->Aceptar();
            });
            ASSERT_TRUE(ventana->AbrirArchivo(FrmArchivo::Modo::Abrir));
            EXPECT_FALSE(listado) << "the dialog lists calculations only";
            break;
        }
        }
        ASSERT_NE(ventana->FormularioActual(), nullptr);
        EXPECT_TRUE(mensajes.lista.empty());
        EXPECT_TRUE(doc.calculo.RutaArchivo.isEmpty());
        EXPECT_EQ(ventana->windowTitle(), QStringLiteral("TARVIA[*]"));
        EXPECT_TRUE(doc.calculo.Personal == elegido.Personal);
        EXPECT_TRUE(doc.calculo.Referencia == elegido.Referencia);
        EXPECT_FALSE(HayCambios(doc.calculo));
        EXPECT_EQ(Recientes(ajustes).Lista(), recientes);

        // Changed and saved with Grabar: the save dialog asks for a name.
        Editar();
        bool pideNombre = false;
        AlAbrirModal([&](QWidget* w) {
            const auto* dialogo = qobject_cast<FrmArchivo*>(w);
            pideNombre = dialogo && dialogo->modo() == FrmArchivo::Modo::Grabar;
            w->close();
        });
        ventana->patillas()->cmbGrabar()->click();
        EXPECT_TRUE(pideNombre);
        EXPECT_TRUE(mensajes.lista.empty());
        EXPECT_EQ(contenido(ruta), referencia);
        EXPECT_EQ(Recientes(ajustes).Lista(), recientes);
        ventana->CerrarPatillas();
    }
    Recientes(ajustes).Anadir(dir.filePath(QStringLiteral("Furgoneta.brm"))); // whoever adds it
    EXPECT_TRUE(Recientes(ajustes).Lista().isEmpty());
    ventana->FijarAjustes(nullptr);
}

// Saving among the reference data is refused with its message in every
// save of the window, and nothing appears there: the save dialog in the
// Baremario folder, Grabar onto a reference file (a calculation of an older
// version may hold its path) and a PDF. The window's data are a copy, so that
// a fault cannot damage the build's own.
TEST_F(Principal, NadaSeGrabaEntreLosDatosDeReferencia)
{
    QTemporaryDir programa;
    const QString baremario = programa.filePath(QStringLiteral("Baremario"));
    ASSERT_TRUE(QDir().mkpath(baremario));
    const QString ruta = RutaBaremario(programa.path(), 0);
    ASSERT_TRUE(QFile::copy(RutaBaremario(DirectorioPrograma(), 0), ruta));
    ventana.reset(); // the fixture's, on the build's data
    ventana = std::make_unique<FrmMain>(doc, programa.path());
    ventana->show();
    ventana->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    Abrir();
    Editar();
    const QStringList antes = QDir(baremario).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QByteArray bytes;
    {
        QFile f(ruta);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        bytes = f.readAll();
    }
    const QString prefijo =
        QStringLiteral("Los datos de referencia (los ficheros .brm y la carpeta Baremario) no se modifican");

    FrmArchivo grabar(doc, FrmArchivo::Modo::Grabar, programa.path(), ventana.get());
    grabar.MostrarDirectorio(baremario);
    grabar.TextArchivo()->setText(QStringLiteral("Mío"));
    grabar.Aceptar();
    EXPECT_NE(grabar.result(), QDialog::Accepted);
    ASSERT_EQ(mensajes.lista.size(), 1u);
    EXPECT_TRUE(mensajes.lista[0].texto.startsWith(prefijo)) << mensajes.lista[0].texto.toStdString();

    doc.calculo.RutaArchivo = ruta;
    EXPECT_FALSE(ventana->GrabarCalculo());
    ASSERT_EQ(mensajes.lista.size(), 2u);
    EXPECT_EQ(mensajes.lista[1].texto, MensajeEscritura(FalloArchivo::DatosDeReferencia, ruta));
    EXPECT_TRUE(HayCambios(doc.calculo)) << "the changes stay, unsaved";

    EXPECT_FALSE(ventana->GuardarPdfEn(baremario + QStringLiteral("/Mío.pdf")));
    ASSERT_EQ(mensajes.lista.size(), 3u);
    EXPECT_TRUE(mensajes.lista[2].texto.startsWith(prefijo));

    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), bytes);
    EXPECT_EQ(QDir(baremario).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), antes);
}

// ---- F1 and Ayuda > Contenido: the help of what is in front ----

#ifndef TARVIA_AYUDA_COMPILADA
#define TARVIA_AYUDA_COMPILADA 0
#endif

namespace {

VisorAyuda* AyudaVisible()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* visor = qobject_cast<VisorAyuda*>(w); visor && visor->isVisible())
            return visor;
    return nullptr;
}

// The page (and anchor) shown by the help window that the key or command opened.
QString TemaAbierto()
{
    const VisorAyuda* visor = AyudaVisible();
    if (!visor)
        return {};
    const QUrl url = visor->navegador()->source();
    return url.path() + (url.hasFragment() ? u'#' + url.fragment() : QString());
}

void CerrarAyudas()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<VisorAyuda*>(w))
            w->close();
}

// F1 on the widget with the focus, or on the window when nothing in it has the focus.
QString PulsarF1(QWidget* ventana)
{
    CerrarAyudas();
    QWidget* foco = QApplication::focusWidget();
    QTest::keyClick(foco && ventana->isAncestorOf(foco) ? foco : ventana, Qt::Key_F1);
    return TemaAbierto();
}

class AyudaDelFrenteTest : public VentanaPrincipal {
protected:
    void Reactivar()
    {
        ventana->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    }
    void TearDown() override { CerrarAyudas(); }
};

} // namespace

TEST_F(AyudaDelFrenteTest, F1EnCadaHojaAbreSuPaginaYEnUnCampoSuExplicacion)
{
    if (!TARVIA_AYUDA_COMPILADA)
        GTEST_SKIP() << "Sin Tarvia.chm compilado";
    MostrarVentana();
    EXPECT_EQ(PulsarF1(ventana.get()), QStringLiteral("/index.htm")) << "no calculation open: the main page";
    FrmTipoVeh* tipo = ventana->MostrarTipoVeh();
    tipo->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(tipo));
    EXPECT_EQ(PulsarF1(tipo), QStringLiteral("/primeros_pasos.htm")) << "a dialog of the main window: its own page";
    tipo->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(tipo));
    Abrir();
    struct Caso {
        Hoja hoja;
        const char* pagina;
    };
    const Caso casos[] = {
        {Hoja::C, "/caracteristicas.htm"}, {Hoja::F1, "/traccion.htm"}, {Hoja::F2, "/semirremolque.htm"},
        {Hoja::F3, "/personal.htm"},       {Hoja::V, "/variables.htm"}, {Hoja::I, "/indirectos.htm"},
        {Hoja::R, "/resultados.htm"},      {Hoja::S, "/servicio.htm"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.pagina);
        ventana->MostrarFormulario(c.hoja);
        EXPECT_EQ(PulsarF1(ventana->FormularioActual()).section(u'#', 0, 0), QString::fromLatin1(c.pagina));
        Reactivar();
    }

    // A field with its own entry: the page opens scrolled down to it, from the
    // key and from the menu alike; a calculated figure gets its sheet's page.
    ventana->MostrarFormulario(Hoja::C);
    auto* km = Hoja_(Hoja::C)->findChild<QLineEdit*>(QStringLiteral("TextSC(7)"));
    ASSERT_NE(km, nullptr);
    Enfocar(km);
    EXPECT_EQ(PulsarF1(ventana->FormularioActual()), QStringLiteral("/caracteristicas.htm#km_anuales"));
    Reactivar();
    CerrarAyudas();
    Enfocar(km);
    ventana->menus().mnuHelpContents->trigger();
    EXPECT_EQ(TemaAbierto(), QStringLiteral("/caracteristicas.htm#km_anuales"));
    VisorAyuda* visor = AyudaVisible();
    ASSERT_NE(visor, nullptr);
    EXPECT_GT(visor->navegador()->verticalScrollBar()->value(), 0) << "scrolled to the field's entry";
    auto* calculada = Hoja_(Hoja::C)->findChild<QLineEdit*>(QStringLiteral("TextSC(20)"));
    ASSERT_NE(calculada, nullptr);
    EXPECT_EQ(TemaDeAyuda(calculada), QStringLiteral("caracteristicas.htm"));
}

TEST_F(AyudaDelFrenteTest, F1EnCadaVentanaDeAnalisisAbreSuPaginaSinQuedarBloqueada)
{
    if (!TARVIA_AYUDA_COMPILADA)
        GTEST_SKIP() << "Sin Tarvia.chm compilado";
    MostrarVentana();
    Abrir();
    QTemporaryDir dir;
    QSettings ajustes(dir.filePath(QStringLiteral("ajustes.ini")), QSettings::IniFormat);
    const QString referencia = DirectorioPrograma() + QStringLiteral("/Baremario/Articulado Carga General.brm");
    struct Caso {
        const char* pagina;
        std::function<std::unique_ptr<QDialog>()> crear;
    };
    const Caso casos[] = {
        {"/analisis_comparar.htm",
         [&] {
             return std::make_unique<VentanaComparar>(doc, QStringList{referencia}, MostrarMensaje, ventana.get());
         }},
        {"/analisis_sensibilidad.htm",
         [&] { return std::make_unique<VentanaSensibilidad>(doc, MostrarMensaje, ventana.get()); }},
        {"/analisis_revision.htm",
         [&] {
             return std::make_unique<VentanaRevision>(doc, IndicesPorDefecto(), TablaGasoleo{}, ajustes, MostrarMensaje,
                                                      ventana.get());
         }},
        {"/analisis_revision.htm",
         [&] {
             return std::make_unique<VentanaRevisionLista>(doc, IndicesPorDefecto(), TablaGasoleo{}, false,
                                                           MostrarMensaje, ventana.get());
         }},
        {"/analisis_revision.htm",
         [&] { return std::make_unique<VentanaPreciosGasoleo>(TablaGasoleo{}, MostrarMensaje, ventana.get()); }},
        {"/analisis_presupuesto.htm",
         [&] { return std::make_unique<VentanaPresupuesto>(doc, ajustes, MostrarMensaje, ventana.get()); }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.pagina);
        const std::unique_ptr<QDialog> analisis = c.crear();
        analisis->setWindowModality(Qt::ApplicationModal); // as exec() shows it
        analisis->show();
        analisis->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(analisis.get()));
        EXPECT_EQ(PulsarF1(analisis.get()), QString::fromLatin1(c.pagina));
        // Owned by the modal dialog, so that the dialog does not block it.
        const VisorAyuda* visor = AyudaVisible();
        ASSERT_NE(visor, nullptr);
        EXPECT_EQ(visor->parentWidget(), analisis.get());
    }
}

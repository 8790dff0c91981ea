// The "Imprimir" menu and tarvia-calc --pdf, printing into recorders and PDF
// files on the offscreen platform.
#include "ventana_principal.h"

#include "results/disposicion.h"
#include "results/exportar.h"
#include "results/tarta.h"
#include "results/ventana_resultados.h"
#include "sheets/caja_texto.h"
#include "sheets/hoja_disenada.h"
#include "sheets/impresion.h"
#include "sheets/twips.h"
#include "shell/frm_main.h"

#include <QAction>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace tarvia;
using namespace tarvia::prueba;

namespace {

// Keeps every job: the sheet, its image, and whatever the test looks at
// while the sheet is being printed.
struct Grabador final : DestinoImpresion {
    struct Trabajo {
        Hoja hoja;
        ImagenHoja imagen;
        QString visto;
    };
    std::vector<Trabajo> trabajos;
    std::function<QString()> mirar;

    void Imprimir(Hoja h, const ImagenHoja& imagen) override
    {
        trabajos.push_back({h, imagen, mirar ? mirar() : QString()});
    }
    std::vector<Hoja> Hojas() const
    {
        std::vector<Hoja> h;
        for (const Trabajo& t : trabajos)
            h.push_back(t.hoja);
        return h;
    }
};

class Impresion : public VentanaPrincipal {
protected:
    void SetUp() override
    {
        MostrarVentana();
        Abrir();
        FijarDestinoImpresion(&grabador);
    }
    void TearDown() override { FijarDestinoImpresion(nullptr); }

    void Pulsar(const char* item) { ventana->menus()[item]->trigger(); }

    // Types into a personal box of the shown sheet without leaving it.
    CajaTexto* Escribir(Hoja h, int i, const QString& texto)
    {
        auto* caja = qobject_cast<CajaTexto*>(Hoja_(h)->Caja(Columna::S, i));
        Teclear(caja, texto);
        EXPECT_TRUE(caja->editando());
        return caja;
    }

    Grabador grabador;
};

TEST_F(Impresion, CadaElementoImprimeSuHojaYTodosLasOchoEnOrden)
{
    const struct {
        const char* item;
        std::vector<Hoja> hojas;
    } casos[] = {
        {"mnuPrintResultados", {Hoja::R}},
        {"mnuPrintCaracteristicas", {Hoja::C}},
        {"mnuPrintFijos1", {Hoja::F1}},
        {"mnuPrintFijos2", {Hoja::F2}},
        {"mnuPrintFijos3", {Hoja::F3}},
        {"mnuPrintVariables", {Hoja::V}},
        {"mnuPrintIndirectos", {Hoja::I}},
        {"mnuPrintServicio", {Hoja::S}},
        {"mnuPrintTodo", {Hoja::C, Hoja::F1, Hoja::F2, Hoja::F3, Hoja::V, Hoja::I, Hoja::R, Hoja::S}},
    };
    for (const auto& caso : casos) {
        grabador.trabajos.clear();
        Pulsar(caso.item);
        EXPECT_EQ(grabador.Hojas(), caso.hojas) << caso.item;
        for (const Grabador::Trabajo& t : grabador.trabajos) {
            // The whole window, loaded even if never shown.
            const VentanaHoja* hoja = ventana->Formulario(t.hoja);
            ASSERT_NE(hoja, nullptr) << caso.item;
            EXPECT_EQ(t.imagen.tamano, hoja->size()) << caso.item;
            EXPECT_FALSE(t.imagen.dibujo.isNull()) << caso.item;
        }
    }
    // Printing shows nothing and changes no sheet.
    EXPECT_EQ(ventana->FormularioActual(), ventana->Formulario(Hoja::C));
    EXPECT_TRUE(ventana->FormularioActual()->isVisible());
    EXPECT_FALSE(ventana->Formulario(Hoja::F1)->isVisible());
    EXPECT_TRUE(mensajes.lista.empty());
}

// A field being edited is committed for the printout and stays in edit with
// its raw text; a refused entry shows its message, the previous value is
// printed and the rest of the printing goes on.
TEST_F(Impresion, CampoEnEdicionSeImprimeConfirmadoYSigueEnEdicion)
{
    const struct {
        const char* texto;
        const char* item; // another sheet: the shown one's field is still committed
        size_t hojas, mensajes;
        const char* visto;
        double guardado;
    } casos[] = {
        {"1", "mnuPrintTodo", 8, 1, "120.000", 120000}, // below the 5000 km minimum
        {"150000", "mnuPrintFijos1", 1, 0, "150.000", 150000},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.texto);
        grabador.trabajos.clear();
        mensajes.lista.clear();
        CajaTexto* caja = Escribir(Hoja::C, 7, QString::fromUtf8(k.texto));
        grabador.mirar = [caja] { return caja->text(); };
        Pulsar(k.item);
        EXPECT_EQ(grabador.trabajos.size(), k.hojas);
        ASSERT_EQ(mensajes.lista.size(), k.mensajes);
        EXPECT_EQ(grabador.trabajos[0].visto, QString::fromUtf8(k.visto));
        EXPECT_EQ(doc.calculo.Personal.C(7).numeroOCero(), k.guardado);
        EXPECT_TRUE(caja->editando());
        EXPECT_TRUE(caja->hasFocus());
        EXPECT_EQ(caja->text(), QString::number(k.guardado, 'f', 0));
        EXPECT_EQ(caja->cursorPosition(), 0);
    }
}

// The service sheet's field is committed only when the service sheet is
// printed. After a change on sheet C the sheet shows the prices its printout
// carries: both use the unit costs as they are now.
TEST_F(Impresion, ServicioConfirmaSuCampoYMuestraLoImpreso)
{
    ventana->MostrarFormulario(Hoja::S);
    Teclear(Hoja_(Hoja::S)->Caja(Columna::S, 4), QStringLiteral("5,5"), Qt::Key_Tab);
    const int campo = 3; // loaded kilometres of the first service
    CajaTexto* caja = Escribir(Hoja::S, campo, QStringLiteral("250"));
    grabador.mirar = [caja] { return caja->text(); };
    Pulsar("mnuPrintCaracteristicas"); // an input-sheet print leaves the service field alone
    EXPECT_EQ(grabador.trabajos.back().visto, QStringLiteral("250"));
    EXPECT_NE(doc.calculo.Personal.S(campo).numeroOCero(), 250);
    Pulsar("mnuPrintServicio");
    EXPECT_EQ(grabador.trabajos.back().visto, QStringLiteral("250,0")); // one decimal
    EXPECT_EQ(doc.calculo.Personal.S(campo).numeroOCero(), 250);
    EXPECT_TRUE(caja->editando());
    EXPECT_EQ(caja->text(), QStringLiteral("250"));

    ventana->MostrarFormulario(Hoja::C);
    Teclear(Hoja_(Hoja::C)->Caja(Columna::S, 7), QStringLiteral("60000"), Qt::Key_Tab);
    ventana->MostrarFormulario(Hoja::S);
    const auto precios = [&] {
        QStringList p;
        for (int i : {1, 5, 6, 7})
            p << Hoja_(Hoja::S)->Caja(Columna::S, i)->text();
        return p;
    };
    const QStringList mostrados = precios();
    EXPECT_FALSE(mostrados[1].isEmpty());
    Pulsar("mnuPrintServicio");
    EXPECT_EQ(precios(), mostrados);
}

TEST_F(Impresion, ResultadosConSusGraficosSinHaberlosAbierto)
{
    ASSERT_EQ(ventana->Formulario(Hoja::R), nullptr);
    Pulsar("mnuPrintResultados");
    ASSERT_EQ(grabador.trabajos.size(), 1u);
    const QImage imagen = grabador.trabajos[0].imagen.Rasterizar(2);
    auto* resultados = qobject_cast<VentanaResultados*>(ventana->Formulario(Hoja::R));
    ASSERT_NE(resultados, nullptr);
    EXPECT_FALSE(resultados->isVisible());

    for (Columna c : {Columna::S, Columna::O}) {
        const Tarta& t = resultados->tarta(c);
        const QPoint origen = resultados->picture(c)->mapTo(resultados, QPoint(0, 0));
        int vistas = 0;
        for (int k = 0; k < kPorciones; ++k) {
            const Porcion& p = t.porciones[k];
            if (p.fin - p.inicio < 0.15)
                continue; // too thin to hit reliably
            // Two thirds of the way out along the wedge's middle.
            const double d = t.circulo.radio * 2 / 3;
            const double x = (t.circulo.cx + d * std::cos(p.medio())) * PixelesPorTwip() + origen.x();
            const double y = (t.circulo.cy - d * std::sin(p.medio())) * PixelesPorTwip() + origen.y();
            const QColor visto = imagen.pixelColor(static_cast<int>(x * 2), static_cast<int>(y * 2));
            EXPECT_EQ(visto, resultados::kColoresMuestras[k]) << "columna " << static_cast<int>(c) << " porción " << k;
            ++vistas;
        }
        EXPECT_GE(vistas, 4);
        const QPoint esquina = origen * 2 + QPoint(4, 4);
        EXPECT_EQ(imagen.pixelColor(esquina),
                  c == Columna::S ? resultados::kFondoPersonal : resultados::kFondoReferencia);
    }
}

TEST_F(Impresion, SinImpresoraLoDiceYNoImprime)
{
    if (HayImpresora())
        GTEST_SKIP() << "hay una impresora: no se imprime de verdad en una prueba";
    FijarDestinoImpresion(nullptr);
    QString aviso;
    AlAbrirModal([&](QWidget* modal) {
        aviso = modal->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
        QTest::keyClick(modal, Qt::Key_Escape); // "Cerrar"
    });
    Pulsar("mnuPrintTodo");
    EXPECT_EQ(aviso, QStringLiteral("No hay ninguna impresora instalada."));
    EXPECT_TRUE(mensajes.lista.empty());
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_FALSE(HayCambios(doc.calculo));
}

TEST(ImpresionPaginas, FijadaAlAnchoYCortadaPorUnHueco)
{
    QTemporaryDir dir;
    // Lines of "text" 20 rows high with 10 blank rows between them.
    QImage rayas(400, 4000, QImage::Format_RGB32);
    rayas.fill(Qt::white);
    for (int y = 0; y < rayas.height(); ++y)
        if (y % 30 < 20)
            for (int x = 0; x < rayas.width(); ++x)
                rayas.setPixel(x, y, (x * 7 + y * 13) % 5 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));

    QPdfWriter muestra(dir.filePath(QStringLiteral("muestra.pdf")));
    muestra.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    const double pagina = 400.0 * muestra.height() / muestra.width(); // rows per page at the page width
    const struct {
        int alto;
        int minimo, maximo;
    } casos[] = {
        {100, 1, 1},
        {static_cast<int>(pagina * 1.1), 1, 1}, // a little taller: shrunk onto one page
        {static_cast<int>(pagina * 1.5), 2, 2},
        {4000, static_cast<int>(std::ceil(4000 / pagina)), static_cast<int>(std::ceil(4000 / pagina)) + 1},
    };
    for (const auto& caso : casos) {
        ImagenHoja imagen;
        imagen.tamano = QSize(400, caso.alto);
        QPainter dibujo(&imagen.dibujo);
        dibujo.drawImage(0, 0, rayas.copy(0, 0, 400, caso.alto));
        dibujo.end();

        const QString ruta = dir.filePath(QStringLiteral("p%1.pdf").arg(caso.alto));
        QPdfWriter pdf(ruta);
        pdf.setPageLayout(muestra.pageLayout());
        QPainter p(&pdf);
        PintarEnPaginas(p, pdf, imagen);
        p.end();
        const int paginas = PaginasPdf(ruta);
        EXPECT_GE(paginas, caso.minimo) << caso.alto;
        EXPECT_LE(paginas, caso.maximo) << caso.alto;
    }
}

// tarvia-calc run as a user would, without a display: it ends with `codigo`
// and says nothing on standard error (Qt's notices included).
QJsonObject Calc(const QStringList& args, int codigo)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TARVIA_BIN_DIR "/tarvia-calc"), args);
    p.waitForFinished(60000);
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), codigo);
    EXPECT_EQ(p.readAllStandardError(), QByteArray());
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

TEST(CalcPdf, OchoHojasEnUnPdfYUnFalloEsUnMensaje)
{
    QTemporaryDir dir;
    const QString referencia = DirectorioPrograma() + QStringLiteral("/Baremario/Articulado Carga General.brm");
    const QString pdf = dir.filePath(QStringLiteral("estudio.pdf"));
    const QString guardado = dir.filePath(QStringLiteral("despues.trv"));
    const QJsonObject j =
        Calc({QStringLiteral("--locale"), QStringLiteral("es_ES"), referencia, QStringLiteral("--pdf"),
              dir.filePath(QStringLiteral("no/hay/x.pdf")), QStringLiteral("--set"), QStringLiteral("C.7=150000"),
              QStringLiteral("--pdf"), pdf, QStringLiteral("--guardar"), guardado},
             73); // one output could not be written
    const QJsonArray m = j[QStringLiteral("mensajes")].toArray();
    ASSERT_EQ(m.size(), 1);
    EXPECT_EQ(m[0].toObject()[QStringLiteral("titulo")].toString(), QStringLiteral("Error"));
    EXPECT_EQ(m[0].toObject()[QStringLiteral("texto")].toString(), MensajeArchivo(FalloArchivo::DirectorioNoExiste));
    // The run went on: the later actions happened.
    const int paginas = PaginasPdf(pdf);
    EXPECT_GE(paginas, 8);
    EXPECT_LE(paginas, 16);
    EXPECT_LT(QFileInfo(pdf).size() / paginas, 150 * 1024) << "drawn, not rasterised at the printer's resolution";
    EXPECT_TRUE(QFileInfo::exists(guardado));
}

} // namespace

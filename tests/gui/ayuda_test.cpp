#include "core/version.h"
#include "shell/ayuda.h"
#include "shell/ayuda_contexto.h"
#include "shell/frm_about.h"
#include "shell/frm_splash.h"
#include "shell/visor_ayuda.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTreeWidget>
#include <QUrl>
#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

namespace tarvia {
namespace {

#ifndef TARVIA_AYUDA_COMPILADA
#define TARVIA_AYUDA_COMPILADA 0
#endif

#define SIN_AYUDA_COMPILADA()                                                                                          \
    if (!TARVIA_AYUDA_COMPILADA)                                                                                       \
    GTEST_SKIP() << "La compilación no encontró chmcmd: no hay Tarvia.chm ni Acuerdos.chm que abrir"

const QString kBin = QStringLiteral(TARVIA_BIN_DIR);
const QString kMensajeAyuda = QStringLiteral("El fichero de ayuda se ha borrado o se ha corrompido.");
const QString kMensajeAcuerdos = QStringLiteral("El fichero de los acuerdos se ha borrado o se ha corrompido.");

struct Aviso {
    QString texto, titulo;
};

// Records what a command would show through MostrarMensaje.
struct Avisos {
    std::vector<Aviso> recibidos;
    AvisoAyuda Receptor()
    {
        return [this](const QString& texto, const QString& titulo) { recibidos.push_back({texto, titulo}); };
    }
};

using Orden = VisorAyuda* (*)(QWidget*, const AvisoAyuda&, const QString&);

struct Fichero {
    const char* nombre;
    Orden abrir;
    QString mensaje;
    QString tituloVentana;
    QString tituloInicio; // <title> of the default topic
    QString primeraEntrada;
};

const Fichero kFicheros[] = {
    {"Tarvia.chm", AbrirAyuda, kMensajeAyuda, QStringLiteral("Ayuda de TARVIA"),
     QStringLiteral("Presentación de TARVIA"), QStringLiteral("Presentación de TARVIA")},
    {"Acuerdos.chm", AbrirAcuerdos, kMensajeAcuerdos, QStringLiteral("Acuerdos: costes y revisión de precios"),
     QStringLiteral("Acuerdos: costes y revisión de precios"), QStringLiteral("Presentación")},
};

class AyudaTest : public ::testing::TestWithParam<Fichero> {
protected:
    void TearDown() override
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<VisorAyuda*>(w))
                delete w;
    }
    Avisos avisos;
};

TEST_P(AyudaTest, AbreEnElTemaInicialConSuTituloYSuContenido)
{
    SIN_AYUDA_COMPILADA();
    const Fichero& f = GetParam();
    VisorAyuda* visor = f.abrir(nullptr, avisos.Receptor(), {});
    ASSERT_NE(visor, nullptr);
    EXPECT_TRUE(avisos.recibidos.empty());
    EXPECT_EQ(visor->navegador()->source().scheme(), QStringLiteral("chm"));
    EXPECT_EQ(visor->navegador()->source().path(), QStringLiteral("/index.htm"));
    EXPECT_EQ(visor->navegador()->documentTitle(), f.tituloInicio);
    EXPECT_EQ(visor->windowTitle(), f.tituloVentana); // stored as Windows-1252 in the file
    ASSERT_GT(visor->contenido()->topLevelItemCount(), 0);
    EXPECT_EQ(visor->contenido()->topLevelItem(0)->text(0), f.primeraEntrada);
    EXPECT_EQ(ArchivoAyuda(), kBin + QLatin1Char('/') + QLatin1String(f.nombre));
    // The same command again reuses the window.
    EXPECT_EQ(f.abrir(nullptr, avisos.Receptor(), {}), visor);
}

TEST_P(AyudaTest, FicheroAusenteTruncadoOAjenoDaSuMensaje)
{
    const Fichero& f = GetParam();
    QTemporaryDir carpeta;
    const QString destino = carpeta.filePath(QLatin1String(f.nombre));
    QByteArray original;
    if (TARVIA_AYUDA_COMPILADA) {
        QFile compilado(kBin + QLatin1Char('/') + QLatin1String(f.nombre));
        ASSERT_TRUE(compilado.open(QIODevice::ReadOnly));
        original = compilado.readAll();
    }
    // nullopt: no file at all.
    std::vector<std::optional<QByteArray>> casos = {std::nullopt, QByteArray("esto no es un fichero de ayuda")};
    if (!original.isEmpty()) {
        casos.push_back(original.left(96));
        casos.push_back(original.left(4096));
        casos.push_back(original.left(original.size() / 2));
        casos.push_back(original.left(original.size() - 16));
    }
    for (const auto& contenido : casos) {
        QFile::remove(destino);
        if (contenido) {
            QFile fichero(destino);
            ASSERT_TRUE(fichero.open(QIODevice::WriteOnly));
            fichero.write(*contenido);
        }
        avisos.recibidos.clear();
        SCOPED_TRACE(contenido ? contenido->size() : -1);
        EXPECT_EQ(f.abrir(nullptr, avisos.Receptor(), carpeta.path()), nullptr);
        ASSERT_EQ(avisos.recibidos.size(), 1u);
        EXPECT_EQ(avisos.recibidos[0].texto, f.mensaje);
        EXPECT_EQ(avisos.recibidos[0].titulo, QStringLiteral("Error"));
        EXPECT_EQ(ArchivoAyuda(), destino); // set even when the file cannot be opened
    }
    // chmlib would wait for a writer on a pipe, and take in a huge file whole:
    // neither reaches it.
    const QByteArray nativo = QFile::encodeName(destino);
    const std::pair<const char*, std::function<bool()>> especiales[] = {
        {"tuberia", [&] { return mkfifo(nativo.constData(), 0644) == 0; }},
        {"carpeta", [&] { return QDir().mkdir(destino); }},
        {"ayuda entera seguida de ceros hasta 300 MB",
         [&] {
             QFile fichero(destino);
             return fichero.open(QIODevice::WriteOnly) && fichero.write(original) == original.size() &&
                    fichero.resize(300 << 20);
         }},
    };
    for (const auto& [caso, crear] : especiales) {
        SCOPED_TRACE(caso);
        QFile::remove(destino);
        QDir(destino).removeRecursively();
        ASSERT_TRUE(crear());
        avisos.recibidos.clear();
        EXPECT_EQ(f.abrir(nullptr, avisos.Receptor(), carpeta.path()), nullptr);
        ASSERT_EQ(avisos.recibidos.size(), 1u);
        EXPECT_EQ(avisos.recibidos[0].texto, f.mensaje);
    }
}

INSTANTIATE_TEST_SUITE_P(Ficheros, AyudaTest, ::testing::ValuesIn(kFicheros), [](const auto& caso) {
    return QString::fromLatin1(caso.param.nombre).section('.', 0, 0).toStdString();
});

class VisorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SIN_AYUDA_COMPILADA();
        visor = AbrirAyuda(nullptr, avisos.Receptor());
        ASSERT_NE(visor, nullptr);
    }
    void TearDown() override { delete visor.data(); }
    Avisos avisos;
    QPointer<VisorAyuda> visor;
};

TEST_F(VisorTest, UnEnlaceLlevaAOtraPaginaYAtrasVuelve)
{
    NavegadorChm* nav = visor->navegador();
    emit nav->anchorClicked(QUrl(QStringLiteral("primeros_pasos.htm")));
    EXPECT_EQ(nav->source().path(), QStringLiteral("/primeros_pasos.htm"));
    EXPECT_EQ(nav->documentTitle(), QStringLiteral("Empezar, abrir y guardar un cálculo"));
    EXPECT_TRUE(nav->toPlainText().contains(QStringLiteral("Este fichero ya existe.")));
    const QTreeWidgetItem* enlazada = visor->contenido()->currentItem();
    ASSERT_NE(enlazada, nullptr) << "the tree follows a followed link";
    EXPECT_EQ(enlazada->data(0, Qt::UserRole).toString().section(u'/', -1), QStringLiteral("primeros_pasos.htm"));
    nav->backward();
    EXPECT_EQ(nav->documentTitle(), QStringLiteral("Presentación de TARVIA"));
    ASSERT_NE(visor->contenido()->currentItem(), nullptr);
    EXPECT_NE(visor->contenido()->currentItem(), enlazada) << "and goes back with Atrás";
}

TEST_F(VisorTest, LasImagenesYLaHojaDeEstiloSeLeenDelFichero)
{
    // A relative name, as the page writes it, resolved against the page.
    const QImage estructura = visor->navegador()
                                  ->document()
                                  ->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("estructura.png")))
                                  .value<QImage>();
    EXPECT_EQ(estructura.size(), QSize(640, 300));
    const QString estilo =
        visor->navegador()
            ->loadResource(QTextDocument::StyleSheetResource, QUrl(QStringLiteral("chm:///estilo.css")))
            .toString();
    EXPECT_TRUE(estilo.contains(QStringLiteral("font-family")));
    EXPECT_FALSE(visor->navegador()
                     ->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chm:///no_existe.png")))
                     .isValid());
}

TEST_F(VisorTest, ElArbolDeContenidoAbreCadaTema)
{
    QTreeWidget* arbol = visor->contenido();
    const auto encontrados = arbol->findItems(QStringLiteral("Financiación"), Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(encontrados.size(), 1);
    emit arbol->itemClicked(encontrados[0], 0);
    EXPECT_EQ(visor->navegador()->documentTitle(), QStringLiteral("Financiación"));
    // Every entry names a page that the file holds; a book of pages names none.
    for (QTreeWidgetItemIterator it(arbol); *it; ++it) {
        const QString tema = (*it)->data(0, Qt::UserRole).toString();
        if ((*it)->childCount() > 0)
            EXPECT_TRUE(tema.isEmpty()) << (*it)->text(0).toStdString() << ": a book repeats its first page";
        else
            EXPECT_TRUE(visor->MostrarTema(tema)) << (*it)->text(0).toStdString();
    }
}

// Every page reached from the contents, the index or another page's links
// exists, and so does every picture; the keyword index is in alphabetical order.
TEST(AyudaCompilada, EnlacesImagenesEIndice)
{
    SIN_AYUDA_COMPILADA();
    for (const char* nombre : {"Tarvia", "Acuerdos"}) {
        SCOPED_TRACE(nombre);
        const auto chm = ArchivoChm::Abrir(QStringLiteral(TARVIA_BIN_DIR "/%1.chm").arg(QString::fromLatin1(nombre)));
        ASSERT_NE(chm, nullptr);
        const auto indice = chm->Leer(QStringLiteral("/%1.hhk").arg(QString::fromLatin1(nombre)));
        ASSERT_TRUE(indice.has_value());
        const QString hhk = DecodificarPagina(*indice);
        QStringList pendientes{chm->TemaInicial()};
        QStringList claves;
        QStringList anclas; // "/page.htm#name": each must be a name in its page
        for (const EntradaContenido& e : LeerSitemap(hhk)) {
            claves << e.nombre;
            pendientes << e.local; // already "/page.htm": one more slash would read as a host
            if (e.local.contains(u'#'))
                anclas << e.local;
        }
        const auto contenido = chm->Leer(chm->Contenido());
        ASSERT_TRUE(contenido.has_value());
        std::function<void(const std::vector<EntradaContenido>&)> anotar = [&](const auto& entradas) {
            for (const EntradaContenido& e : entradas) {
                if (!e.local.isEmpty())
                    pendientes << e.local;
                anotar(e.hijos);
            }
        };
        anotar(LeerSitemap(DecodificarPagina(*contenido)));
        // The window and field help: each page exists, each anchor is in its page.
        if (QLatin1String(nombre) == QLatin1String("Tarvia")) {
            QStringList temas;
            for (const TemaVentana& t : TemasDeVentanas())
                temas << QString::fromLatin1(t.pagina);
            for (const TemaCampo& t : TemasDeCampos())
                temas << QString::fromLatin1(t.tema);
            for (const QString& tema : temas) {
                const QUrl url = NavegadorChm::Url(tema);
                const auto pagina = chm->Leer(url.path());
                ASSERT_TRUE(pagina.has_value()) << tema.toStdString();
                if (url.hasFragment()) {
                    EXPECT_TRUE(
                        DecodificarPagina(*pagina).contains(QStringLiteral("<a name=\"%1\">").arg(url.fragment())))
                        << tema.toStdString();
                }
                pendientes << url.path();
            }
        }
        QCollator orden{QLocale(QLocale::Spanish, QLocale::Spain)};
        orden.setCaseSensitivity(Qt::CaseInsensitive);
        for (qsizetype k = 1; k < claves.size(); ++k)
            EXPECT_LE(orden.compare(claves[k - 1], claves[k]), 0) << claves[k].toStdString();

        static const QRegularExpression enlace(QStringLiteral(R"((href|src)="([^"#:]+)(#[^"]*)?")"));
        QSet<QString> vistas;
        while (!pendientes.isEmpty()) {
            const QString pagina = QUrl(pendientes.takeLast()).path();
            if (vistas.contains(pagina))
                continue;
            vistas.insert(pagina);
            const auto bytes = chm->Leer(pagina);
            ASSERT_TRUE(bytes.has_value()) << pagina.toStdString();
            auto it = enlace.globalMatch(DecodificarPagina(*bytes));
            while (it.hasNext()) {
                const QRegularExpressionMatch m = it.next();
                const QString destino = QStringLiteral("/") + m.captured(2);
                EXPECT_TRUE(chm->Leer(destino).has_value()) << pagina.toStdString() << " -> " << destino.toStdString();
                if (m.capturedLength(3) > 1)
                    anclas << destino + m.captured(3);
                if (destino.endsWith(QStringLiteral(".htm")))
                    pendientes << destino;
            }
        }
        EXPECT_GT(vistas.size(), 4);
        for (const QString& ancla : anclas) {
            const QUrl url(ancla);
            const auto pagina = chm->Leer(url.path());
            ASSERT_TRUE(pagina.has_value()) << ancla.toStdString();
            EXPECT_TRUE(DecodificarPagina(*pagina).contains(QStringLiteral("<a name=\"%1\">").arg(url.fragment())))
                << ancla.toStdString();
        }
    }
}

TEST(SitemapTest, AnidaLasListasYDecodificaLosNombres)
{
    const QString hhc =
        QStringLiteral("<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Libro &amp; hojas\">"
                       "<param name=\"Local\" value=\"libro.htm\"></OBJECT>"
                       "<ul><li><object type='text/sitemap'><PARAM NAME='name' VALUE='Cap&iacute;tulo'>"
                       "<param name=local value=dentro/cap.htm#parte></object>"
                       "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Hondo\"></OBJECT></UL>"
                       "</ul>"
                       "<LI><OBJECT type=\"text/sitemap\"><param name=\"ImageNumber\" value=\"1\"></OBJECT>"
                       "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Segundo\">"
                       "<param name=\"Local\" value=\"/dos.htm\"></OBJECT></UL>");
    const auto raiz = LeerSitemap(hhc);
    ASSERT_EQ(raiz.size(), 2u); // the entry with neither name nor page is left out
    EXPECT_EQ(raiz[0].nombre, QStringLiteral("Libro & hojas"));
    EXPECT_EQ(raiz[0].local, QStringLiteral("/libro.htm"));
    ASSERT_EQ(raiz[0].hijos.size(), 1u);
    EXPECT_EQ(raiz[0].hijos[0].nombre, QStringLiteral("Capítulo"));
    EXPECT_EQ(raiz[0].hijos[0].local, QStringLiteral("/dentro/cap.htm#parte"));
    ASSERT_EQ(raiz[0].hijos[0].hijos.size(), 1u);
    EXPECT_EQ(raiz[0].hijos[0].hijos[0].local, QString());
    EXPECT_EQ(raiz[1].nombre, QStringLiteral("Segundo"));
    EXPECT_EQ(raiz[1].local, QStringLiteral("/dos.htm"));
    EXPECT_TRUE(LeerSitemap(QStringLiteral("</ul></ul><object><param name=Name value=x></object>")).size() == 1);
}

TEST(DecodificarPaginaTest, RespetaElJuegoDeCaracteresOUsaWindows1252)
{
    struct Caso {
        QByteArray bytes;
        QString esperado;
    };
    const Caso casos[] = {
        {"<meta charset=\"utf-8\"><p>Cami\xc3\xb3n</p>", QStringLiteral("Camión")},
        {"<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\xe2\x82\xac", QStringLiteral("€")},
        {"<meta http-equiv=Content-Type content='text/html; charset=iso-8859-15'>\xa4", QStringLiteral("€")},
        {"<p>Cami\xf3n \x80</p>", QStringLiteral("Camión €")},       // no charset: Windows-1252
        {"<meta charset=\"desconocido\">\xe9", QStringLiteral("é")}, // unknown charset: Windows-1252
        {"\xef\xbb\xbf<p>a\xc3\xb1o</p>", QStringLiteral("año")},    // UTF-8 mark
    };
    for (const Caso& c : casos)
        EXPECT_TRUE(DecodificarPagina(c.bytes).contains(c.esperado)) << c.bytes.toStdString();
}

TEST(FrmAboutTest, MuestraLaVersionDeLaCompilacionYCabeCadaTexto)
{
    Avisos avisos;
    FrmAbout caja(avisos.Receptor());
    EXPECT_EQ(caja.lblVersion()->text(), QStringLiteral("Versión %1.%2.%3")
                                             .arg(TARVIA_VERSION_MAJOR)
                                             .arg(TARVIA_VERSION_MINOR)
                                             .arg(TARVIA_VERSION_PATCH));
    EXPECT_FALSE(caja.lblDescripcion()->text().isEmpty());
    EXPECT_FALSE(caja.lblAdvertencia()->text().isEmpty());
    EXPECT_FALSE(caja.picIcono()->pixmap().isNull());
    FrmSplash splash; // the same version and description
    EXPECT_EQ(splash.lblVersion()->text(), caja.lblVersion()->text());
    EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("lblDescripcion"))->text(), caja.lblDescripcion()->text());
    // Each text fits in its label.
    for (QLabel* l : {caja.lblTitulo(), caja.lblVersion()})
        EXPECT_LE(l->sizeHint().width(), l->width()) << l->objectName().toStdString();
    for (QLabel* l : {caja.lblDescripcion(), caja.lblAdvertencia()})
        EXPECT_LE(l->heightForWidth(l->width()), l->height()) << l->objectName().toStdString();
}

TEST(FrmAboutTest, ControlOEscapeEnAceptarMuestranElAutorSinCerrar)
{
    Avisos avisos;
    FrmAbout caja(avisos.Receptor());
    caja.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&caja));
    caja.cmbAceptar()->setFocus();
    QTest::keyClick(caja.cmbAceptar(), Qt::Key_Escape);
    QTest::keyClick(caja.cmbAceptar(), Qt::Key_Control);
    ASSERT_EQ(avisos.recibidos.size(), 2u);
    for (const Aviso& a : avisos.recibidos) {
        EXPECT_EQ(a.titulo, QStringLiteral("Autor"));
        EXPECT_TRUE(a.texto.contains(QStringLiteral("TARVIA")));
    }
    EXPECT_TRUE(caja.isVisible());
    QTest::keyClick(caja.cmbAceptar(), Qt::Key_A); // any other key does nothing
    EXPECT_EQ(avisos.recibidos.size(), 2u);
    QTest::mouseClick(caja.cmbAceptar(), Qt::LeftButton);
    EXPECT_FALSE(caja.isVisible());
    EXPECT_EQ(caja.result(), QDialog::Accepted);
}

// The index named by the file, and a search that ignores case and accents,
// on the compiled help itself.
TEST(AyudaCompilada, IndiceYBusquedaSinMayusculasNiAcentos)
{
    SIN_AYUDA_COMPILADA();
    const auto chm = ArchivoChm::Abrir(QStringLiteral(TARVIA_BIN_DIR "/Tarvia.chm"));
    ASSERT_NE(chm, nullptr);
    EXPECT_EQ(chm->Indice(), QStringLiteral("/Tarvia.hhk"));
    const std::vector<EntradaContenido> indice = LeerIndice(*chm);
    EXPECT_GT(indice.size(), 60u);
    const auto sensibilidad = std::find_if(indice.begin(), indice.end(),
                                           [](const auto& e) { return e.nombre == QStringLiteral("Sensibilidad"); });
    ASSERT_NE(sensibilidad, indice.end());
    EXPECT_EQ(sensibilidad->local, QStringLiteral("/analisis_sensibilidad.htm"));

    const auto paginas = [&](const QString& texto) {
        QStringList encontradas;
        for (const PaginaEncontrada& p : Buscar(*chm, texto))
            encontradas << p.local;
        return encontradas;
    };
    const QStringList gasoleo = paginas(QStringLiteral("gasóleo"));
    EXPECT_TRUE(gasoleo.contains(QStringLiteral("/analisis_revision.htm")));
    EXPECT_TRUE(gasoleo.contains(QStringLiteral("/calculo_carburante.htm")));
    struct Caso {
        const char* buscado;
        const char* debeEstar; // nullptr: no page
    };
    const Caso casos[] = {
        {"gasoleo", "/analisis_revision.htm"},
        {"GASOLEO", "/calculo_carburante.htm"},
        {"Gasóleo", "/analisis_revision.htm"},
        {"punto   EQUILIBRIO", "/analisis_sensibilidad.htm"}, // every word, anywhere in the page
        {"623,88", "/analisis_presupuesto.htm"},
        // What a haulier would type when stuck.
        {"no hay ninguna impresora instalada", "/imprimir.htm"},
        {"intermodal 46", "/caracteristicas.htm"},
        {"Documentos TARVIA copia de seguridad", "/primeros_pasos.htm"},
        {"que es el baremario", "/baremario.htm"},
        {"precio gasoleo conductor grabar", "/actualizar.htm"},
        {"zzqx", nullptr},
        {"  ", nullptr},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.buscado);
        const QStringList encontradas = paginas(QString::fromUtf8(c.buscado));
        if (!c.debeEstar) {
            EXPECT_TRUE(encontradas.isEmpty());
            continue;
        }
        EXPECT_TRUE(encontradas.contains(QString::fromLatin1(c.debeEstar))) << encontradas.join(u' ').toStdString();
        if (QString::fromUtf8(c.buscado).compare(QStringLiteral("gasoleo"), Qt::CaseInsensitive) == 0) {
            EXPECT_EQ(encontradas, gasoleo) << "the same pages with or without accents";
        }
    }
}

TEST_F(VisorTest, ElIndiceFiltraSinAcentosYLaBusquedaAbreLaPagina)
{
    QListWidget* lista = visor->indice();
    ASSERT_TRUE(visor->pestanas()->isTabEnabled(1));
    QTest::keyClicks(visor->filtroIndice(), QStringLiteral("revision por gas"));
    QStringList visibles;
    for (int k = 0; k < lista->count(); ++k)
        if (!lista->item(k)->isHidden())
            visibles << lista->item(k)->text();
    EXPECT_EQ(visibles, QStringList{QStringLiteral("Revisión por gasóleo")});
    QTest::keyClick(visor->filtroIndice(), Qt::Key_Return);
    EXPECT_EQ(visor->navegador()->source().path(), QStringLiteral("/analisis_revision.htm"));

    visor->filtroIndice()->clear();
    for (int k = 0; k < lista->count(); ++k)
        EXPECT_FALSE(lista->item(k)->isHidden());

    QTest::keyClicks(visor->textoBuscado(), QStringLiteral("presupuesto margen"));
    QTest::keyClick(visor->textoBuscado(), Qt::Key_Return);
    QListWidgetItem* presupuesto = nullptr;
    for (int k = 0; k < visor->encontradas()->count(); ++k)
        if (visor->encontradas()->item(k)->data(Qt::UserRole).toString() == QStringLiteral("/analisis_presupuesto.htm"))
            presupuesto = visor->encontradas()->item(k);
    ASSERT_NE(presupuesto, nullptr);
    emit visor->encontradas()->itemActivated(presupuesto);
    EXPECT_EQ(visor->navegador()->source().path(), QStringLiteral("/analisis_presupuesto.htm"));

    visor->textoBuscado()->setText(QStringLiteral("zzqx"));
    QTest::keyClick(visor->textoBuscado(), Qt::Key_Return);
    ASSERT_EQ(visor->encontradas()->count(), 1);
    EXPECT_EQ(visor->encontradas()->item(0)->text(), QStringLiteral("Ninguna página contiene lo que busca."));
}

} // namespace
} // namespace tarvia

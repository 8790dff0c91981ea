#include "shell/visor_ayuda.h"

#include "core/lectura.h"

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QStringDecoder>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <chm_lib.h>

#include <algorithm>

namespace tarvia {

namespace {

// Records of the file's /#SYSTEM object that the window uses.
enum CodigoSistema : quint16 { kContenido = 0, kIndice = 1, kTemaInicial = 2, kTitulo = 3 };

QString NormalizarRuta(QString ruta)
{
    ruta = ruta.trimmed();
    if (!ruta.startsWith(QLatin1Char('/')))
        ruta.prepend(QLatin1Char('/'));
    return ruta;
}

QString Windows1252(const QByteArray& bytes)
{
    QStringDecoder decodificar("windows-1252");
    return decodificar.isValid() ? decodificar.decode(bytes) : QString::fromLatin1(bytes);
}

quint64 LeerEntero(const QByteArray& b, qsizetype i, int bytes)
{
    quint64 v = 0;
    for (int k = bytes - 1; k >= 0; --k)
        v = (v << 8) | static_cast<uchar>(b[i + k]);
    return v;
}

// The file states its own length in its first header section: a copy cut
// short is damaged even when the pages the window reads first are intact.
bool Completo(const QString& ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray cabecera = f.read(0x48);
    if (cabecera.size() < 0x48 || !cabecera.startsWith("ITSF"))
        return true; // not ours to judge: chmlib decides
    const quint64 seccion = LeerEntero(cabecera, 0x38, 8);
    if (seccion + 16 > static_cast<quint64>(f.size()) || !f.seek(static_cast<qint64>(seccion)))
        return false;
    const QByteArray s0 = f.read(16);
    if (LeerEntero(s0, 0, 4) != 0x1FE)
        return true;
    return LeerEntero(s0, 8, 8) <= static_cast<quint64>(f.size());
}

// Entities and all: the text of an attribute value as a browser would read it.
QString TextoDeAtributo(const QString& valor)
{
    return valor.contains(QLatin1Char('&')) ? QTextDocumentFragment::fromHtml(valor).toPlainText() : valor;
}

} // namespace

// ---- ArchivoChm -------------------------------------------------------------

std::unique_ptr<ArchivoChm> ArchivoChm::Abrir(const QString& ruta)
{
    // chmlib opens the file itself, and waits on a pipe: only a regular file
    // of a sensible size gets that far.
    if (ComprobarFichero(ruta, kTopeAyuda) != FalloLectura::Ninguno || !Completo(ruta))
        return nullptr;
    chmFile* chm = chm_open(QFile::encodeName(ruta).constData());
    if (!chm)
        return nullptr;
    std::unique_ptr<ArchivoChm> archivo(new ArchivoChm(chm));
    if (!archivo->LeerSistema(ruta) || !archivo->Leer(archivo->temaInicial_))
        return nullptr;
    return archivo;
}

ArchivoChm::~ArchivoChm() { chm_close(chm_); }

std::optional<QByteArray> ArchivoChm::Leer(const QString& ruta) const
{
    chmUnitInfo info{};
    const QByteArray nombre = NormalizarRuta(ruta).toUtf8();
    if (chm_resolve_object(chm_, nombre.constData(), &info) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (info.length > static_cast<LONGUINT64>(64 * 1024 * 1024))
        return std::nullopt;
    QByteArray datos(static_cast<qsizetype>(info.length), Qt::Uninitialized);
    if (info.length == 0)
        return datos;
    const LONGINT64 leidos = chm_retrieve_object(chm_, &info, reinterpret_cast<unsigned char*>(datos.data()), 0,
                                                 static_cast<LONGINT64>(info.length));
    if (leidos != static_cast<LONGINT64>(info.length))
        return std::nullopt; // a truncated or damaged file
    return datos;
}

// /#SYSTEM: a 32-bit version, then records of a 16-bit code, a 16-bit length
// and that many bytes (strings end in a NUL), all little-endian.
bool ArchivoChm::LeerSistema(const QString& ruta)
{
    const std::optional<QByteArray> sistema = Leer(QStringLiteral("/#SYSTEM"));
    if (!sistema || sistema->size() < 4)
        return false;
    const auto* b = reinterpret_cast<const uchar*>(sistema->constData());
    const qsizetype n = sistema->size();
    for (qsizetype i = 4; i + 4 <= n;) {
        const quint16 codigo = quint16(b[i] | (b[i + 1] << 8));
        const quint16 largo = quint16(b[i + 2] | (b[i + 3] << 8));
        i += 4;
        if (i + largo > n)
            return false;
        QByteArray dato(reinterpret_cast<const char*>(b + i), largo);
        if (const qsizetype fin = dato.indexOf('\0'); fin >= 0)
            dato.truncate(fin);
        switch (codigo) {
        case kContenido: contenido_ = NormalizarRuta(Windows1252(dato)); break;
        case kIndice: indice_ = NormalizarRuta(Windows1252(dato)); break;
        case kTemaInicial: temaInicial_ = NormalizarRuta(Windows1252(dato)); break;
        case kTitulo: titulo_ = Windows1252(dato).trimmed(); break;
        default: break;
        }
        i += largo;
    }
    if (temaInicial_.isEmpty())
        temaInicial_ = QStringLiteral("/index.htm");
    // Compilers that do not name the index leave it under the file's own name.
    if (indice_.isEmpty() || indice_ == QLatin1String("/"))
        indice_ = QLatin1Char('/') + QFileInfo(ruta).completeBaseName() + QStringLiteral(".hhk");
    return true;
}

namespace {
int AnotarPagina(chmFile*, chmUnitInfo* info, void* contexto)
{
    const QString nombre = QString::fromUtf8(info->path);
    if (nombre.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) ||
        nombre.endsWith(QLatin1String(".html"), Qt::CaseInsensitive))
        static_cast<QStringList*>(contexto)->append(nombre);
    return CHM_ENUMERATOR_CONTINUE;
}
} // namespace

QStringList ArchivoChm::Paginas() const
{
    QStringList paginas;
    chm_enumerate(chm_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, AnotarPagina, &paginas);
    return paginas;
}

// ---- Text and contents --------------------------------------------------------

QString DecodificarPagina(const QByteArray& bytes)
{
    if (const auto bom = QStringConverter::encodingForData(bytes))
        return QStringDecoder(*bom).decode(bytes);
    static const QRegularExpression meta(QStringLiteral(R"re(charset\s*=\s*["']?\s*([A-Za-z0-9_\-:.]+))re"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = meta.match(QString::fromLatin1(bytes.left(2048)));
    if (m.hasMatch()) {
        QStringDecoder decodificar(m.captured(1).toLatin1().constData());
        if (decodificar.isValid())
            return decodificar.decode(bytes);
    }
    return Windows1252(bytes);
}

std::vector<EntradaContenido> LeerSitemap(const QString& html)
{
    static const QRegularExpression etiqueta(QStringLiteral(R"(<\s*(/?)\s*(ul|object|param)\b([^>]*)>)"),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression atributo(QStringLiteral(R"re((\w+)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))re"));

    std::vector<EntradaContenido> raiz;
    std::vector<std::vector<EntradaContenido>*> niveles{&raiz};
    std::optional<EntradaContenido> actual;

    for (auto it = etiqueta.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const bool cierre = !m.captured(1).isEmpty();
        const QString nombre = m.captured(2).toLower();
        if (nombre == QLatin1String("ul")) {
            if (cierre) {
                if (niveles.size() > 1)
                    niveles.pop_back();
            } else {
                // A list nests under the entry just read; a stray one stays at its level.
                std::vector<EntradaContenido>* nivel = niveles.back();
                niveles.push_back(nivel->empty() ? nivel : &nivel->back().hijos);
            }
        } else if (nombre == QLatin1String("object")) {
            if (!cierre) {
                actual.emplace();
            } else if (actual) {
                if (!actual->nombre.isEmpty() || !actual->local.isEmpty())
                    niveles.back()->push_back(std::move(*actual));
                actual.reset();
            }
        } else if (actual && !cierre) { // <param name=... value=...>
            QString clave, valor;
            for (auto a = atributo.globalMatch(m.captured(3)); a.hasNext();) {
                const QRegularExpressionMatch am = a.next();
                const QString texto = am.captured(2) + am.captured(3) + am.captured(4);
                if (am.captured(1).compare(QLatin1String("name"), Qt::CaseInsensitive) == 0)
                    clave = texto.toLower();
                else if (am.captured(1).compare(QLatin1String("value"), Qt::CaseInsensitive) == 0)
                    valor = TextoDeAtributo(texto);
            }
            if (clave == QLatin1String("name"))
                actual->nombre = valor;
            else if (clave == QLatin1String("local"))
                actual->local = NormalizarRuta(valor);
        }
    }
    return raiz;
}

namespace {
void Aplanar(const std::vector<EntradaContenido>& entradas, const QString& prefijo,
             std::vector<EntradaContenido>& lista)
{
    for (const EntradaContenido& e : entradas) {
        const QString nombre = prefijo.isEmpty() ? e.nombre : prefijo + QStringLiteral(", ") + e.nombre;
        if (!e.local.isEmpty())
            lista.push_back({nombre, e.local, {}});
        Aplanar(e.hijos, nombre, lista);
    }
}
} // namespace

std::vector<EntradaContenido> LeerIndice(const ArchivoChm& archivo)
{
    std::vector<EntradaContenido> lista;
    if (const std::optional<QByteArray> hhk = archivo.Leer(archivo.Indice()))
        Aplanar(LeerSitemap(DecodificarPagina(*hhk)), {}, lista);
    return lista;
}

QString Plegar(const QString& texto)
{
    const QString descompuesto = texto.normalized(QString::NormalizationForm_KD);
    QString plegado;
    plegado.reserve(descompuesto.size());
    for (const QChar c : descompuesto)
        if (c.category() != QChar::Mark_NonSpacing)
            plegado.append(c);
    return plegado.toCaseFolded();
}

std::vector<PaginaEncontrada> Buscar(const ArchivoChm& archivo, const QString& texto)
{
    static const QRegularExpression separador(QStringLiteral("\\W+"));
    const QStringList palabras = Plegar(texto).split(separador, Qt::SkipEmptyParts);
    std::vector<PaginaEncontrada> encontradas;
    if (palabras.isEmpty())
        return encontradas;
    static const QRegularExpression titulo(QStringLiteral("<title>([^<]*)</title>"),
                                           QRegularExpression::CaseInsensitiveOption);
    for (const QString& pagina : archivo.Paginas()) {
        const std::optional<QByteArray> bytes = archivo.Leer(pagina);
        if (!bytes)
            continue;
        const QString html = DecodificarPagina(*bytes);
        const QString plano = Plegar(QTextDocumentFragment::fromHtml(html).toPlainText());
        int apariciones = 0;
        for (const QString& p : palabras) {
            const int n = static_cast<int>(plano.count(p));
            if (n == 0) {
                apariciones = 0;
                break;
            }
            apariciones += n;
        }
        if (apariciones == 0)
            continue;
        QString nombre = TextoDeAtributo(titulo.match(html).captured(1).trimmed());
        encontradas.push_back({pagina, nombre.isEmpty() ? pagina : nombre, apariciones});
    }
    std::stable_sort(encontradas.begin(), encontradas.end(), [](const PaginaEncontrada& a, const PaginaEncontrada& b) {
        return a.apariciones > b.apariciones;
    });
    return encontradas;
}

// ---- NavegadorChm ---------------------------------------------------------------

NavegadorChm::NavegadorChm(QWidget* padre) : QTextBrowser(padre)
{
    setOpenLinks(false); // links inside the file and outside it are told apart below
    connect(this, &QTextBrowser::anchorClicked, this, &NavegadorChm::Seguir);
}

QUrl NavegadorChm::Url(const QString& ruta)
{
    QUrl url;
    url.setScheme(QStringLiteral("chm"));
    const QString normal = NormalizarRuta(ruta);
    const qsizetype almohadilla = normal.indexOf(QLatin1Char('#'));
    url.setPath(almohadilla < 0 ? normal : normal.left(almohadilla));
    if (almohadilla >= 0)
        url.setFragment(normal.mid(almohadilla + 1));
    return url;
}

void NavegadorChm::Seguir(const QUrl& url)
{
    const QUrl destino = url.isRelative() ? source().resolved(url) : url;
    if (destino.scheme() == QLatin1String("chm"))
        setSource(destino);
    else
        QDesktopServices::openUrl(destino); // a web or mail link
}

QVariant NavegadorChm::loadResource(int tipo, const QUrl& url)
{
    const QUrl destino = url.isRelative() ? source().resolved(url) : url;
    if (destino.scheme() != QLatin1String("chm") || !archivo_)
        return QTextBrowser::loadResource(tipo, url);
    const std::optional<QByteArray> datos = archivo_->Leer(destino.path());
    if (!datos)
        return {};
    if (tipo == QTextDocument::ImageResource)
        return QImage::fromData(*datos);
    return DecodificarPagina(*datos);
}

// ---- VisorAyuda -------------------------------------------------------------------

VisorAyuda::VisorAyuda(std::unique_ptr<ArchivoChm> archivo, const QString& ruta, QWidget* dueno)
    : QMainWindow(dueno, Qt::Window), ruta_(ruta)
{
    setObjectName(QStringLiteral("VisorAyuda"));
    setAttribute(Qt::WA_DeleteOnClose);

    arbol_ = new QTreeWidget;
    arbol_->setObjectName(QStringLiteral("Contenido"));
    arbol_->setHeaderHidden(true);
    navegador_ = new NavegadorChm;
    navegador_->setObjectName(QStringLiteral("Pagina"));

    // Index: the keywords, narrowed as the user types.
    auto* paginaIndice = new QWidget;
    auto* capaIndice = new QVBoxLayout(paginaIndice);
    filtro_ = new QLineEdit;
    filtro_->setObjectName(QStringLiteral("FiltroIndice"));
    filtro_->setPlaceholderText(QStringLiteral("Escriba la palabra que busca"));
    listaIndice_ = new QListWidget;
    listaIndice_->setObjectName(QStringLiteral("Indice"));
    capaIndice->addWidget(filtro_);
    capaIndice->addWidget(listaIndice_);
    connect(filtro_, &QLineEdit::textChanged, this, &VisorAyuda::FiltrarIndice);
    connect(filtro_, &QLineEdit::returnPressed, this, [this] {
        for (int k = 0; k < listaIndice_->count(); ++k)
            if (!listaIndice_->item(k)->isHidden()) {
                listaIndice_->setCurrentRow(k);
                MostrarTema(listaIndice_->item(k)->data(Qt::UserRole).toString());
                return;
            }
    });

    // Search: every page holding all the words.
    auto* paginaBuscar = new QWidget;
    auto* capaBuscar = new QVBoxLayout(paginaBuscar);
    buscado_ = new QLineEdit;
    buscado_->setObjectName(QStringLiteral("TextoBuscado"));
    buscado_->setPlaceholderText(QStringLiteral("Palabras que busca"));
    auto* botonBuscar = new QPushButton(QStringLiteral("Buscar"));
    encontradas_ = new QListWidget;
    encontradas_->setObjectName(QStringLiteral("Encontradas"));
    capaBuscar->addWidget(buscado_);
    capaBuscar->addWidget(botonBuscar);
    capaBuscar->addWidget(encontradas_);
    connect(buscado_, &QLineEdit::returnPressed, this, &VisorAyuda::BuscarTexto);
    connect(botonBuscar, &QPushButton::clicked, this, &VisorAyuda::BuscarTexto);

    for (QListWidget* lista : {listaIndice_, encontradas_}) {
        connect(lista, &QListWidget::itemActivated, this,
                [this](QListWidgetItem* item) { MostrarTema(item->data(Qt::UserRole).toString()); });
        connect(lista, &QListWidget::itemClicked, this,
                [this](QListWidgetItem* item) { MostrarTema(item->data(Qt::UserRole).toString()); });
    }

    pestanas_ = new QTabWidget;
    pestanas_->setObjectName(QStringLiteral("Pestanas"));
    pestanas_->addTab(arbol_, QStringLiteral("Contenido"));
    pestanas_->addTab(paginaIndice, QStringLiteral("Índice"));
    pestanas_->addTab(paginaBuscar, QStringLiteral("Buscar"));

    auto* division = new QSplitter;
    division->addWidget(pestanas_);
    division->addWidget(navegador_);
    division->setStretchFactor(1, 1);
    division->setSizes({280, 720});
    setCentralWidget(division);

    QToolBar* barra = addToolBar(QStringLiteral("Navegación"));
    barra->setMovable(false);
    QAction* atras = barra->addAction(QStringLiteral("Atrás"), navegador_, &QTextBrowser::backward);
    QAction* adelante = barra->addAction(QStringLiteral("Adelante"), navegador_, &QTextBrowser::forward);
    barra->addAction(QStringLiteral("Inicio"), this, &VisorAyuda::MostrarInicio);
    atras->setEnabled(false);
    adelante->setEnabled(false);
    connect(navegador_, &QTextBrowser::backwardAvailable, atras, &QAction::setEnabled);
    connect(navegador_, &QTextBrowser::forwardAvailable, adelante, &QAction::setEnabled);

    connect(arbol_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { MostrarTema(item->data(0, Qt::UserRole).toString()); });
    connect(arbol_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { MostrarTema(item->data(0, Qt::UserRole).toString()); });
    // Back, forward and followed links move the tree's selection with them.
    connect(navegador_, &QTextBrowser::sourceChanged, this, &VisorAyuda::MarcarEnContenido);

    resize(1000, 700);
    Cargar(std::move(archivo));
}

VisorAyuda::~VisorAyuda()
{
    // The browser may ask for resources while it is torn down: no file by then.
    navegador_->FijarArchivo(nullptr);
}

void VisorAyuda::Cargar(std::unique_ptr<ArchivoChm> archivo)
{
    navegador_->FijarArchivo(archivo.get());
    archivo_ = std::move(archivo);
    navegador_->clearHistory();
    setWindowTitle(archivo_->Titulo().isEmpty() ? QStringLiteral("Ayuda") : archivo_->Titulo());
    LlenarContenido();
    LlenarIndice();
    encontradas_->clear();
    MostrarInicio();
}

void VisorAyuda::MostrarInicio() { MostrarTema(archivo_->TemaInicial()); }

bool VisorAyuda::MostrarTema(const QString& ruta)
{
    if (ruta.isEmpty())
        return false;
    const QUrl url = NavegadorChm::Url(ruta);
    if (!archivo_->Leer(url.path()))
        return false;
    // The same page again must still show: the file behind it may have been replaced.
    if (navegador_->source().path() == url.path())
        navegador_->reload();
    navegador_->setSource(url, QTextDocument::HtmlResource);
    return true;
}

void VisorAyuda::MarcarEnContenido(const QUrl& url)
{
    for (QTreeWidgetItemIterator it(arbol_); *it; ++it) {
        const QString local = (*it)->data(0, Qt::UserRole).toString();
        // Look-ups in a help file ignore case.
        if (!local.isEmpty() && NavegadorChm::Url(local).path().compare(url.path(), Qt::CaseInsensitive) == 0) {
            arbol_->setCurrentItem(*it);
            arbol_->scrollToItem(*it);
            return;
        }
    }
    arbol_->clearSelection();
    arbol_->setCurrentItem(nullptr);
}

void VisorAyuda::LlenarContenido()
{
    arbol_->clear();
    const std::optional<QByteArray> hhc =
        archivo_->Contenido().isEmpty() ? std::nullopt : archivo_->Leer(archivo_->Contenido());
    if (hhc)
        AnadirEntradas(nullptr, LeerSitemap(DecodificarPagina(*hhc)));
    arbol_->expandAll();
}

void VisorAyuda::AnadirEntradas(QTreeWidgetItem* padre, const std::vector<EntradaContenido>& entradas)
{
    for (const EntradaContenido& e : entradas) {
        auto* item = padre ? new QTreeWidgetItem(padre) : new QTreeWidgetItem(arbol_);
        item->setText(0, e.nombre);
        item->setToolTip(0, e.nombre);
        item->setData(0, Qt::UserRole, e.local);
        AnadirEntradas(item, e.hijos);
    }
}

} // namespace tarvia

namespace tarvia {

void VisorAyuda::LlenarIndice()
{
    listaIndice_->clear();
    for (const EntradaContenido& e : LeerIndice(*archivo_)) {
        auto* item = new QListWidgetItem(e.nombre, listaIndice_);
        item->setData(Qt::UserRole, e.local);
    }
    pestanas_->setTabEnabled(1, listaIndice_->count() > 0);
    FiltrarIndice(filtro_->text());
}

void VisorAyuda::FiltrarIndice(const QString& texto)
{
    const QString buscado = Plegar(texto.trimmed());
    for (int k = 0; k < listaIndice_->count(); ++k) {
        QListWidgetItem* item = listaIndice_->item(k);
        item->setHidden(!buscado.isEmpty() && !Plegar(item->text()).contains(buscado));
    }
}

void VisorAyuda::BuscarTexto()
{
    encontradas_->clear();
    const std::vector<PaginaEncontrada> paginas = Buscar(*archivo_, buscado_->text());
    for (const PaginaEncontrada& p : paginas) {
        auto* item = new QListWidgetItem(p.titulo, encontradas_);
        item->setData(Qt::UserRole, p.local);
        item->setToolTip(QStringLiteral("%1 coincidencias").arg(p.apariciones));
    }
    if (paginas.empty() && !buscado_->text().trimmed().isEmpty())
        encontradas_->addItem(QStringLiteral("Ninguna página contiene lo que busca."));
}

} // namespace tarvia

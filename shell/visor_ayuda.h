#pragma once
// The help window: reads a compiled HTML help file (.chm, through chmlib) and
// shows its pages, links and pictures with the contents tree beside them.
#include <QMainWindow>
#include <QTextBrowser>

#include <memory>
#include <optional>
#include <vector>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

struct chmFile;

namespace tarvia {

// One compiled help file open for reading. Paths inside it start with "/".
class ArchivoChm {
public:
    // nullptr when the file is missing, is not a help file, or is damaged
    // (its system data or its default topic cannot be read).
    static std::unique_ptr<ArchivoChm> Abrir(const QString& ruta);
    ~ArchivoChm();
    ArchivoChm(const ArchivoChm&) = delete;
    ArchivoChm& operator=(const ArchivoChm&) = delete;

    std::optional<QByteArray> Leer(const QString& ruta) const;
    const QString& TemaInicial() const { return temaInicial_; }
    const QString& Titulo() const { return titulo_; }
    const QString& Contenido() const { return contenido_; } // the .hhc, may be empty
    const QString& Indice() const { return indice_; }       // the .hhk, may not exist
    // Every page of the file, in the order the file keeps them.
    QStringList Paginas() const;

private:
    explicit ArchivoChm(chmFile* chm) : chm_(chm) {}
    bool LeerSistema(const QString& ruta);

    chmFile* chm_;
    QString temaInicial_, titulo_, contenido_, indice_;
};

// Pages are bytes: their charset meta tag says how to read them; without one,
// Windows-1252, as help compilers store them.
QString DecodificarPagina(const QByteArray& bytes);

// One entry of the contents tree (a sitemap, .hhc).
struct EntradaContenido {
    QString nombre;
    QString local; // page inside the file, may be empty for a book
    std::vector<EntradaContenido> hijos;
};
std::vector<EntradaContenido> LeerSitemap(const QString& html);

// The keyword index, flattened: a keyword under another reads "Otra, palabra".
std::vector<EntradaContenido> LeerIndice(const ArchivoChm& archivo);

// Text compared without case or accents: "Gasóleo" and "GASOLEO" are the same.
QString Plegar(const QString& texto);

// The pages holding every word of `texto`, the most hits first.
struct PaginaEncontrada {
    QString local, titulo;
    int apariciones = 0;
};
std::vector<PaginaEncontrada> Buscar(const ArchivoChm& archivo, const QString& texto);

// A text browser whose "chm:" links, pictures and style sheets come from the file.
class NavegadorChm : public QTextBrowser {
    Q_OBJECT
public:
    explicit NavegadorChm(QWidget* padre = nullptr);
    void FijarArchivo(const ArchivoChm* archivo) { archivo_ = archivo; }
    static QUrl Url(const QString& ruta); // "/index.htm" -> chm:///index.htm

    QVariant loadResource(int tipo, const QUrl& url) override;

private:
    void Seguir(const QUrl& url);
    const ArchivoChm* archivo_ = nullptr;
};

class VisorAyuda : public QMainWindow {
    Q_OBJECT
public:
    VisorAyuda(std::unique_ptr<ArchivoChm> archivo, const QString& ruta, QWidget* dueno = nullptr);
    ~VisorAyuda() override;

    // Replaces the file shown (the same help opened again) and goes to its default topic.
    void Cargar(std::unique_ptr<ArchivoChm> archivo);
    void MostrarInicio();
    bool MostrarTema(const QString& ruta);

    const QString& Ruta() const { return ruta_; }
    NavegadorChm* navegador() const { return navegador_; }
    QTreeWidget* contenido() const { return arbol_; }
    QTabWidget* pestanas() const { return pestanas_; }
    QLineEdit* filtroIndice() const { return filtro_; }
    QListWidget* indice() const { return listaIndice_; }
    QLineEdit* textoBuscado() const { return buscado_; }
    QListWidget* encontradas() const { return encontradas_; }

private:
    void LlenarContenido();
    // Selects the tree's entry of the page shown, if it has one.
    void MarcarEnContenido(const QUrl& url);
    void AnadirEntradas(QTreeWidgetItem* padre, const std::vector<EntradaContenido>& entradas);
    void LlenarIndice();
    void FiltrarIndice(const QString& texto);
    void BuscarTexto();

    std::unique_ptr<ArchivoChm> archivo_;
    QString ruta_;
    NavegadorChm* navegador_;
    QTreeWidget* arbol_;
    QTabWidget* pestanas_;
    QLineEdit* filtro_;
    QListWidget* listaIndice_;
    QLineEdit* buscado_;
    QListWidget* encontradas_;
};

} // namespace tarvia

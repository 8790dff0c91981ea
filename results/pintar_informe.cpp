#include "results/pintar_informe.h"

#include "core/archivo_seguro.h"
#include "results/disposicion.h"
#include "results/grafico_informe.h"
#include "results/tarta.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace tarvia {

namespace {

// Everything is laid out in twips on an A4 page.
constexpr double kAnchoPagina = 11906, kAltoPagina = 16838;
constexpr double kMargen = 850; // 15 mm
constexpr double kAncho = kAnchoPagina - 2 * kMargen;
constexpr double kAltoPie = 360;
constexpr double kFondoUtil = kAltoPagina - kMargen - kAltoPie;

struct Texto {
    QRectF rect;
    QString texto;
    Letra letra;
    int alineacion;
    QColor color = Qt::black;
};
struct Relleno {
    QRectF rect;
    QColor color;
};
struct Raya {
    QLineF linea;
    QColor color;
};
struct Dibujo {
    QRectF rect;
    const GraficoInforme* grafico;
};
struct Pagina {
    std::vector<Relleno> rellenos;
    std::vector<Raya> rayas;
    std::vector<Texto> textos;
    std::vector<Dibujo> graficos;
};

constexpr int kIzquierda = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
constexpr int kDerecha = Qt::AlignRight | Qt::AlignVCenter;

// Lays the report out page by page.
class Composicion {
public:
    Composicion(const Informe& informe, double escala) : inf_(informe), estilo_(EstiloDeInforme(escala))
    {
        PrimeraPagina();
        for (const BloqueInforme& b : informe.bloques)
            std::visit([this](const auto& x) { Poner(x); }, b);
    }
    std::vector<Pagina> paginas;
    const EstiloInforme& estilo() const { return estilo_; }

private:
    Pagina& Actual() { return paginas.back(); }
    double Hueco() const { return 160 * estilo_.escala; }

    double AltoTexto(const QString& t, Letra l, double ancho) const
    {
        return estilo_.Medida(l).boundingRect(QRectF(0, 0, ancho, 1e7), kIzquierda, t).height();
    }
    void Escribir(const QRectF& r, const QString& t, Letra l, int alineacion, QColor color = Qt::black)
    {
        Actual().textos.push_back({r, t, l, alineacion, color});
    }

    void PrimeraPagina()
    {
        paginas.emplace_back();
        y_ = kMargen;
        const double alto = AltoTexto(inf_.titulo, Letra::Titulo, kAncho);
        Escribir({kMargen, y_, kAncho, alto}, inf_.titulo, Letra::Titulo, kIzquierda);
        y_ += alto + Hueco() / 2;
        for (const QString& linea : inf_.cabecera) {
            const double a = AltoTexto(linea, Letra::Normal, kAncho);
            Escribir({kMargen, y_, kAncho, a}, linea, Letra::Normal, kIzquierda);
            y_ += a;
        }
        y_ += Hueco() / 2;
        Actual().rayas.push_back({{kMargen, y_, kMargen + kAncho, y_}, Qt::black});
        y_ += Hueco();
    }

    void NuevaPagina()
    {
        paginas.emplace_back();
        y_ = kMargen;
        // Which report a loose page belongs to.
        const double a = AltoTexto(inf_.titulo, Letra::Pequena, kAncho);
        Escribir({kMargen, y_, kAncho, a}, inf_.titulo, Letra::Pequena, kIzquierda, Qt::darkGray);
        y_ += a + Hueco() / 3;
        Actual().rayas.push_back({{kMargen, y_, kMargen + kAncho, y_}, Qt::gray});
        y_ += Hueco();
    }
    // Makes room for `alto`, on a new page when this one has not enough.
    void Reservar(double alto)
    {
        if (y_ + alto > kFondoUtil && y_ > kMargen + 3 * Hueco())
            NuevaPagina();
    }

    void Poner(const ParrafoInforme& p)
    {
        const Letra l = p.destacado ? Letra::Negrita : Letra::Normal;
        const double alto = AltoTexto(p.texto, l, kAncho);
        Reservar(alto);
        Escribir({kMargen, y_, kAncho, alto}, p.texto, l, kIzquierda);
        y_ += alto + Hueco() / 2;
    }

    void Poner(const GraficoInforme& g)
    {
        const double alto = AltoDeGrafico(g, estilo_, kAncho);
        Reservar(alto);
        Actual().graficos.push_back({{kMargen, y_, kAncho, alto}, &g});
        y_ += alto + Hueco();
    }

    void Poner(const TablaInforme& t);

    // A table's caption column and figure columns, and its paddings.
    struct MedidasTabla {
        double rotulo = 0;
        std::vector<double> anchos;
        double pad = 0, vpad = 0;
    };
    MedidasTabla Medir(const TablaInforme& t) const;
    // One group of columns of a table, laid out over as many pages as it needs.
    struct Tramo {
        const TablaInforme& t;
        const MedidasTabla& m;
        int desde, hasta; // figure columns [desde, hasta)
        QString titulo;
        std::vector<double> x; // left edge of each column, then the right edge
        double altoCabecera;
    };
    void PonerTramo(const Tramo& tramo);
    void PonerCabecera(const Tramo& tramo, bool continuacion);
    double AltoFila(const Tramo& tramo, const TablaInforme::Fila& f) const;

    const Informe& inf_;
    EstiloInforme estilo_;
    double y_ = 0;
};

Composicion::MedidasTabla Composicion::Medir(const TablaInforme& t) const
{
    MedidasTabla m;
    m.pad = 70 * estilo_.escala;
    m.vpad = 35 * estilo_.escala;
    const auto ancho = [&](const QString& s, bool grueso) {
        return estilo_.Medida(grueso ? Letra::TablaNegrita : Letra::Tabla).horizontalAdvance(s);
    };
    // A heading keeps to one line up to a width; longer ones wrap between words.
    const auto palabraMasLarga = [&](const QString& s) {
        double w = 0;
        for (const QString& p : s.split(u' ', Qt::SkipEmptyParts))
            w = std::max(w, ancho(p, true));
        return std::max(w, std::min(ancho(s, true), 1500 * estilo_.escala));
    };

    // The caption column as wide as its longest caption, up to half the page.
    double rotulo = palabraMasLarga(t.esquina);
    for (const auto& f : t.filas)
        rotulo = std::max(rotulo, ancho(f.rotulo, f.negrita));
    // A point to spare: wrapped text laid out in a box exactly its width may
    // still break its last word onto a second line.
    m.rotulo = std::min(rotulo + 2 * m.pad + 20 * estilo_.escala, kAncho / 2);
    for (qsizetype c = 0; c < t.columnas.size(); ++c) {
        double a = palabraMasLarga(t.columnas[c]);
        for (const auto& f : t.filas)
            if (c < f.celdas.size())
                a = std::max(a, ancho(f.celdas[c], f.negrita));
        m.anchos.push_back(std::min(a + 2 * m.pad, kAncho - m.rotulo));
    }
    if (t.pares && m.anchos.size() == 1) // a list of figures reads best at half the page
        m.anchos[0] = std::max(m.anchos[0], kAncho / 2 - m.rotulo);
    return m;
}

namespace {
// Column groups that fit the page's width beside the captions, which each
// group repeats: [desde, hasta) of the figure columns.
std::vector<std::pair<int, int>> GruposDeColumnas(double rotulo, const std::vector<double>& anchos)
{
    const int n = static_cast<int>(anchos.size());
    std::vector<std::pair<int, int>> grupos;
    for (int c = 0; c < n;) {
        int fin = c;
        double usado = rotulo;
        while (fin < n && (fin == c || usado + anchos[size_t(fin)] <= kAncho))
            usado += anchos[size_t(fin++)];
        grupos.emplace_back(c, fin);
        c = fin;
    }
    if (grupos.empty())
        grupos.emplace_back(0, 0);
    return grupos;
}
} // namespace

void Composicion::Poner(const TablaInforme& t)
{
    const MedidasTabla m = Medir(t);
    const auto grupos = GruposDeColumnas(m.rotulo, m.anchos);
    for (const auto& [desde, hasta] : grupos) {
        Tramo tramo{t, m, desde, hasta, t.titulo, {kMargen, kMargen + m.rotulo}, 0};
        if (grupos.size() > 1)
            tramo.titulo = QStringLiteral("%1 (columnas %2 a %3 de %4)")
                               .arg(t.titulo.isEmpty() ? QStringLiteral("Tabla") : t.titulo)
                               .arg(desde + 1)
                               .arg(hasta)
                               .arg(t.columnas.size());
        for (int c = desde; c < hasta; ++c)
            tramo.x.push_back(tramo.x.back() + m.anchos[size_t(c)]);
        tramo.altoCabecera = AltoTexto(t.esquina, Letra::TablaNegrita, m.rotulo - 2 * m.pad);
        for (int c = desde; c < hasta; ++c)
            tramo.altoCabecera = std::max(
                tramo.altoCabecera, AltoTexto(t.columnas[c], Letra::TablaNegrita, m.anchos[size_t(c)] - 2 * m.pad));
        tramo.altoCabecera += 2 * m.vpad;
        PonerTramo(tramo);
    }
}

double Composicion::AltoFila(const Tramo& tramo, const TablaInforme::Fila& f) const
{
    const Letra l = f.negrita ? Letra::TablaNegrita : Letra::Tabla;
    const MedidasTabla& m = tramo.m;
    return std::max(estilo_.Medida(Letra::Tabla).height(), AltoTexto(f.rotulo, l, m.rotulo - 2 * m.pad)) + 2 * m.vpad;
}

void Composicion::PonerCabecera(const Tramo& tramo, bool continuacion)
{
    const MedidasTabla& m = tramo.m;
    const std::vector<double>& x = tramo.x;
    if (!tramo.titulo.isEmpty()) {
        const QString titulo = continuacion ? tramo.titulo + QStringLiteral(" (continuación)") : tramo.titulo;
        const double a = AltoTexto(titulo, Letra::Negrita, kAncho);
        Escribir({kMargen, y_, kAncho, a}, titulo, Letra::Negrita, kIzquierda);
        y_ += a + m.vpad;
    }
    Actual().rellenos.push_back({{x.front(), y_, x.back() - x.front(), tramo.altoCabecera}, QColor(225, 225, 225)});
    Escribir({x[0] + m.pad, y_, m.rotulo - 2 * m.pad, tramo.altoCabecera}, tramo.t.esquina, Letra::TablaNegrita,
             kIzquierda);
    for (int c = tramo.desde; c < tramo.hasta; ++c) {
        const size_t k = size_t(c - tramo.desde + 1);
        Escribir({x[k] + m.pad, y_, x[k + 1] - x[k] - 2 * m.pad, tramo.altoCabecera}, tramo.t.columnas[c],
                 Letra::TablaNegrita, Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap);
    }
    y_ += tramo.altoCabecera;
    Actual().rayas.push_back({{x.front(), y_, x.back(), y_}, Qt::black});
}

void Composicion::PonerTramo(const Tramo& tramo)
{
    const MedidasTabla& m = tramo.m;
    const std::vector<double>& x = tramo.x;
    const auto& filas = tramo.t.filas;
    // The title and headings never end a page alone.
    const double altoTitulo = tramo.titulo.isEmpty() ? 0 : AltoTexto(tramo.titulo, Letra::Negrita, kAncho) + m.vpad;
    Reservar(altoTitulo + tramo.altoCabecera + (filas.empty() ? 0 : AltoFila(tramo, filas.front())));
    PonerCabecera(tramo, false);
    for (const auto& fila : filas) {
        const double alto = AltoFila(tramo, fila);
        if (y_ + alto > kFondoUtil) {
            NuevaPagina();
            PonerCabecera(tramo, true);
        }
        if (fila.negrita)
            Actual().rellenos.push_back({{x.front(), y_, x.back() - x.front(), alto}, QColor(245, 245, 225)});
        const Letra l = fila.negrita ? Letra::TablaNegrita : Letra::Tabla;
        Escribir({x[0] + m.pad, y_, m.rotulo - 2 * m.pad, alto}, fila.rotulo, l, kIzquierda);
        for (int c = tramo.desde; c < tramo.hasta; ++c) {
            const size_t k = size_t(c - tramo.desde + 1);
            if (c < fila.celdas.size())
                Escribir({x[k] + m.pad, y_, x[k + 1] - x[k] - 2 * m.pad, alto}, fila.celdas[c], l, kDerecha);
        }
        y_ += alto;
        Actual().rayas.push_back({{x.front(), y_, x.back(), y_}, QColor(200, 200, 200)});
    }
    y_ += Hueco();
}

void PintarPagina(QPainter& p, const Pagina& pagina, const EstiloInforme& estilo, const Informe& informe, int numero,
                  int total)
{
    for (const Relleno& r : pagina.rellenos)
        p.fillRect(r.rect, r.color);
    for (const Raya& r : pagina.rayas) {
        QPen pluma(r.color);
        pluma.setWidthF(10 * estilo.escala);
        p.setPen(pluma);
        p.drawLine(r.linea);
    }
    for (const Texto& t : pagina.textos) {
        p.setFont(estilo.Fuente(t.letra));
        p.setPen(t.color);
        p.drawText(t.rect, t.alineacion, t.texto);
    }
    for (const Dibujo& d : pagina.graficos)
        PintarGrafico(p, d.rect, *d.grafico, estilo, informe.loc);
    // The footer: the program, and where this page stands.
    const QRectF pie(kMargen, kAltoPagina - kMargen - kAltoPie / 2, kAncho, kAltoPie / 2);
    p.setFont(estilo.Fuente(Letra::Pequena));
    p.setPen(Qt::darkGray);
    p.drawText(pie, Qt::AlignLeft | Qt::AlignVCenter, informe.pie);
    p.drawText(pie, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Página %1 de %2").arg(numero).arg(total));
}

// The layout at the largest scale that keeps a one-page report on one page.
Composicion Componer(const Informe& informe)
{
    if (!informe.unaPagina)
        return Composicion(informe, 1.0);
    for (double escala = 1.0; escala > 0.55; escala -= 0.05) {
        Composicion c(informe, escala);
        if (c.paginas.size() == 1)
            return c;
    }
    return Composicion(informe, 0.55);
}

} // namespace

int PaginasDeInforme(const Informe& informe) { return static_cast<int>(Componer(informe).paginas.size()); }

bool PintarInforme(const Informe& informe, QPagedPaintDevice& dispositivo)
{
    const Composicion c = Componer(informe);
    QPainter p;
    if (!p.begin(&dispositivo))
        return false;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.scale(dispositivo.logicalDpiX() / 1440.0, dispositivo.logicalDpiY() / 1440.0);
    const int total = static_cast<int>(c.paginas.size());
    for (int k = 0; k < total; ++k) {
        if (k > 0)
            dispositivo.newPage();
        PintarPagina(p, c.paginas[size_t(k)], c.estilo(), informe, k + 1, total);
    }
    return p.end();
}

FalloArchivo InformeAPdf(const Informe& informe, const QString& ruta)
{
    ArchivoSeguro archivo(ruta);
    if (const FalloArchivo f = archivo.Abrir(); f != FalloArchivo::Ninguno)
        return f;
    {
        QPdfWriter pdf(&archivo);
        pdf.setTitle(informe.titulo);
        pdf.setCreator(informe.pie);
        pdf.setResolution(1440);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        if (!PintarInforme(informe, pdf))
            return FalloArchivo::MalEstado;
    }
    return archivo.Confirmar();
}

namespace {
void PrepararImpresora(QPrinter& impresora, const Informe& informe)
{
    impresora.setFullPage(true);
    impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    impresora.setDocName(informe.titulo);
}

void GuardarComoPdf(const Informe& informe, QWidget* dueno, const AvisoExportacion& avisar)
{
    const QString ruta =
        PedirRutaExportacion(dueno, QStringLiteral("Guardar como PDF"), QStringLiteral("PDF (*.pdf)"), avisar);
    if (ruta.isEmpty())
        return;
    ConfirmarExportacion(InformarExportacion(InformeAPdf(informe, ruta), ruta, avisar), ruta, avisar);
}
} // namespace

void ImprimirInforme(const Informe& informe, QWidget* dueno, const AvisoExportacion& avisar)
{
    if (!HayImpresora()) {
        if (OfrecerPdfSinImpresora(dueno))
            GuardarComoPdf(informe, dueno, avisar);
        return;
    }
    QPrinter impresora(QPrinter::HighResolution);
    PrepararImpresora(impresora, informe);
    if (!PintarInforme(informe, impresora) && avisar)
        avisar(QStringLiteral("No se ha podido imprimir «%1».").arg(informe.titulo), QStringLiteral("Error"));
}

void PrevisualizarInforme(const Informe& informe, QWidget* dueno)
{
    QPrinter impresora(QPrinter::HighResolution);
    PrepararImpresora(impresora, informe);
    QPrintPreviewDialog vista(&impresora, dueno);
    vista.setWindowTitle(informe.titulo);
    QObject::connect(&vista, &QPrintPreviewDialog::paintRequested, &vista,
                     [&informe](QPrinter* p) { PintarInforme(informe, *p); });
    vista.exec();
}

} // namespace tarvia

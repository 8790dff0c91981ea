// Draws the pictures of the help pages into the folder where a help project
// is compiled: tarvia-dibujos-ayuda <Tarvia|Acuerdos> <folder>.
#include "icono_tarvia.h"

#include <QFont>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <functional>
#include <map>

namespace {

using tarvia::DibujoIconoTarvia;

const QColor kTinta(30, 30, 30);
const QColor kTemporales(128, 128, 255);
const QColor kKilometricos(192, 0, 192);
const QColor kIndirectos(255, 255, 192);

QImage Lienzo(int ancho, int alto)
{
    QImage img(ancho, alto, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

QFont Letra(double puntos, bool negrita = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(static_cast<int>(puntos * 1.33));
    f.setBold(negrita);
    return f;
}

// A horizontal brace under [x1, x2] at height y with its caption below.
void Llave(QPainter& p, int x1, int x2, int y, const QString& texto)
{
    p.setPen(QPen(kTinta, 1.5));
    p.drawLine(x1, y, x1, y + 8);
    p.drawLine(x2, y, x2, y + 8);
    p.drawLine(x1, y + 8, x2, y + 8);
    p.drawLine((x1 + x2) / 2, y + 8, (x1 + x2) / 2, y + 14);
    p.setFont(Letra(10, true));
    p.drawText(QRect(x1, y + 15, x2 - x1, 20), Qt::AlignCenter, texto);
}

// A bar segment with its title inside and its items listed above it.
void Tramo(QPainter& p, QRect r, const QColor& color, const QString& titulo, const QStringList& partidas)
{
    p.setPen(QPen(kTinta, 1));
    p.setBrush(color);
    p.drawRect(r);
    p.setPen(color.lightness() < 140 ? Qt::white : kTinta);
    p.setFont(Letra(10, true));
    p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, titulo);
    p.setPen(kTinta);
    p.setFont(Letra(8));
    const int alto = 15;
    int y = r.top() - 6 - alto * static_cast<int>(partidas.size());
    for (const QString& partida : partidas) {
        p.drawText(QRect(r.left() + 4, y, r.width() - 8, alto), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("• ") + partida);
        y += alto;
    }
}

// How the yearly costs add up, as on the results sheet.
QImage Estructura()
{
    QImage img = Lienzo(640, 300);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const int y = 150, alto = 50;
    Tramo(p, QRect(20, y, 230, alto), kTemporales, QStringLiteral("Costes Temporales"),
          {QStringLiteral("Amortización del vehículo"), QStringLiteral("Financiación del vehículo"),
           QStringLiteral("Personal de conducción"), QStringLiteral("Seguros del vehículo"),
           QStringLiteral("Costes Fiscales")});
    Tramo(p, QRect(250, y, 230, alto), kKilometricos, QStringLiteral("Costes Kilométricos"),
          {QStringLiteral("Combustible"), QStringLiteral("Disolución de urea"), QStringLiteral("Neumáticos"),
           QStringLiteral("Mantenimiento"), QStringLiteral("Reparaciones"), QStringLiteral("Dietas del conductor"),
           QStringLiteral("Peajes")});
    Tramo(p, QRect(480, y, 140, alto), kIndirectos, QStringLiteral("Costes Indirectos"),
          {QStringLiteral("Estructura"), QStringLiteral("Comercialización"), QStringLiteral("Otros")});
    Llave(p, 20, 480, y + alto + 4, QStringLiteral("Costes Directos"));
    Llave(p, 20, 620, y + alto + 42, QStringLiteral("Costes Totales (repercutidos a todos los servicios)"));
    return img;
}

// Passing a fuel price rise on: two stacked bars, before and after.
QImage Revision()
{
    QImage img = Lienzo(640, 300);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const int base = 260, escala = 2; // 1 unit of cost = 2 pixels
    struct Barra {
        int x;
        double resto, gasoleo;
        QString titulo;
    };
    const Barra barras[] = {
        {50, 70, 30, QStringLiteral("Antes: 100")},
        {230, 70, 33, QStringLiteral("Después: 103")},
    };
    for (const Barra& b : barras) {
        const int hResto = static_cast<int>(b.resto * escala);
        const int hGasoleo = static_cast<int>(b.gasoleo * escala);
        p.setPen(QPen(kTinta, 1));
        p.setBrush(QColor(190, 190, 190));
        p.drawRect(QRect(b.x, base - hResto, 120, hResto));
        p.setBrush(kKilometricos);
        p.drawRect(QRect(b.x, base - hResto - hGasoleo, 120, hGasoleo));
        p.setFont(Letra(9, true));
        p.setPen(kTinta);
        p.drawText(QRect(b.x, base - hResto, 120, hResto), Qt::AlignCenter,
                   QStringLiteral("Resto de costes\n%1").arg(b.resto));
        p.setPen(Qt::white);
        p.drawText(QRect(b.x, base - hResto - hGasoleo, 120, hGasoleo), Qt::AlignCenter,
                   QStringLiteral("Gasóleo %1").arg(b.gasoleo));
        p.setPen(kTinta);
        p.drawText(QRect(b.x - 20, base + 6, 160, 20), Qt::AlignCenter, b.titulo);
    }
    p.setPen(QPen(kTinta, 1.5));
    p.drawLine(20, base, 400, base);
    p.setFont(Letra(9));
    p.drawText(QRect(410, 60, 230, 120), Qt::AlignLeft,
               QStringLiteral("Cuota del combustible: 30 %\nSubida del gasóleo: 10 %\n"
                              "Variación con su cuota:\n30 % × 10 % = 3 %"));
    return img;
}

using Dibujo = std::function<QImage()>;

const std::map<QString, std::map<QString, Dibujo>>& Proyectos()
{
    static const std::map<QString, std::map<QString, Dibujo>> proyectos = {
        {QStringLiteral("Tarvia"),
         {{QStringLiteral("icono.png"), [] { return DibujoIconoTarvia(64); }},
          {QStringLiteral("estructura.png"), Estructura}}},
        {QStringLiteral("Acuerdos"),
         {{QStringLiteral("icono.png"), [] { return DibujoIconoTarvia(64); }},
          {QStringLiteral("revision.png"), Revision}}},
    };
    return proyectos;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto proyecto = args.size() == 3 ? Proyectos().find(args[1]) : Proyectos().end();
    if (proyecto == Proyectos().end()) {
        std::fprintf(stderr, "uso: tarvia-dibujos-ayuda <Tarvia|Acuerdos> <carpeta>\n");
        return 2;
    }
    for (const auto& [nombre, dibujar] : proyecto->second) {
        const QString ruta = args[2] + QLatin1Char('/') + nombre;
        if (!dibujar().save(ruta, "PNG")) {
            std::fprintf(stderr, "no se pudo escribir %s\n", qPrintable(ruta));
            return 1;
        }
    }
    return 0;
}

#include "shell/dibujos.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <vector>

namespace tarvia {

namespace {

// Every vehicle is drawn on a 120 × 80 canvas, facing left, ground at 66.
constexpr int kSuelo = 66;
constexpr int kRadio = 6;

enum class Cabina { Tractora, Rigida, Furgoneta };
enum class Carga {
    Lona,
    Caja,
    Frigo,
    Quimicos,
    Gas,
    Alimentaria,
    Pulverulentos,
    Coches,
    Gondola,
    Tolva,
    Obra,
    Jaula,
    Contenedor,
    Ninguna
};

struct Silueta {
    Cabina cabina;
    QRgb colorCabina;
    Carga carga;
    QRgb colorCarga;
    std::vector<int> ruedas; // x of each axle
    bool remolque = false;   // a second body behind (road train)
    bool internacional = false;
};

const std::array<Silueta, 20>& Siluetas()
{
    static const std::array<Silueta, 20> s = {{
        {Cabina::Tractora, qRgb(30, 80, 170), Carga::Lona, qRgb(60, 110, 200), {14, 30, 84, 96, 108}},
        {Cabina::Tractora, qRgb(20, 120, 60), Carga::Lona, qRgb(40, 150, 80), {14, 30, 84, 96, 108}, false, true},
        {Cabina::Rigida, qRgb(180, 40, 40), Carga::Caja, qRgb(200, 70, 60), {10, 40, 72, 108}, true},
        {Cabina::Rigida, qRgb(200, 120, 20), Carga::Lona, qRgb(230, 150, 40), {16, 84, 98}},
        {Cabina::Rigida, qRgb(110, 60, 160), Carga::Lona, qRgb(140, 90, 190), {16, 90}},
        {Cabina::Rigida, qRgb(0, 130, 140), Carga::Caja, qRgb(230, 230, 230), {18, 80}},
        {Cabina::Furgoneta, qRgb(230, 230, 235), Carga::Ninguna, 0, {22, 88}},
        {Cabina::Tractora, qRgb(30, 80, 170), Carga::Frigo, qRgb(245, 248, 255), {14, 30, 84, 96, 108}},
        {Cabina::Tractora, qRgb(20, 120, 60), Carga::Frigo, qRgb(245, 248, 255), {14, 30, 84, 96, 108}, false, true},
        {Cabina::Rigida, qRgb(0, 130, 140), Carga::Frigo, qRgb(245, 248, 255), {16, 90}},
        {Cabina::Tractora, qRgb(200, 60, 20), Carga::Quimicos, qRgb(200, 200, 205), {14, 30, 84, 96, 108}},
        {Cabina::Tractora, qRgb(30, 80, 170), Carga::Gas, qRgb(250, 250, 250), {14, 30, 84, 96, 108}},
        {Cabina::Tractora, qRgb(20, 120, 60), Carga::Alimentaria, qRgb(215, 225, 235), {14, 30, 84, 96, 108}},
        {Cabina::Tractora, qRgb(200, 120, 20), Carga::Pulverulentos, qRgb(225, 225, 215), {14, 30, 84, 96, 108}},
        {Cabina::Rigida, qRgb(180, 40, 40), Carga::Coches, qRgb(90, 90, 100), {10, 38, 50, 82, 104}, true},
        {Cabina::Tractora, qRgb(200, 120, 20), Carga::Gondola, qRgb(70, 70, 80), {14, 30, 92, 102, 112}},
        {Cabina::Tractora, qRgb(110, 60, 160), Carga::Tolva, qRgb(170, 175, 185), {14, 30, 84, 96, 108}},
        {Cabina::Rigida, qRgb(230, 170, 0), Carga::Obra, qRgb(150, 150, 150), {14, 30, 84, 98}},
        {Cabina::Rigida, qRgb(120, 80, 40), Carga::Jaula, qRgb(170, 120, 70), {16, 84, 98}},
        {Cabina::Tractora, qRgb(30, 80, 170), Carga::Contenedor, qRgb(220, 110, 30), {14, 30, 84, 96, 108}},
    }};
    return s;
}

void Ruedas(QPainter& p, const std::vector<int>& xs)
{
    for (int x : xs) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 30, 30));
        p.drawEllipse(QPoint(x, kSuelo - kRadio), kRadio, kRadio);
        p.setBrush(QColor(180, 180, 180));
        p.drawEllipse(QPoint(x, kSuelo - kRadio), 2, 2);
    }
}

void DibujarCabina(QPainter& p, Cabina c, QColor color)
{
    p.setPen(QPen(color.darker(150), 1));
    p.setBrush(color);
    if (c == Cabina::Furgoneta) {
        QPainterPath cuerpo;
        cuerpo.moveTo(4, kSuelo - 8);
        cuerpo.lineTo(4, 40);
        cuerpo.lineTo(16, 24);
        cuerpo.lineTo(106, 22);
        cuerpo.quadTo(112, 22, 112, 28);
        cuerpo.lineTo(112, kSuelo - 8);
        cuerpo.closeSubpath();
        p.drawPath(cuerpo);
        p.setBrush(QColor(120, 170, 220));
        p.drawPolygon(QPolygon({QPoint(8, 40), QPoint(17, 28), QPoint(30, 28), QPoint(30, 40)}));
        p.setPen(QPen(QColor(160, 160, 170), 1));
        p.drawLine(34, 26, 34, kSuelo - 9);
        p.drawLine(70, 24, 70, kSuelo - 9);
        return;
    }
    const int ancho = c == Cabina::Tractora ? 26 : 22;
    p.drawRoundedRect(QRect(4, 24, ancho, kSuelo - 32), 3, 3);
    p.setBrush(QColor(120, 170, 220));
    p.drawRect(QRect(6, 28, 12, 12)); // windscreen
    p.setBrush(QColor(250, 220, 90));
    p.drawRect(QRect(4, kSuelo - 16, 3, 4)); // headlamp
}

void Chasis(QPainter& p, int desde, int hasta, int y)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 50, 55));
    p.drawRect(QRect(desde, y, hasta - desde, 4));
}

void Tanque(QPainter& p, QRect r, QColor color, bool redondo)
{
    QLinearGradient brillo(r.topLeft(), r.bottomLeft());
    brillo.setColorAt(0, color.lighter(115));
    brillo.setColorAt(0.4, Qt::white);
    brillo.setColorAt(1, color.darker(130));
    p.setPen(QPen(color.darker(170), 1));
    p.setBrush(brillo);
    const int radio = redondo ? r.height() / 2 : 6;
    p.drawRoundedRect(r, radio, radio);
}

void Cochecito(QPainter& p, int x, int y, QColor color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRoundedRect(QRect(x, y + 3, 20, 6), 2, 2);
    p.drawRoundedRect(QRect(x + 4, y, 11, 5), 2, 2);
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QPoint(x + 4, y + 9), 2, 2);
    p.drawEllipse(QPoint(x + 16, y + 9), 2, 2);
}

// Curtain sides: vertical folds.
void CargaLona(QPainter& p, QRect r, const QColor& color)
{
    p.drawRect(r);
    p.setPen(QPen(color.darker(125), 1));
    for (int x = r.left() + 6; x < r.right(); x += 6)
        p.drawLine(x, r.top() + 1, x, r.bottom() - 1);
}

// A closed box.
void CargaCaja(QPainter& p, QRect r, const QColor&) { p.drawRect(r); }

// An insulated box, its refrigeration unit and a snowflake.
void CargaFrigo(QPainter& p, QRect r, const QColor&)
{
    p.drawRect(r);
    p.setBrush(QColor(90, 90, 100));
    p.drawRect(QRect(r.left() - 4, r.top() + 3, 4, 12)); // refrigeration unit
    // A snowflake on the side.
    const QPoint c = r.center();
    p.setPen(QPen(QColor(40, 120, 210), 2));
    for (int k = 0; k < 3; ++k) {
        const double a = k * 3.14159 / 3;
        p.drawLine(c - QPoint(int(9 * std::cos(a)), int(9 * std::sin(a))),
                   c + QPoint(int(9 * std::cos(a)), int(9 * std::sin(a))));
    }
}

// A tank with the orange danger plate and the hazard diamond.
void CargaQuimicos(QPainter& p, QRect r, const QColor& color)
{
    Tanque(p, r.adjusted(0, 4, 0, 0), color, false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(240, 130, 0));
    p.drawRect(QRect(r.center().x() - 14, r.center().y() - 1, 12, 8));
    p.setBrush(QColor(250, 250, 250));
    p.drawPolygon(
        QPolygon({QPoint(r.center().x() + 8, r.center().y() - 6), QPoint(r.center().x() + 14, r.center().y()),
                  QPoint(r.center().x() + 8, r.center().y() + 6), QPoint(r.center().x() + 2, r.center().y())}));
    p.setBrush(QColor(200, 0, 0));
    p.drawEllipse(QPoint(r.center().x() + 8, r.center().y()), 2, 2);
}

// A pressure tank with its band.
void CargaGas(QPainter& p, QRect r, const QColor& color)
{
    Tanque(p, r.adjusted(0, 2, 0, 0), color, true);
    p.setPen(QPen(QColor(0, 90, 170), 2));
    p.drawLine(r.left() + 6, r.center().y() + 1, r.right() - 6, r.center().y() + 1);
}

// A food tank with its ribs and manhole.
void CargaAlimentaria(QPainter& p, QRect r, const QColor& color)
{
    Tanque(p, r.adjusted(0, 4, 0, 0), color, false);
    p.setPen(QPen(color.darker(140), 1));
    for (int x = r.left() + 14; x < r.right() - 4; x += 14)
        p.drawLine(x, r.top() + 5, x, r.bottom() - 1);
    p.setBrush(color.darker(120));
    p.drawRect(QRect(r.center().x() - 4, r.top() + 1, 8, 3)); // manhole
}

// A silo tank with two hoppers underneath.
void CargaPulverulentos(QPainter& p, QRect r, const QColor&)
{
    QPainterPath silo;
    silo.moveTo(r.left(), r.top() + 4);
    silo.lineTo(r.right(), r.top() + 4);
    silo.lineTo(r.right(), r.bottom() - 8);
    silo.lineTo(r.right() - 10, r.bottom());
    silo.lineTo(r.center().x() + 6, r.bottom() - 8);
    silo.lineTo(r.center().x() - 6, r.bottom() - 8);
    silo.lineTo(r.left() + 10, r.bottom());
    silo.lineTo(r.left(), r.bottom() - 8);
    silo.closeSubpath();
    p.drawPath(silo);
}

// A two-deck car carrier with four cars.
void CargaCoches(QPainter& p, QRect r, const QColor& color)
{
    p.setPen(QPen(color, 2));
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.left(), r.center().y(), r.right(), r.center().y());
    p.drawLine(r.left() + 2, r.top() + 2, r.left() + 2, r.bottom());
    p.drawLine(r.right() - 2, r.top() + 8, r.right() - 2, r.bottom());
    Cochecito(p, r.left() + 6, r.center().y() - 11, QColor(220, 40, 40));
    Cochecito(p, r.left() + 30, r.center().y() - 11, QColor(40, 160, 60));
    Cochecito(p, r.left() + 6, r.bottom() - 11, QColor(40, 90, 220));
    Cochecito(p, r.left() + 30, r.bottom() - 11, QColor(240, 200, 40));
}

// A low loader carrying an excavator.
void CargaGondola(QPainter& p, QRect r, const QColor&)
{
    p.drawRect(QRect(r.left(), r.bottom() - 4, r.width(), 4));
    p.setBrush(QColor(240, 190, 0));
    p.setPen(QPen(QColor(120, 90, 0), 1));
    p.drawRect(QRect(r.left() + 14, r.bottom() - 18, 24, 12));
    p.drawRect(QRect(r.left() + 30, r.bottom() - 26, 10, 10));
    p.setPen(QPen(QColor(200, 150, 0), 3));
    p.drawLine(r.left() + 16, r.bottom() - 16, r.left() + 4, r.top() + 4);
    p.drawLine(r.left() + 4, r.top() + 4, r.left() + 2, r.bottom() - 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    p.drawRoundedRect(QRect(r.left() + 12, r.bottom() - 8, 30, 4), 2, 2);
}

// A hopper with grain heaped above the rim.
void CargaTolva(QPainter& p, QRect r, const QColor&)
{
    QPolygon tolva({QPoint(r.left(), r.top() + 4), QPoint(r.right(), r.top() + 4), QPoint(r.right() - 4, r.bottom()),
                    QPoint(r.left() + 4, r.bottom())});
    p.drawPolygon(tolva);
    // Grain heaped above the rim.
    p.setBrush(QColor(225, 190, 80));
    p.setPen(Qt::NoPen);
    p.drawChord(QRect(r.left() + 4, r.top() - 4, r.width() - 8, 16), 0, 180 * 16);
}

// The box tipped up, gravel sliding out behind.
void CargaObra(QPainter& p, QRect r, const QColor&)
{
    p.save();
    p.translate(r.right(), r.bottom());
    p.rotate(-18);
    p.drawRect(QRect(-r.width(), -r.height() + 6, r.width(), r.height() - 6));
    p.restore();
    p.setBrush(QColor(140, 110, 80));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygon(
        {QPoint(r.right() + 1, r.bottom() - 4), QPoint(r.right() + 6, kSuelo), QPoint(r.right() - 6, kSuelo)}));
}

// A livestock cage with two sheep.
void CargaJaula(QPainter& p, QRect r, const QColor&)
{
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    for (int y = r.top() + 5; y < r.bottom(); y += 5)
        p.drawLine(r.left(), y, r.right(), y);
    // A sheep's head at a gap.
    p.setBrush(QColor(250, 250, 245));
    p.setPen(QPen(Qt::black, 1));
    p.drawEllipse(QPoint(r.left() + 20, r.center().y()), 5, 4);
    p.drawEllipse(QPoint(r.left() + 44, r.center().y() + 2), 5, 4);
}

// A container on a skeletal trailer.
void CargaContenedor(QPainter& p, QRect r, const QColor& color)
{
    Chasis(p, r.left(), r.right(), r.bottom() - 2); // the skeletal trailer
    p.setPen(QPen(color.darker(160), 1));
    p.setBrush(color);
    p.drawRect(r.adjusted(0, 0, 0, -4));
    p.setPen(QPen(color.darker(112), 1));
    for (int x = r.left() + 4; x < r.right(); x += 4)
        p.drawLine(x, r.top() + 2, x, r.bottom() - 6);
}

void DibujarCarga(QPainter& p, const Silueta& s, QRect r)
{
    const QColor color(s.colorCarga);
    p.setPen(QPen(color.darker(160), 1));
    p.setBrush(color);
    switch (s.carga) {
    case Carga::Lona: CargaLona(p, r, color); break;
    case Carga::Caja: CargaCaja(p, r, color); break;
    case Carga::Frigo: CargaFrigo(p, r, color); break;
    case Carga::Quimicos: CargaQuimicos(p, r, color); break;
    case Carga::Gas: CargaGas(p, r, color); break;
    case Carga::Alimentaria: CargaAlimentaria(p, r, color); break;
    case Carga::Pulverulentos: CargaPulverulentos(p, r, color); break;
    case Carga::Coches: CargaCoches(p, r, color); break;
    case Carga::Gondola: CargaGondola(p, r, color); break;
    case Carga::Tolva: CargaTolva(p, r, color); break;
    case Carga::Obra: CargaObra(p, r, color); break;
    case Carga::Jaula: CargaJaula(p, r, color); break;
    case Carga::Contenedor: CargaContenedor(p, r, color); break;
    case Carga::Ninguna: break;
    }
}

void Placa(QPainter& p, QRect r, const QString& texto, QColor fondo, QColor tinta)
{
    p.setPen(QPen(tinta, 1));
    p.setBrush(fondo);
    p.drawRect(r);
    QFont f = p.font();
    f.setPixelSize(r.height() - 2);
    f.setBold(true);
    p.setFont(f);
    p.drawText(r, Qt::AlignCenter, texto);
}

} // namespace

QPixmap DibujoVehiculo(int tipo, int lado)
{
    const Silueta& s = Siluetas().at(static_cast<size_t>(tipo));
    QPixmap lienzo(120, 80);
    lienzo.fill(Qt::transparent);
    QPainter p(&lienzo);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.drawLine(0, kSuelo, 120, kSuelo);

    const bool tractora = s.cabina == Cabina::Tractora;
    const int inicio = tractora ? 34 : 28;
    const int alto = s.carga == Carga::Gondola ? 30 : 34;
    if (s.cabina != Cabina::Furgoneta) {
        Chasis(p, 4, 116, kSuelo - 14);
        QRect caja(inicio, kSuelo - 14 - alto, 116 - inicio, alto);
        if (s.cabina == Cabina::Rigida && s.remolque)
            caja.setRight(58);
        if (s.carga == Carga::Gondola)
            caja.setTop(kSuelo - 14 - 30);
        DibujarCarga(p, s, caja);
        if (s.remolque) {
            Chasis(p, 58, 64, kSuelo - 12); // drawbar
            DibujarCarga(p, s, QRect(66, caja.top(), 50, caja.height()));
        }
    }
    DibujarCabina(p, s.cabina, QColor(s.colorCabina));
    Ruedas(p, s.ruedas);
    if (s.internacional)
        Placa(p, QRect(86, 9, 28, 11), QStringLiteral("TIR"), QColor(30, 90, 200), Qt::white);
    p.end();
    // The sky above the tallest load is empty: leave it out.
    return lienzo.copy(0, 8, 120, 62).scaled(lado, lado, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QPixmap DibujoIcono(Icono icono, int lado)
{
    QPixmap px(64, 64);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("Liberation Serif"));
    f.setBold(true);
    f.setPixelSize(44);
    p.setFont(f);
    if (icono == Icono::Alarma) {
        p.setPen(QPen(QColor(120, 80, 0), 2));
        p.setBrush(QColor(250, 200, 30));
        p.drawPolygon(QPolygon({QPoint(32, 4), QPoint(61, 58), QPoint(3, 58)}));
        p.setPen(Qt::black);
        p.drawText(QRect(0, 14, 64, 46), Qt::AlignCenter, QStringLiteral("!"));
    } else {
        p.setPen(QPen(QColor(10, 50, 130), 2));
        p.setBrush(QColor(40, 110, 210));
        p.drawEllipse(QRect(4, 4, 56, 56));
        p.setPen(Qt::white);
        p.drawText(QRect(0, 2, 64, 60), Qt::AlignCenter,
                   icono == Icono::Informacion ? QStringLiteral("i") : QStringLiteral("?"));
    }
    p.end();
    return px.scaled(lado, lado, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QPixmap DibujoEscudo(int lado)
{
    QPixmap px(100, 120);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath escudo;
    escudo.moveTo(6, 6);
    escudo.lineTo(94, 6);
    escudo.lineTo(94, 64);
    escudo.quadTo(94, 104, 50, 116);
    escudo.quadTo(6, 104, 6, 64);
    escudo.closeSubpath();
    p.setPen(QPen(QColor(120, 90, 20), 3));
    p.setBrush(QColor(200, 40, 40));
    p.drawPath(escudo);
    // A winding road through green hills.
    p.setClipPath(escudo);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 150, 70));
    p.drawEllipse(QRect(-30, 60, 110, 80));
    p.drawEllipse(QRect(40, 70, 100, 70));
    p.setPen(QPen(QColor(90, 90, 90), 10));
    QPainterPath camino;
    camino.moveTo(50, 120);
    camino.cubicTo(20, 100, 80, 85, 50, 62);
    p.setBrush(Qt::NoBrush);
    p.drawPath(camino);
    p.setPen(QPen(Qt::white, 2, Qt::DashLine));
    p.drawPath(camino);
    p.setClipping(false);
    p.setPen(QPen(QColor(250, 210, 60), 1));
    p.setBrush(QColor(250, 210, 60));
    p.drawEllipse(QPoint(50, 32), 14, 14); // the sun
    p.end();
    return px.scaled(lado, lado, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QPixmap DibujoLogo(int ancho, int alto)
{
    QPixmap px(ancho, alto);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawPixmap(QRect(0, 0, ancho, alto), DibujoVehiculo(0, ancho));
    p.end();
    return px;
}

} // namespace tarvia

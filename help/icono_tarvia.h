#pragma once
// The program's own icon: a lorry over a euro coin. Drawn, not stored, so the
// about box and the help pages share one picture at any size.
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace tarvia {

inline QImage DibujoIconoTarvia(int lado)
{
    QImage img(lado, lado, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / 64.0, lado / 64.0);

    // The coin behind.
    p.setPen(QPen(QColor(150, 110, 20), 2));
    p.setBrush(QColor(240, 200, 70));
    p.drawEllipse(QRectF(26, 2, 36, 36));
    p.setPen(QPen(QColor(150, 110, 20), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(35, 10, 20, 20), 45 * 16, 270 * 16);
    p.drawLine(QPointF(33, 17.5), QPointF(46, 17.5));
    p.drawLine(QPointF(33, 22.5), QPointF(46, 22.5));

    // Trailer, cab, wheels.
    p.setPen(QPen(QColor(30, 40, 90), 1.5));
    p.setBrush(QColor(70, 110, 200));
    p.drawRoundedRect(QRectF(2, 24, 38, 24), 2, 2);
    QPainterPath cabina;
    cabina.moveTo(42, 48);
    cabina.lineTo(42, 30);
    cabina.lineTo(54, 30);
    cabina.lineTo(62, 40);
    cabina.lineTo(62, 48);
    cabina.closeSubpath();
    p.setBrush(QColor(200, 50, 40));
    p.drawPath(cabina);
    p.setBrush(QColor(210, 235, 250));
    p.drawRect(QRectF(46, 33, 8, 7));
    p.setBrush(QColor(40, 40, 40));
    for (double x : {10.0, 30.0, 52.0})
        p.drawEllipse(QPointF(x, 52), 6, 6);
    p.setBrush(QColor(190, 190, 190));
    for (double x : {10.0, 30.0, 52.0})
        p.drawEllipse(QPointF(x, 52), 2.2, 2.2);
    return img;
}

} // namespace tarvia

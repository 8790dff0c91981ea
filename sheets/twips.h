#pragma once
// Layout is designed in twips (1/1440 inch); the screen works in pixels.
// The one conversion, scaled with the screen's logical resolution
// (15 twips per pixel at 96 dpi).
#include <QGuiApplication>
#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QSize>

#include <cmath>

namespace tarvia {

inline double PixelesPorTwip()
{
    const QScreen* pantalla = QGuiApplication::primaryScreen();
    const double dpi = pantalla ? pantalla->logicalDotsPerInch() : 96.0;
    return dpi / 1440.0;
}

inline int Px(int twips) { return static_cast<int>(std::lround(twips * PixelesPorTwip())); }
inline int Twips(int pixeles) { return static_cast<int>(std::lround(pixeles / PixelesPorTwip())); }
inline QRect Px(const QRect& t) { return {Px(t.left()), Px(t.top()), Px(t.width()), Px(t.height())}; }
inline QSize Px(const QSize& t) { return {Px(t.width()), Px(t.height())}; }

} // namespace tarvia

#pragma once
#include "core/catalogo.h"
#include "core/formato.h"
#include "core/grupos.h"

#include <QLocale>
// The results sheet as designed: positions in twips, captions and colours.
// Positions inside a frame are relative to that frame.
#include "presentacion/grafico.h"

#include <QColor>
#include <QRect>

#include <array>

namespace tarvia::resultados {

inline constexpr int kAnchoHoja = 11235;
inline constexpr int kAltoHoja = 16560;

// The title frame holds the three column frames side by side.
inline constexpr QRect kMarcoTitulo{0, 0, kAnchoHoja, kAltoHoja};
inline constexpr QRect kMarcoCostes{120, 300, 4200, 16140};
inline constexpr QRect kMarcoPersonal{4380, 300, 3390, 16140};
inline constexpr QRect kMarcoReferencia{7785, 300, 3390, 16140};

// Inside a column frame: headings and the two value columns.
inline constexpr int kTopCabecera = 330;
inline constexpr int kLeftEuros = 150, kAnchoEuros = 1875;
inline constexpr int kLeftPorcentaje = 2130, kAnchoPorcentaje = 1110;
inline constexpr int kAltoFila = 240;

// Rows of the table, top to bottom (core/grupos.h), with the R index of their
// euros (the percentage is R(k + 20)). Group rows are bold.
struct Fila {
    int r;
    int top;
    bool grupo;
};
inline constexpr std::array<int, campos::kFilasDeCostes.size()> kTopFilas = {600,  1230, 1590, 1860, 2130, 2400, 2670,
                                                                             2940, 3300, 3570, 3840, 4110, 4380, 4650,
                                                                             4920, 5190, 5550, 5820, 6090, 6360};
inline constexpr std::array<Fila, campos::kFilasDeCostes.size()> kFilas = [] {
    std::array<Fila, campos::kFilasDeCostes.size()> filas{};
    for (size_t i = 0; i < filas.size(); ++i) {
        const CampoDeHoja r = campos::kFilasDeCostes[i];
        const bool grupo = campos::EsGrupoDeCostes(r);
        filas[i] = {r.i, kTopFilas[i], grupo};
    }
    return filas;
}();
// The second line of the total's caption.
inline constexpr int kTopRepercutidos = 840;
inline constexpr int kLeftGrupo = 120, kLeftDetalle = 360;

// Legend and pictures: thirteen rows as tall as the picture.
inline constexpr int kTopLeyenda = 6720;
inline constexpr int kPasoLeyenda = 255;
inline constexpr int kLadoMuestra = 195;
inline constexpr int kLeftMuestra = 240, kLeftLeyenda = 540, kAnchoLeyenda = 3500;
inline constexpr QSize kTamanoPicture{3315, 3315};
inline constexpr int kLeftPicture = 37;

inline constexpr std::array<QColor, kPorciones> kColoresMuestras = {{
    {0, 0, 255},
    {192, 64, 0},
    {128, 128, 255},
    {128, 128, 0},
    {64, 64, 64},
    {192, 0, 192},
    {0, 192, 0},
    {0, 0, 0},
    {255, 0, 0},
    {128, 0, 0},
    {0, 192, 192},
    {0, 128, 0},
    {255, 255, 192},
}};
// Each slice's legend: its cost's caption.
inline const char* Leyenda(size_t porcion) { return CampoDe(campos::kPorcionesDelGrafico[porcion]).etiqueta; }

// Backgrounds of the frames and pictures, and of the value labels.
inline constexpr QColor kFondoCostes{212, 208, 200};
inline constexpr QColor kFondoPersonal{192, 192, 255};
inline constexpr QColor kFondoReferencia{192, 192, 192};
inline constexpr QColor kFondoValor{255, 255, 255};
inline constexpr QColor kFondoValorGrupo{255, 255, 192};

// The four unit-cost families: an explanation frame on the left and a small
// frame per column beside it, same top and height.
struct Familia {
    int top;
    int alto;
    QColor texto;
    QColor fondo;
};
inline constexpr std::array<Familia, 4> kFamilias = {{
    {10140, 1230, {0, 0, 192}, {232, 232, 255}},   // per kilometre
    {11460, 1230, {0, 128, 0}, {232, 255, 232}},   // per hour
    {12780, 1890, {128, 128, 0}, {255, 255, 224}}, // per kilometre and hour
    {14760, 1230, {128, 64, 0}, {255, 240, 224}},  // per tonne-kilometre
}};
inline constexpr int kLeftFamilia = 60, kAnchoFamiliaColumna = 3270;
inline constexpr int kPasoExplicacion = 225;

// One line of an explanation frame: a caption at a column of the frame.
struct LineaExplicacion {
    int familia;
    int linea; // 0-based, kPasoExplicacion apart from the first at 270
    int left;
    int ancho;
    int lineas; // how many lines it may wrap over
    const char* texto;
};
inline constexpr std::array<LineaExplicacion, 19> kExplicaciones = {{
    {0, 0, 120, 3900, 1, "Costes = C1 * Km"},
    {0, 1, 120, 3900, 1, "C1 = coste unitario por kilómetro"},
    {0, 2, 120, 3900, 1, "(costes totales por kilómetro)"},
    {0, 3, 120, 3900, 1, "Km = kilómetros"},
    {1, 0, 120, 3900, 1, "Costes = C2 * H"},
    {1, 1, 120, 3900, 1, "C2 = coste unitario por hora"},
    {1, 2, 120, 3900, 1, "(costes totales por hora)"},
    {1, 3, 120, 3900, 1, "H = horas"},
    {2, 0, 120, 3900, 1, "Costes = C3 * Km + C4 * H"},
    {2, 1, 120, 450, 1, "C3 ="},
    {2, 1, 570, 3450, 2, "coste unitario por kilómetro (costes kilométricos por kilómetro)"},
    {2, 3, 120, 450, 1, "C4 ="},
    {2, 3, 570, 3450, 2, "coste unitario por hora (costes temporales e indirectos por hora)"},
    {2, 5, 120, 3900, 1, "Km = kilómetros"},
    {2, 6, 120, 3900, 1, "H = horas"},
    {3, 0, 120, 3900, 1, "Costes = C5 * TKm"},
    {3, 1, 120, 3900, 1, "C5 = coste unitario por tonelada-kilómetro"},
    {3, 2, 120, 3900, 1, "(costes totales por tonelada-kilómetro)"},
    {3, 3, 120, 3900, 1, "TKm = toneladas-kilómetro"},
}};
inline constexpr std::array<const char*, 4> kTitulosFamilias = {
    "Costes por kilómetro", "Costes por hora", "Costes por kilómetro y hora", "Costes por tonelada-kilómetro"};

// One line of a small unit-cost frame in a column: an amount (caption and
// value) or a unit cost ("C1 = ", value, unit). top is inside the frame.
struct LineaUnitaria {
    int familia;
    int r;
    int top;
};
inline constexpr std::array<LineaUnitaria, 14> kUnitarias = {{
    {0, campos::R::Kilometros.i, 225},
    {0, campos::R::KilometrosEnCarga.i, 450},
    {0, campos::R::C1.i, 720},
    {0, campos::R::C1EnCarga.i, 945},
    {1, campos::R::Horas.i, 225},
    {1, campos::R::HorasEnCarga.i, 450},
    {1, campos::R::C2.i, 720},
    {1, campos::R::C2EnCarga.i, 945},
    {2, campos::R::C3.i, 390},
    {2, campos::R::C3EnCarga.i, 615},
    {2, campos::R::C4.i, 1005},
    {2, campos::R::C4EnCarga.i, 1230},
    {3, campos::R::ToneladasKilometro.i, 225},
    {3, campos::R::C5.i, 540},
}};
// The separator between amounts and unit costs (C3 and C4 in the third frame).
inline constexpr std::array<int, 4> kTopSeparador = {675, 675, 900, 480};
// Columns of a unit-cost line inside its small frame.
inline constexpr int kLeftCantidad = 75, kAnchoCantidad = 2160;
inline constexpr int kLeftValorCantidad = 2250, kAnchoValorCantidad = 975;
inline constexpr int kLeftCoste = 90, kAnchoCoste = 450;
inline constexpr int kLeftValorCoste = 540, kAnchoValorCoste = 1230;
inline constexpr int kLeftUnidad = 1830, kAnchoUnidad = 1400;

// A Qt value axis covering [desde, hasta] with round ticks, its labels with
// the decimals the step needs.
template <class EjeDeValores>
void EjeRedondo(EjeDeValores* eje, double desde, double hasta)
{
    const EscalaDeEje e = EscalaRedonda(desde, hasta);
    eje->setRange(e.minimo, e.maximo);
    eje->setTickCount(e.intervalos + 1);
    eje->setLabelFormat(QStringLiteral("%.%1f").arg(e.decimales));
}

// Qt's charts and spin boxes format with a QLocale: the one whose two
// characters are the calculation's (Spain's when the decimal is a comma).
inline QLocale LocaleDeLosEjes(const Localizacion& loc)
{
    return loc.decimal == u',' ? QLocale(QLocale::Spanish, QLocale::Spain)
                               : QLocale(QLocale::English, QLocale::UnitedStates);
}

} // namespace tarvia::resultados

// The layout of sheet C, in twips. Rows are 480 apart; labels sit left,
// percentages in the narrow box column, amounts in the wide one.
#include "sheets/frm_caracteristicas.h"
#include "sheets/colores.h"
#include "sheets/medidas.h"

#include <array>

namespace tarvia {

namespace {

constexpr QRgb kGrupoS = colores::GrupoPersonal;
constexpr QRgb kGrupoO = colores::GrupoReferencia;

enum : int { kTecnicas = 1, kExplotacion = 2 };

const std::array<MarcoDiseno, 2> kMarcos = {{
    {kTecnicas, 0, QRect(120, 300, 5190, 3240), "Características técnicas del vehículo", kGrupoS, kGrupoO},
    {kExplotacion, 0, QRect(120, 3660, 5190, 7260), "Características de explotación del vehículo", kGrupoS, kGrupoO},
}};

// Box columns: technical rows end at 4935 like the operation rows.
constexpr int kEtiqueta = medidas::kIzquierdaRotulo, kAnchoEtiqueta = 2700;
constexpr int kEstrecha = 3000, kAnchoEstrecha = 855; // "%"
constexpr int kAncha = 3960, kAnchoAncha = 975;       // kilómetros, Horas
constexpr int kAlto = medidas::kAltoCaja;

constexpr QRect Etiqueta(int y) { return QRect(kEtiqueta, y - 60, kAnchoEtiqueta, 405); }
constexpr QRect Estrecha(int y) { return QRect(kEstrecha, y, kAnchoEstrecha, kAlto); }
constexpr QRect Ancha(int y) { return QRect(kAncha, y, kAnchoAncha, kAlto); }
constexpr QRect Subtitulo(int y) { return QRect(120, y, 2800, 240); }
constexpr QRect SobreEstrecha(int y) { return QRect(kEstrecha, y, kAnchoEstrecha, 240); }
constexpr QRect SobreAncha(int y) { return QRect(kAncha, y, kAnchoAncha, 240); }

// Group "Características técnicas del vehículo".
constexpr int kFilaPotencia = 1200, kFilaMMA = 1680, kFilaCarga = 2160, kFilaEjes = 2640;
// Group "Características de explotación del vehículo".
constexpr int kSubKm = 1020, kFilaKm = 1320, kFilaKmCarga = 1800, kFilaKmVacio = 2280;
constexpr int kSubHoras = 2820, kFilaHoras = 3120, kFilaHorasCarga = 3600, kFilaHorasVacio = 4080;
constexpr int kFilaDias = 4560, kFilaJornada = 5040;
constexpr int kSubToneladas = 5580, kFilaCargaMedia = 5880, kFilaProduccion = 6600;
constexpr QRect kProduccion(3240, kFilaProduccion, 1695, kAlto);

constexpr EtiquetaDiseno Fila(int marco, int y, const char* texto) { return {marco, Etiqueta(y), texto}; }
constexpr EtiquetaDiseno Encabezado(int marco, QRect r, const char* texto, bool soloPersonal = false)
{
    return {marco, r, texto, false, soloPersonal, true};
}

const std::array<EtiquetaDiseno, 27> kEtiquetas = {{
    {kTecnicas, QRect(120, 300, 1500, 240), "Descripción"},
    Encabezado(kTecnicas, SobreEstrecha(960), "CV"),
    Encabezado(kTecnicas, SobreAncha(960), "kW"),
    {kTecnicas, QRect(120, kFilaPotencia - 60, 2880, 405), "Potencia"},
    {kTecnicas, QRect(120, kFilaMMA - 60, 2880, 405), "Masa Máxima Autorizada (kg)"},
    {kTecnicas, QRect(120, kFilaCarga - 60, 2880, 405), "Carga útil (kg)"},
    {kTecnicas, QRect(120, kFilaEjes - 60, 2880, 405), "Número de ejes"},

    {kExplotacion, QRect(120, 300, 1500, 240), "Descripción"},
    {kExplotacion, Subtitulo(kSubKm), "Kilómetros recorridos:"},
    Encabezado(kExplotacion, SobreEstrecha(kSubKm), "%"),
    Encabezado(kExplotacion, SobreAncha(kSubKm), "kilómetros"),
    Fila(kExplotacion, kFilaKm, "Kilómetros recorridos anualmente"),
    Fila(kExplotacion, kFilaKmCarga, "Kilómetros recorridos anualmente en carga"),
    Fila(kExplotacion, kFilaKmVacio, "Kilómetros recorridos anualmente en vacío"),
    {kExplotacion, Subtitulo(kSubHoras), "Tiempo de actividad:"},
    Encabezado(kExplotacion, SobreEstrecha(kSubHoras), "%"),
    Encabezado(kExplotacion, SobreAncha(kSubHoras), "Horas"),
    Fila(kExplotacion, kFilaHoras, "Horas trabajadas al año"),
    Fila(kExplotacion, kFilaHorasCarga, "Horas trabajadas al año en carga"),
    Fila(kExplotacion, kFilaHorasVacio, "Horas trabajadas al año en vacío"),
    Fila(kExplotacion, kFilaDias, "Días trabajados al año"),
    Fila(kExplotacion, kFilaJornada, "Horas trabajadas por jornada"),
    // Reference data carries no load: the tonnage block is personal only.
    {kExplotacion, Subtitulo(kSubToneladas), "Toneladas transportadas:", true, true},
    Encabezado(kExplotacion, SobreAncha(kSubToneladas), "Toneladas", true),
    {kExplotacion, Etiqueta(kFilaCargaMedia), "Carga media en los kilómetros recorridos en carga", true, true},
    Encabezado(kExplotacion, QRect(3000, kFilaProduccion - 270, 1935, 240), "Toneladas-kilómetro", true),
    {kExplotacion, Etiqueta(kFilaProduccion), "Producción anual", true, true},
}};

// Index order: the personal boxes take the focus in this order.
const std::array<CajaDiseno, 21> kCajas = {{
    {kTecnicas, 1, QRect(120, 540, 4815, kAlto)},
    {kTecnicas, 2, Estrecha(kFilaPotencia)},
    {kTecnicas, 3, QRect(3120, kFilaMMA, 1815, kAlto)},
    {kTecnicas, 4, QRect(3120, kFilaCarga, 1815, kAlto)},
    {kTecnicas, 5, Ancha(kFilaEjes)},
    {kExplotacion, 6, QRect(120, 540, 4815, kAlto)},
    {kExplotacion, 7, Ancha(kFilaKm)},
    {kExplotacion, 8, Estrecha(kFilaKmCarga)},
    {kExplotacion, 9, Ancha(kFilaKmCarga)},
    {kExplotacion, 10, Estrecha(kFilaKmVacio)},
    {kExplotacion, 11, Ancha(kFilaKmVacio)},
    {kExplotacion, 12, Ancha(kFilaHoras)},
    {kExplotacion, 13, Estrecha(kFilaHorasCarga)},
    {kExplotacion, 14, Ancha(kFilaHorasCarga)},
    {kExplotacion, 15, Estrecha(kFilaHorasVacio)},
    {kExplotacion, 16, Ancha(kFilaHorasVacio)},
    {kExplotacion, 17, Ancha(kFilaDias)},
    {kExplotacion, 18, Ancha(kFilaJornada)},
    {kExplotacion, 19, Ancha(kFilaCargaMedia)},
    {kExplotacion, 20, kProduccion},
    {kTecnicas, 21, Ancha(kFilaPotencia)},
}};

} // namespace

const DisenoHoja& DisenoCaracteristicas()
{
    static const DisenoHoja diseno = DisenoDosColumnas(Hoja::C, 11505, 11040, kMarcos, kEtiquetas, kCajas);
    return diseno;
}

} // namespace tarvia

// The layout of sheet V, in twips. Two value columns run down the sheet:
// Spain and abroad in the tractor's fuel frame, percentage and euros in the
// equipment's, price and life in the tyre grid, per km and per year in the
// maintenance grid. Every enabling rule lives in the engine.
#include "sheets/frm_costes_variables.h"
#include "sheets/colores.h"
#include "sheets/medidas.h"

#include <array>

namespace tarvia {

namespace {

constexpr QRgb kGrupoS = colores::GrupoPersonal;
constexpr QRgb kGrupoO = colores::GrupoReferencia;

enum : int { kCarburante = 1, kEquipos, kUrea, kNeumaticos, kMantenimiento, kPeajes };

constexpr int kAnchoMarco = 5190;
const std::array<MarcoDiseno, 6> kMarcos = {{
    {kCarburante, 0, QRect(120, 420, kAnchoMarco, 5040), "Carburante del vehículo de tracción", kGrupoS, kGrupoO},
    {kEquipos, 0, QRect(120, 5580, kAnchoMarco, 3120), "Carburante de los equipos", kGrupoS, kGrupoO},
    {kUrea, 0, QRect(120, 8820, kAnchoMarco, 1050), "Disolución de urea", kGrupoS, kGrupoO},
    {kNeumaticos, 0, QRect(120, 9990, kAnchoMarco, 2730), "Neumáticos", kGrupoS, kGrupoO},
    {kMantenimiento, 0, QRect(120, 12840, kAnchoMarco, 1900), "Mantenimiento y Reparaciones", kGrupoS, kGrupoO},
    {kPeajes, 0, QRect(120, 14860, kAnchoMarco, 1050), "Peajes", kGrupoS, kGrupoO},
}};

constexpr int kAlto = medidas::kAltoCaja;
constexpr int kIzquierda = 2880, kDerecha = 4020, kAnchoValor = 1035; // the two value columns
constexpr int kNumero = 2040, kAnchoNumero = 420;                     // tyre counts

constexpr QRect Izquierda(int y) { return QRect(kIzquierda, y, kAnchoValor, kAlto); }
constexpr QRect Derecha(int y) { return QRect(kDerecha, y, kAnchoValor, kAlto); }
constexpr QRect Numero(int y) { return QRect(kNumero, y, kAnchoNumero, kAlto); }

constexpr EtiquetaDiseno Fila(int marco, int y, const char* texto, int ancho = 2280)
{
    return {marco, QRect(240, y - 60, ancho, 405), texto};
}
// A heading above a value column, its last line just over the boxes.
constexpr EtiquetaDiseno Encabezado(int marco, int x, int ancho, int y, int alto, const char* texto)
{
    return {marco, QRect(x - 60, y, ancho + 120, alto), texto, false, false, true};
}
constexpr EtiquetaDiseno SobreIzquierda(int marco, int y, int alto, const char* texto)
{
    return Encabezado(marco, kIzquierda, kAnchoValor, y, alto, texto);
}
constexpr EtiquetaDiseno SobreDerecha(int marco, int y, int alto, const char* texto)
{
    return Encabezado(marco, kDerecha, kAnchoValor, y, alto, texto);
}
// A unit to the left of the first value column.
constexpr EtiquetaDiseno Porcentaje(int marco, int y)
{
    return {marco, QRect(kIzquierda - 300, y, 270, kAlto), "%", false, false, true};
}
// A unit to the right of a box of the first value column.
constexpr EtiquetaDiseno Unidad(int marco, int y, const char* texto)
{
    return {marco, QRect(kDerecha, y, kAnchoValor + 120, kAlto), texto, false};
}

// Rows of the tractor's fuel frame.
constexpr int kDistribucion = 960, kPrecio = 1380, kDescuento = 1800, kDescuentoPct = 2130;
constexpr int kIva = 2520, kIvaLitro = 2850, kSinIva = 3240, kDevolucion = 4260, kConsumo = 4650;
// The refund's long label runs across the frame above its box.
constexpr QRect kEtiquetaDevolucion(240, 3600, 4830, 630);
// Rows of the equipment's fuel frame.
constexpr int kEqPrecio = 540, kEqDescuento = 960, kEqIva = 1380, kEqSinIva = 1800, kEqConsumo = 2640;
// Tyre rows and maintenance rows.
constexpr int kDireccionales = 1080, kMotrices = 1500, kArrastre = 1920, kSemi = 2340;
constexpr int kMant = 1080, kRep = 1500;
constexpr int kEncabezadoGrid = 150, kAltoEncabezadoGrid = 870; // four lines over 77 pixels
constexpr int kUnico = 420;                                     // the one row of urea and tolls

constexpr const char* kEurLitro = "Euros / litro";

const std::array<EtiquetaDiseno, 37> kEtiquetas = {{
    {kCarburante, QRect(120, 600, 2500, 240), "Precio de adquisición"},
    SobreIzquierda(kCarburante, 240, 660, "Repostaje en España (Euros / litro)"),
    SobreDerecha(kCarburante, 240, 660, "Repostaje en el extranjero (Euros / litro)"),
    Fila(kCarburante, kDistribucion, "Distribución del repostaje"),
    Porcentaje(kCarburante, kDistribucion),
    Fila(kCarburante, kPrecio, "Precio del carburante con IVA"),
    Fila(kCarburante, kDescuento, "Descuento"),
    Porcentaje(kCarburante, kDescuentoPct),
    Fila(kCarburante, kIva, "IVA aplicado al carburante"),
    Porcentaje(kCarburante, kIva),
    Fila(kCarburante, kSinIva, "Precio de adquisición sin IVA"),
    {kCarburante, kEtiquetaDevolucion,
     "Devolución por gasóleo profesional en el carburante adquirido en España (MMA>=7,5t y 50.000 litros máximos)"},
    Unidad(kCarburante, kDevolucion, kEurLitro),
    Fila(kCarburante, kConsumo, "Consumo medio del vehículo de tracción"),
    Unidad(kCarburante, kConsumo, "litros / 100 km"),

    SobreIzquierda(kEquipos, 270, 240, "%"),
    SobreDerecha(kEquipos, 270, 240, kEurLitro),
    Fila(kEquipos, kEqPrecio, "Precio del carburante con IVA"),
    Fila(kEquipos, kEqDescuento, "Descuento"),
    Fila(kEquipos, kEqIva, "IVA aplicado al carburante"),
    Fila(kEquipos, kEqSinIva, "Precio de adquisición sin IVA"),
    SobreIzquierda(kEquipos, 2160, 420, "litros / hora"),
    SobreDerecha(kEquipos, 2160, 420, "nº de horas anuales"),
    Fila(kEquipos, kEqConsumo, "Consumo medio de los equipos"),

    Fila(kUrea, kUnico, "Coste anual sin IVA en disolución de urea (Euros)", 3600),

    Encabezado(kNeumaticos, kNumero, kAnchoNumero, kEncabezadoGrid, kAltoEncabezadoGrid, "Nº"),
    // The longest heading reaches left over the gap after the counts.
    Encabezado(kNeumaticos, kNumero + kAnchoNumero + 120, kDerecha - kNumero - kAnchoNumero - 240, kEncabezadoGrid,
               kAltoEncabezadoGrid, "Precio sin IVA de un neumático (Euros / unidad)"),
    SobreDerecha(kNeumaticos, kEncabezadoGrid, kAltoEncabezadoGrid, "Duración media (km)"),
    Fila(kNeumaticos, kDireccionales, "Direccionales", 1740),
    Fila(kNeumaticos, kMotrices, "Motrices", 1740),
    Fila(kNeumaticos, kArrastre, "Arrastre", 1740),
    Fila(kNeumaticos, kSemi, "Semirremolque o remolque", 1740),

    SobreIzquierda(kMantenimiento, kEncabezadoGrid, kAltoEncabezadoGrid, "Coste kilométrico sin IVA (Euros / km)"),
    SobreDerecha(kMantenimiento, kEncabezadoGrid, kAltoEncabezadoGrid, "Coste anual sin IVA (Euros)"),
    Fila(kMantenimiento, kMant, "Mantenimiento"),
    Fila(kMantenimiento, kRep, "Reparaciones"),

    Fila(kPeajes, kUnico, "Coste anual sin IVA en peajes (Euros)", 3600),
}};

// The personal boxes take the focus in this order: the fuel frame row by
// row, Spain before abroad, then the rest by index.
const std::array<CajaDiseno, 42> kCajas = {{
    {kCarburante, 33, Izquierda(kDistribucion)},
    {kCarburante, 34, Derecha(kDistribucion)},
    {kCarburante, 1, Izquierda(kPrecio)},
    {kCarburante, 35, Derecha(kPrecio)},
    {kCarburante, 3, Izquierda(kDescuento)},
    {kCarburante, 37, Derecha(kDescuento)},
    {kCarburante, 2, Izquierda(kDescuentoPct)},
    {kCarburante, 36, Derecha(kDescuentoPct)},
    {kCarburante, 4, Izquierda(kIva)},
    {kCarburante, 38, Derecha(kIva)},
    {kCarburante, 5, Izquierda(kIvaLitro)},
    {kCarburante, 39, Derecha(kIvaLitro)},
    {kCarburante, 6, Izquierda(kSinIva)},
    {kCarburante, 40, Derecha(kSinIva)},
    {kCarburante, 41, Izquierda(kDevolucion)},
    {kCarburante, 7, Izquierda(kConsumo)},

    {kEquipos, 8, Derecha(kEqPrecio)},
    {kEquipos, 9, Izquierda(kEqDescuento)},
    {kEquipos, 10, Derecha(kEqDescuento)},
    {kEquipos, 11, Izquierda(kEqIva)},
    {kEquipos, 12, Derecha(kEqIva)},
    {kEquipos, 13, Derecha(kEqSinIva)},
    {kEquipos, 14, Izquierda(kEqConsumo)},
    {kEquipos, 15, Derecha(kEqConsumo)},

    {kUrea, 42, Derecha(kUnico)},

    {kNeumaticos, 16, Numero(kDireccionales)},
    {kNeumaticos, 17, Izquierda(kDireccionales)},
    {kNeumaticos, 18, Derecha(kDireccionales)},
    {kNeumaticos, 19, Numero(kMotrices)},
    {kNeumaticos, 20, Izquierda(kMotrices)},
    {kNeumaticos, 21, Derecha(kMotrices)},
    {kNeumaticos, 22, Numero(kArrastre)},
    {kNeumaticos, 23, Izquierda(kArrastre)},
    {kNeumaticos, 24, Derecha(kArrastre)},
    {kNeumaticos, 25, Numero(kSemi)},
    {kNeumaticos, 26, Izquierda(kSemi)},
    {kNeumaticos, 27, Derecha(kSemi)},

    {kMantenimiento, 28, Izquierda(kMant)},
    {kMantenimiento, 29, Derecha(kMant)},
    {kMantenimiento, 30, Izquierda(kRep)},
    {kMantenimiento, 31, Derecha(kRep)},

    {kPeajes, 32, Derecha(kUnico)},
}};

} // namespace

const DisenoHoja& DisenoCostesVariables()
{
    static const DisenoHoja diseno = DisenoDosColumnas(Hoja::V, 16840, 16120, kMarcos, kEtiquetas, kCajas);
    return diseno;
}

} // namespace tarvia

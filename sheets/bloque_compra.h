#pragma once
// The acquisition block shared by sheets F1 and F2: an optional "Forma de
// adquisición" option frame, then "Amortización" or, in the same place,
// "Coste anual (alquiler, ...)", then "Financiación". The tables are built
// once from the catalogue's labels, since the block repeats four times.
#include "sheets/colores.h"
#include "sheets/diseno_hoja.h"

#include <vector>

namespace tarvia {

// Layout tables assembled at start-up; `Diseno` points into them, so they
// must live as long as the sheets (a function-local static).
struct TablasDiseno {
    std::vector<MarcoDiseno> marcos;
    std::vector<EtiquetaDiseno> etiquetas;
    std::vector<OpcionDiseno> opciones;
    std::vector<CajaDiseno> cajas;

    // Adds a frame and returns its id.
    int Marco(int padre, QRect rect, const char* titulo, QRgb fondoS, QRgb fondoO,
              std::optional<tarvia::Marco> conmutado = std::nullopt);
};

// Frame backgrounds of the purchase sheets.
inline constexpr QRgb kExteriorS = colores::BloquePersonal, kExteriorO = colores::BloqueReferencia;
inline constexpr QRgb kInteriorS = colores::GrupoPersonal, kInteriorO = colores::GrupoReferencia;

struct BloqueCompra {
    Hoja hoja = Hoja::F1;
    int opcion = 0;      // option field of the acquisition choice; 0: none
    int antesDeCaja = 0; // where the options fall in the tab order
    const char* tituloValor = "Valor de adquisición:";
    std::vector<int> valor{};    // rows under tituloValor
    std::vector<int> residual{}; // rows under "Valor residual:"
    int financiado = 0;          // "Capital a financiar" in %; the next index holds the euros
    int periodo = 0, interes = 0;
    int costeAnual = 0; // 0: no other form of acquisition
    // The option group switches these; the bodywork's switch with their outer frame.
    std::optional<tarvia::Marco> amortizacion = std::nullopt, financiacion = std::nullopt,
                                 marcoCosteAnual = std::nullopt;
};

// Lays the block out inside frame `padre` (width 5190) from `y` down and
// returns the y below it.
int AnadirBloqueCompra(TablasDiseno& t, const BloqueCompra& b, int padre, int y);

} // namespace tarvia

// Rows are 420 twips apart; a label too long for two lines gets a double
// row. Single values sit in the wide box column, the financed share in the
// narrow one beside its amount in euros.
#include "sheets/bloque_compra.h"
#include "sheets/medidas.h"

#include "core/catalogo.h"

#include <cstring>

namespace tarvia {

namespace {

constexpr int kAncho = 4950; // inner frames
constexpr int kPaso = 420;   // between rows
constexpr int kAlto = medidas::kAltoCaja;
constexpr int kEtiqueta = medidas::kIzquierdaRotulo, kAnchoEtiqueta = 3240, kAnchoEtiquetaDoble = 2160;
constexpr int kEstrecha = 2520, kAnchoEstrecha = 975;
constexpr int kAncha = 3600, kAnchoAncha = 1215;
constexpr size_t kLargoDeDosLineas = 70; // characters that still fit two lines
// Headings, the two-box row, period and interest.
constexpr int kAltoFinanciacion = 750 + 2 * kPaso + 420;

const char* Etiqueta(Hoja h, int i) { return CampoDe(h, i).etiqueta; }

bool EtiquetaLarga(Hoja h, int i) { return std::strlen(Etiqueta(h, i)) > kLargoDeDosLineas; }

// Row labels carry the "-" marker; headings and sub-captions do not.
EtiquetaDiseno EtiquetaDeFila(int marco, QRect rect, const char* texto)
{
    return {.marco = marco, .rect = rect, .texto = texto, .marcador = true};
}
EtiquetaDiseno Encabezado(int marco, QRect rect, const char* texto)
{
    return {.marco = marco, .rect = rect, .texto = texto, .negrita = false, .centrada = true};
}

// One labelled row with its box in the wide column; returns the next row's y.
int Fila(TablasDiseno& t, Hoja h, int marco, int indice, int y)
{
    if (EtiquetaLarga(h, indice)) {
        // Four lines of label with the box level with the middle ones.
        t.etiquetas.push_back(
            EtiquetaDeFila(marco, QRect(kEtiqueta, y - 30, kAnchoEtiqueta, 840), Etiqueta(h, indice)));
        t.cajas.push_back({marco, indice, QRect(kAncha, y + 240, kAnchoAncha, kAlto)});
        return y + 2 * kPaso;
    }
    t.etiquetas.push_back(EtiquetaDeFila(marco, QRect(kEtiqueta, y - 60, kAnchoEtiqueta, 405), Etiqueta(h, indice)));
    t.cajas.push_back({marco, indice, QRect(kAncha, y, kAnchoAncha, kAlto)});
    return y + kPaso;
}

int Subtitulo(TablasDiseno& t, int marco, int y, const char* texto)
{
    t.etiquetas.push_back({.marco = marco, .rect = QRect(120, y, 2800, 240), .texto = texto});
    return y + 300;
}

} // namespace

int TablasDiseno::Marco(int padre, QRect rect, const char* titulo, QRgb fondoS, QRgb fondoO,
                        std::optional<tarvia::Marco> conmutado)
{
    const int id = static_cast<int>(marcos.size()) + 1;
    marcos.push_back({id, padre, rect, titulo, fondoS, fondoO, conmutado});
    return id;
}

int AnadirBloqueCompra(TablasDiseno& t, const BloqueCompra& b, int padre, int y)
{
    const Hoja h = b.hoja;
    if (b.opcion) {
        const int forma = t.Marco(padre, QRect(120, y, kAncho, 720), "Forma de adquisición", kInteriorS, kInteriorO);
        t.opciones.push_back({forma, b.opcion, 1, QRect(240, 300, 1300, kAlto), "Compra", b.antesDeCaja});
        t.opciones.push_back(
            {forma, b.opcion, 2, QRect(1800, 300, 3000, kAlto), "Otra forma (alquiler, ...)", b.antesDeCaja});
        y += 840;
    }

    // Amortisation and the yearly cost of another form share one place.
    const int amortizacion = t.Marco(padre, QRect(), "Amortización", kInteriorS, kInteriorO, b.amortizacion);
    const size_t marcoAmortizacion = t.marcos.size() - 1;
    int fila = Subtitulo(t, amortizacion, 270, b.tituloValor);
    for (int i : b.valor)
        fila = Fila(t, h, amortizacion, i, fila);
    fila = Subtitulo(t, amortizacion, fila, "Valor residual:");
    for (int i : b.residual)
        fila = Fila(t, h, amortizacion, i, fila);
    const int altoAmortizacion = fila;
    t.marcos[marcoAmortizacion].rect = QRect(120, y, kAncho, altoAmortizacion);
    const int yCosteAnual = y;
    y += altoAmortizacion + 120;

    const int financiacion = t.Marco(padre, QRect(120, y, kAncho, kAltoFinanciacion), "Financiación", kInteriorS,
                                     kInteriorO, b.financiacion);
    const int euros = b.financiado + 1;
    // Three lines of heading over the narrow box, reaching into the label's room.
    t.etiquetas.push_back(Encabezado(financiacion, QRect(kEstrecha - 300, 150, kAnchoEstrecha + 360, 570),
                                     CampoDe(h, b.financiado).unidad));
    t.etiquetas.push_back(Encabezado(financiacion, QRect(kAncha, 150, kAnchoAncha, 570), CampoDe(h, euros).unidad));
    t.etiquetas.push_back(
        EtiquetaDeFila(financiacion, QRect(kEtiqueta, 690, kAnchoEtiquetaDoble, 405), Etiqueta(h, b.financiado)));
    t.cajas.push_back({financiacion, b.financiado, QRect(kEstrecha, 750, kAnchoEstrecha, kAlto)});
    t.cajas.push_back({financiacion, euros, QRect(kAncha, 750, kAnchoAncha, kAlto)});
    fila = Fila(t, h, financiacion, b.periodo, 750 + kPaso);
    Fila(t, h, financiacion, b.interes, fila);

    // Listed last: its box follows the financing ones in the tab order.
    if (b.costeAnual) {
        const int coste = t.Marco(padre, QRect(120, yCosteAnual, kAncho, 900), "Coste anual (alquiler, ...)",
                                  kInteriorS, kInteriorO, b.marcoCosteAnual);
        Fila(t, h, coste, b.costeAnual, 420);
    }
    return y + kAltoFinanciacion + 120;
}

} // namespace tarvia

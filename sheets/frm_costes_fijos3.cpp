// The layout of sheet F3, in twips. Each column holds the frames "Personal",
// "Seguros" and "Costes Fiscales"; the value boxes stand at their right edge,
// and a small frame per group chooses breakdown or total.
#include "sheets/frm_costes_fijos3.h"
#include "sheets/colores.h"
#include "sheets/medidas.h"

#include "core/catalogo.h"

#include <array>
#include <vector>

namespace tarvia {

namespace {

constexpr QRgb kGrupoS = colores::GrupoPersonal;
constexpr QRgb kGrupoO = colores::GrupoReferencia;

enum : int { kPersonal = 1, kSeguros, kFiscales, kOpcionD, kOpcionG, kOpcionF };

constexpr int kCaja = 3840, kAnchoCaja = 1215, kAlto = medidas::kAltoCaja;
constexpr int kPlus = 2520; // F3(6), to the left of F3(7)
constexpr int kEtiqueta = medidas::kIzquierdaRotulo, kAnchoEtiqueta = 3480;

constexpr QRect Caja(int y, int x = kCaja) { return QRect(x, y, kAnchoCaja, kAlto); }
constexpr QRect Etiqueta(int y, int ancho = kAnchoEtiqueta) { return QRect(kEtiqueta, y - 60, ancho, 405); }
constexpr QRect Encabezado(int y, int x = kCaja) { return QRect(x, y, kAnchoCaja, 240); }

// Rows of the insurance and fiscal frames, in the order they are shown.
constexpr std::array<int, 12> kFilasSeguros = {10, 11, 12, 13, 14, 15, 16, 29, 30, 31, 17, 18};
constexpr std::array<int, 9> kFilasFiscales = {20, 21, 22, 23, 24, 25, 26, 27, 28};
constexpr int kPrimeraFila = 930, kPasoFila = 380, kSeparacionTotal = 60;

// Top of the row at position k of a group whose last row is its total.
constexpr int FilaGrupo(size_t k, size_t filas)
{
    const int y = kPrimeraFila + kPasoFila * static_cast<int>(k);
    return k + 1 == filas ? y + kSeparacionTotal : y;
}

// "Personal" frame rows.
constexpr int kFilaConductor = 400, kFilaDieta = 1920, kFilaDias = 2340, kFilaDietaAnual = 2760;
constexpr int kFilaPlus = 3390, kFilaDietasYPlus = 3900;

const char* Rotulo(int i) { return CampoDe(Hoja::F3, i).etiqueta; }

// A small frame with "Desglosado" above "Total".
constexpr QRect MarcoOpcion(int x, int y) { return QRect(x, y, 1560, 660); }
constexpr QRect BotonDesglosado() { return QRect(120, 150, 1320, 240); }
constexpr QRect BotonTotal() { return QRect(120, 390, 1320, 240); }

struct Tablas {
    std::vector<MarcoDiseno> marcos;
    std::vector<EtiquetaDiseno> etiquetas;
    std::vector<CajaDiseno> cajas;
    std::vector<OpcionDiseno> opciones;
};

void Grupo(Tablas& t, int marco, int opcionMarco, int campoOpcion, std::span<const int> filas)
{
    t.opciones.push_back({opcionMarco, campoOpcion, 1, BotonDesglosado(), "Desglosado", filas.front()});
    t.opciones.push_back({opcionMarco, campoOpcion, 2, BotonTotal(), "Total", filas.front()});
    t.etiquetas.push_back({marco, QRect(3720, 480, 1455, 420), "Costes anuales (Euros)", true, false, true});
    for (size_t k = 0; k < filas.size(); ++k) {
        const int y = FilaGrupo(k, filas.size());
        t.etiquetas.push_back({marco, Etiqueta(y), Rotulo(filas[k])});
        t.cajas.push_back({marco, filas[k], Caja(y)});
    }
}

Tablas Construir()
{
    Tablas t;
    t.marcos = {
        {kPersonal, 0, QRect(120, 420, 5190, 4515), "Personal", kGrupoS, kGrupoO},
        {kSeguros, 0, QRect(120, 5220, 5190, 5595), "Seguros", kGrupoS, kGrupoO},
        {kFiscales, 0, QRect(120, 11100, 5190, 4575), "Costes Fiscales", kGrupoS, kGrupoO},
        {kOpcionD, kPersonal, MarcoOpcion(2880, 840), "", kGrupoS, kGrupoO, std::nullopt, "D", 2},
        {kOpcionG, kSeguros, MarcoOpcion(240, 240), "", kGrupoS, kGrupoO, std::nullopt, "G", 9},
        {kOpcionF, kFiscales, MarcoOpcion(240, 240), "", kGrupoS, kGrupoO, std::nullopt, "F", 19},
    };

    // "Personal": the driver, then diets and activity bonus.
    t.etiquetas = {
        {kPersonal, QRect(kEtiqueta, 240, kAnchoEtiqueta, 600), Rotulo(1)},
        {kPersonal, QRect(kEtiqueta, 1020, 2520, 240), "Dietas y plus de actividad:"},
        {kPersonal, QRect(kEtiqueta, 1620, 2520, 240), "Dietas anuales:"},
        {kPersonal, Etiqueta(kFilaDieta), Rotulo(3)},
        {kPersonal, Etiqueta(kFilaDias), Rotulo(4)},
        {kPersonal, Etiqueta(kFilaDietaAnual), Rotulo(5)},
        {kPersonal, Encabezado(kFilaPlus - 300, kPlus), "Euros / km", false, false, true},
        {kPersonal, Encabezado(kFilaPlus - 300), "Euros", false, false, true},
        {kPersonal, Etiqueta(kFilaPlus, kPlus - kEtiqueta - 120), Rotulo(6)},
        {kPersonal, Etiqueta(kFilaDietasYPlus), Rotulo(8)},
    };
    t.cajas = {
        {kPersonal, 1, Caja(kFilaConductor)},   {kPersonal, 3, Caja(kFilaDieta)},       {kPersonal, 4, Caja(kFilaDias)},
        {kPersonal, 5, Caja(kFilaDietaAnual)},  {kPersonal, 6, Caja(kFilaPlus, kPlus)}, {kPersonal, 7, Caja(kFilaPlus)},
        {kPersonal, 8, Caja(kFilaDietasYPlus)},
    };
    t.opciones = {
        {kOpcionD, 2, 1, BotonDesglosado(), "Desglosado", 3},
        {kOpcionD, 2, 2, BotonTotal(), "Total", 3},
    };
    Grupo(t, kSeguros, kOpcionG, 9, kFilasSeguros);
    Grupo(t, kFiscales, kOpcionF, 19, kFilasFiscales);
    return t;
}

} // namespace

const DisenoHoja& DisenoCostesFijos3()
{
    static const Tablas tablas = Construir();
    static const DisenoHoja diseno =
        DisenoDosColumnas(Hoja::F3, 16320, 15840, tablas.marcos, tablas.etiquetas, tablas.cajas, tablas.opciones);
    return diseno;
}

} // namespace tarvia

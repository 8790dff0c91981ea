// The layout of the service sheet, in twips: a heading band with the
// tonne-kilometre cost, a band with the five services' inputs, and the three
// coloured result rows.
#include "sheets/frm_servicio.h"
#include "sheets/colores.h"

#include "core/campos.h"
#include "core/catalogo.h"
#include "engine/servicio.h"

#include <vector>

namespace tarvia {

namespace {

constexpr int kServicios = 5;
constexpr int kColumna0 = 3840, kPasoColumna = 1440, kAnchoCaja = 1215, kAlto = 285;
constexpr int kAnchoFrame = 10995;

constexpr int Columna(int k) { return kColumna0 + kPasoColumna * k; } // k = 0..4

constexpr QRgb kBanda = qRgb(128, 128, 192);
constexpr QRgb kBlanco = qRgb(255, 255, 255);
constexpr QRgb kAzul = colores::Azul;
constexpr QRgb kVerde = colores::Verde;
constexpr QRgb kOlivaOscuro = colores::OlivaOscuro;

constexpr int kBandaToneladas = 300, kFilaToneladas = 780;
constexpr int kBandaServicios = 1260, kCabeceras = 1680;
constexpr int kFilaCostes = 2040, kFilaKm = 2520, kFilaHoras = 2940;
constexpr int kRecuadro = 3420, kEuros = 3780;
constexpr int kFilaPorKm = 4080, kFilaPorHoras = 4500, kFilaPorAmbos = 4920;

// Offset of each row's field from the service's first field 6k-4.
struct FilaServicio {
    int y;
    int desplazamiento;
    QRgb color; // 0: an input row
};
constexpr FilaServicio kFilas[] = {
    {kFilaCostes, 0, 0},        {kFilaKm, 1, 0},
    {kFilaHoras, 2, 0},         {kFilaPorKm, 3, kAzul},
    {kFilaPorHoras, 4, kVerde}, {kFilaPorAmbos, 5, kOlivaOscuro},
};

const char* Rotulo(int i) { return CampoDe(Hoja::S, i).etiqueta; }

struct Tablas {
    std::vector<EtiquetaDiseno> etiquetas;
    std::vector<CajaDiseno> cajas;
};

EtiquetaDiseno Banda(int y, const char* texto)
{
    EtiquetaDiseno e{0, QRect(120, y, kAnchoFrame - 240, kAlto), texto, true, false, true};
    e.color = kBlanco;
    e.fondo = kBanda;
    return e;
}

EtiquetaDiseno FilaEntrada(int y, const char* texto)
{
    EtiquetaDiseno e{0, QRect(420, y + kAlto / 2 - 210, 3300, 420), texto};
    e.marcador = true;
    return e;
}

EtiquetaDiseno FilaResultado(int y, const char* texto, QRgb color)
{
    EtiquetaDiseno e{0, QRect(240, y - 15, 3360, kAlto + 30), texto};
    e.color = kBlanco;
    e.fondo = color;
    return e;
}

Tablas Construir()
{
    Tablas t;
    t.etiquetas = {
        Banda(kBandaToneladas, "COSTE DEL SERVICIO (toneladas-kilómetro)"),
        {0, QRect(240, kFilaToneladas - 60, 3480, 405), Rotulo(1)},
        {0, QRect(Columna(1) - 120, kFilaToneladas, 1800, kAlto), CampoDe(campos::S::C5).unidad, false},
        Banda(kBandaServicios, "COSTE DEL SERVICIO (kilómetros y horas)"),
        FilaEntrada(kFilaCostes, Rotulo(2)),
        FilaEntrada(kFilaKm, Rotulo(3)),
        FilaEntrada(kFilaHoras, Rotulo(4)),
    };
    EtiquetaDiseno recuadro{0,
                            QRect(240, kRecuadro, 3360, 600),
                            "COSTE DEL SERVICIO según el tipo de costes unitarios (Euros)",
                            true,
                            false,
                            true};
    recuadro.recuadro = true;
    t.etiquetas.push_back(recuadro);
    for (const FilaServicio& f : kFilas)
        if (f.color)
            t.etiquetas.push_back(FilaResultado(f.y, Rotulo(2 + f.desplazamiento), f.color));
    for (int k = 0; k < kServicios; ++k) {
        const QRect cabecera(Columna(k), kCabeceras, kAnchoCaja, 240);
        t.etiquetas.push_back({0, cabecera, CampoDe(Hoja::S, 6 * (k + 1) - 4).unidad, true, false, true});
        t.etiquetas.push_back({0, QRect(Columna(k), kEuros, kAnchoCaja, 240), "Euros (€)", false, false, true});
    }

    // Index order: S(1), then each service's six fields.
    t.cajas.push_back({0, 1, QRect(kColumna0, kFilaToneladas, kAnchoCaja, kAlto)});
    for (int k = 0; k < kServicios; ++k)
        for (const FilaServicio& f : kFilas)
            t.cajas.push_back(
                {0, 6 * (k + 1) - 4 + f.desplazamiento, QRect(Columna(k), f.y, kAnchoCaja, kAlto), f.color});
    return t;
}

} // namespace

const DisenoHoja& DisenoServicio()
{
    static const Tablas tablas = Construir();
    static const DisenoHoja diseno = [] {
        DisenoHoja d;
        d.hoja = Hoja::S;
        d.tamano = QSize(11235, 5940);
        d.titulo = QRect(0, 0, 11235, 5940);
        d.columnaS = QRect(120, 360, kAnchoFrame, 5460);
        d.etiquetas = tablas.etiquetas;
        d.cajas = tablas.cajas;
        return d;
    }();
    return diseno;
}

void FrmServicio::Activar()
{
    Revisar(documento());
    Refrescar();
}

void FrmServicio::paintEvent(QPaintEvent* ev)
{
    if (!revisando_) {
        revisando_ = true;
        Revisar(documento());
        Refrescar();
        revisando_ = false;
    }
    HojaDisenada::paintEvent(ev);
}

} // namespace tarvia

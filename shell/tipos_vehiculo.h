#pragma once
// The twenty reference vehicle types, in the order of the picture buttons
// of the vehicle-type dialog, with each one's place in its grid (twips).
#include <QPoint>
#include <QString>
#include <array>

namespace tarvia {

struct TipoVehiculo {
    const char* nombre; // file name in Baremario, without ".brm"
    const char* rotulo; // tooltip, as a person reads it
    int fila;           // 0..4
    int columna;        // 0..6
};

inline constexpr std::array<TipoVehiculo, 20> TiposVehiculo = {{
    {"Articulado Carga General", "Articulado de carga general", 0, 0},
    {"Articulado Internacional", "Articulado internacional", 0, 1},
    {"Tren Carretera", "Tren de carretera", 0, 2},
    {"3 Ejes Carga General", "Rígido de 3 ejes, carga general", 0, 3},
    {"2 Ejes Carga General", "Rígido de 2 ejes, carga general", 0, 4},
    {"2 Ejes Distribucion", "Rígido de 2 ejes, distribución", 0, 5},
    {"Furgoneta", "Furgoneta", 0, 6},
    {"Frigorifico Articulado", "Frigorífico articulado", 1, 0},
    {"Frigorifico Internacional", "Frigorífico internacional", 1, 1},
    {"Frigorifico 2 Ejes", "Frigorífico de 2 ejes", 1, 2},
    {"Cisterna Quimicos", "Cisterna de productos químicos", 2, 0},
    {"Cisterna Gases", "Cisterna de gases", 2, 1},
    {"Cisterna Alimentacion", "Cisterna de alimentación", 2, 2},
    {"Cisterna Pulverulentos", "Cisterna de pulverulentos", 2, 3},
    {"Portavehiculos", "Portavehículos de turismos, camión y remolque", 3, 0},
    {"Portavehiculos Industriales", "Portavehículos industriales", 3, 1},
    {"Volquete Graneles", "Volquete de graneles", 4, 0},
    {"Volquete Obra", "Volquete de obra, rígido 8x4", 4, 1},
    {"3 Ejes Animales", "Rígido de 3 ejes, transporte de animales", 4, 2},
    {"Portacontenedores", "Portacontenedores", 4, 3},
}};

// Button grid of the dialog: every button 1275 × 1275.
inline constexpr std::array<int, 7> ColumnasTipoVeh = {300, 1860, 3420, 4980, 6540, 8100, 9660};
inline constexpr std::array<int, 5> FilasTipoVeh = {300, 1860, 3420, 4980, 6540};
inline constexpr int LadoBotonTipoVeh = 1275;

// The reference data file of type i, beside the program in `directorio`.
inline QString RutaBaremario(const QString& directorio, int i)
{
    return directorio + QStringLiteral("/Baremario/") +
           QString::fromUtf8(TiposVehiculo[static_cast<size_t>(i)].nombre) + QStringLiteral(".brm");
}

} // namespace tarvia

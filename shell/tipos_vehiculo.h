#pragma once
// The twenty reference vehicle types, in the order of the picture buttons
// of the vehicle-type dialog, with each one's place in its grid.
#include <QPoint>
#include <QString>
#include <array>

namespace tarvia {

struct TipoVehiculo {
    const char* nombre; // file name in Baremario, without ".brm"
    const char* titulo; // shown under the picture: the file name, accented
    const char* rotulo; // tooltip, as a person reads it
    int fila;           // 0..4
    int columna;        // 0..6
};

inline constexpr std::array<TipoVehiculo, 20> TiposVehiculo = {{
    {"Articulado Carga General", "Articulado Carga General", "Articulado de carga general", 0, 0},
    {"Articulado Internacional", "Articulado Internacional", "Articulado internacional", 0, 1},
    {"Tren Carretera", "Tren Carretera", "Tren de carretera", 0, 2},
    {"3 Ejes Carga General", "3 Ejes Carga General", "Rígido de 3 ejes, carga general", 0, 3},
    {"2 Ejes Carga General", "2 Ejes Carga General", "Rígido de 2 ejes, carga general", 0, 4},
    {"2 Ejes Distribucion", "2 Ejes Distribución", "Rígido de 2 ejes, distribución", 0, 5},
    {"Furgoneta", "Furgoneta", "Furgoneta", 0, 6},
    {"Frigorifico Articulado", "Frigorífico Articulado", "Frigorífico articulado", 1, 0},
    {"Frigorifico Internacional", "Frigorífico Internacional", "Frigorífico internacional", 1, 1},
    {"Frigorifico 2 Ejes", "Frigorífico 2 Ejes", "Frigorífico de 2 ejes", 1, 2},
    {"Cisterna Quimicos", "Cisterna Químicos", "Cisterna de productos químicos", 2, 0},
    {"Cisterna Gases", "Cisterna Gases", "Cisterna de gases", 2, 1},
    {"Cisterna Alimentacion", "Cisterna Alimentación", "Cisterna de alimentación", 2, 2},
    {"Cisterna Pulverulentos", "Cisterna Pulverulentos", "Cisterna de pulverulentos", 2, 3},
    {"Portavehiculos", "Portavehículos", "Portavehículos de turismos, camión y remolque", 3, 0},
    {"Portavehiculos Industriales", "Portavehículos Industriales", "Portavehículos industriales", 3, 1},
    {"Volquete Graneles", "Volquete Graneles", "Volquete de graneles", 4, 0},
    {"Volquete Obra", "Volquete Obra", "Volquete de obra, rígido 8x4", 4, 1},
    {"3 Ejes Animales", "3 Ejes Animales", "Rígido de 3 ejes, transporte de animales", 4, 2},
    {"Portacontenedores", "Portacontenedores", "Portacontenedores", 4, 3},
}};

// The dialog's grid (twips): every button 1275 × 1275, its name under it in
// a cell wide enough for the longest word of any name.
inline constexpr int LadoBotonTipoVeh = 1275;
inline constexpr int AnchoCeldaTipoVeh = 2100;

// The reference data file of type i, beside the program in `directorio`.
inline QString RutaBaremario(const QString& directorio, int i)
{
    return directorio + QStringLiteral("/Baremario/") +
           QString::fromUtf8(TiposVehiculo[static_cast<size_t>(i)].nombre) + QStringLiteral(".brm");
}

} // namespace tarvia

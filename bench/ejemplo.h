#pragma once
// A complete calculation of an articulated truck, as a reference data file
// would bring it, for the benchmarks that need every sheet filled.
#include "core/calculo.h"

#include <initializer_list>
#include <utility>

namespace tarvia::ejemplo {

inline void Poner(ValoresColumna& v, Hoja h, std::initializer_list<std::pair<int, Valor>> campos)
{
    for (const auto& [i, valor] : campos)
        v[h](i) = valor;
}

// Group totals agree with their parts, so that showing it changes no input.
inline void LlenarColumna(ValoresColumna& v)
{
    Poner(v, Hoja::C,
          {{1, "Articulado de prueba"},
           {2, 420},
           {3, 40000},
           {4, 25000},
           {5, 5},
           {6, "Carga general"},
           {7, 120000},
           {8, 85},
           {12, 2000},
           {13, 80},
           {17, 225},
           {19, 20}});
    Poner(v, Hoja::F1,
          {{1, true},
           {2, 100000},
           {3, 10},
           {5, 6},
           {6, 20},
           {8, 80},
           {10, 5},
           {11, 4.5},
           {12, 15000},
           {13, 12000},
           {14, 5},
           {16, 6},
           {17, 10},
           {19, 50},
           {21, 4},
           {22, 5},
           {23, 50}});
    Poner(v, Hoja::F2,
          {{1, true},
           {2, 35000},
           {3, 5},
           {5, 10},
           {6, 15},
           {8, 80},
           {10, 5},
           {11, 4.5},
           {12, 6000},
           {13, true},
           {14, 20000},
           {15, 3},
           {17, 8},
           {18, 10},
           {20, 0},
           {22, 5},
           {23, 5},
           {24, 0},
           {25, 60}});
    Poner(v, Hoja::F3, {{1, 32000}, {2, true},  {3, 60},   {4, 220},  {6, 0.02}, {8, 15600}, {9, true}, {10, 2000},
                        {11, 300},  {12, 250},  {13, 150}, {14, 100}, {15, 400}, {16, 1800}, {17, 0},   {18, 5230},
                        {19, true}, {20, 0},    {21, 150}, {22, 300}, {23, 200}, {24, 50},   {25, 0},   {26, 0},
                        {27, 400},  {28, 1100}, {29, 60},  {30, 80},  {31, 90}});
    Poner(v, Hoja::V,
          {{1, 1.35},  {3, 0.05},    {4, 21},    {7, 34},      {8, 1.3},     {10, 0.02}, {11, 21},     {14, 2},
           {15, 1000}, {16, 2},      {17, 450},  {18, 150000}, {19, 4},      {20, 420},  {21, 180000}, {22, 0},
           {23, 400},  {24, 150000}, {25, 6},    {26, 380},    {27, 160000}, {28, 0.05}, {30, 0.06},   {32, 9000},
           {33, 90},   {35, 1.4},    {37, 0.03}, {38, 20},     {41, 0.049},  {42, 800}});
    Poner(v, Hoja::I, {{1, true}, {2, 3000}, {3, 1500}, {4, 1000}, {5, 5500}});
    Poner(v, Hoja::S, {{2, 100}, {3, 250}, {4, 5}});
    v.Fecha = QDate(2026, 1, 15);
}

// Both columns filled (the reference one rents its tractor and enters its
// indirect costs as a total); Grabado equals Personal as after a load.
inline void Llenar(Calculo& calculo)
{
    InicializarCalculo(calculo);
    LlenarColumna(calculo.Personal);
    LlenarColumna(calculo.Referencia);
    Poner(calculo.Referencia, Hoja::F1, {{1, false}, {2, 90000}});
    Poner(calculo.Referencia, Hoja::I, {{1, false}, {5, 6000}});
    Poner(calculo.Referencia, Hoja::C, {{7, 110000}, {19, 0}});
    calculo.Referencia.Fecha = QDate(2025, 6, 30);
    for (Hoja h : HojasDeEntrada)
        for (int k : calculo.Entradas(h))
            calculo.Grabado[h](k) = calculo.Personal[h](k);
    calculo.Grabado.Fecha = calculo.Personal.Fecha;
}

} // namespace tarvia::ejemplo

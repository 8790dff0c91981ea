#pragma once
#include "results/resultados.h"

int Ventana();

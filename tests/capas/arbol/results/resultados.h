#pragma once
#include "sheets/hoja.h"

int Resultados();

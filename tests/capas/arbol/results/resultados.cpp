#include "results/resultados.h"

int Resultados() { return Hoja(); }

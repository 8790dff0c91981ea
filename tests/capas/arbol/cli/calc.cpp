#include "cli/calc.h"

int Calc() { return Resultados() + Pantalla(); }

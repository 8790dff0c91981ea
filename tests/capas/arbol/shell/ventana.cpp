#include "shell/ventana.h"

int Ventana() { return Resultados(); }

#include "sheets/hoja.h"

int Hoja() { return Pantalla(); }

#include "presentacion/pantalla.h"

int Pantalla() { return Motor(); }

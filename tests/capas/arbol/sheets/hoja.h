#pragma once
#include "presentacion/pantalla.h"

int Hoja();

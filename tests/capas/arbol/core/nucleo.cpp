#include "core/nucleo.h"

int Nucleo() { return 0; }

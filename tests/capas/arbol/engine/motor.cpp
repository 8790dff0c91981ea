#include "engine/motor.h"

int Motor() { return Nucleo() + 1; }

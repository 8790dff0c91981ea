#include "engine/motor.h"

int Motor() { return 1; }

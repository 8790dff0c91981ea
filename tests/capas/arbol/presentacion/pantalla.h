#pragma once
#include "engine/motor.h"

int Pantalla();

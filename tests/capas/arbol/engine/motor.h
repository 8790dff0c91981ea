#pragma once
#include "core/nucleo.h"

int Motor();

#include "core/nucleo.h"

QString Nucleo() { return QStringLiteral("núcleo"); }

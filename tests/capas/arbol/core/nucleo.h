#pragma once
#include <QString>

QString Nucleo();

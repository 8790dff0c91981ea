#pragma once
// The program's fonts, in one place. The sheets were designed in 8.25 pt
// MS Sans Serif; Arial (Liberation Sans) has the same metrics on Linux.
#include <QFont>
#include <QStringList>

namespace tarvia {

// The sheets' font: 8.25 pt Arial, bold or not.
QFont Fuente(bool negrita, double puntos = 8.25);

// Another family, the first of `familias` the system has.
QFont Fuente(const QStringList& familias, double puntos, bool negrita);

} // namespace tarvia

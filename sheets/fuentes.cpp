#include "sheets/fuentes.h"

namespace tarvia {

QFont Fuente(bool negrita, double puntos) { return Fuente({QStringLiteral("Arial")}, puntos, negrita); }

QFont Fuente(const QStringList& familias, double puntos, bool negrita)
{
    QFont f;
    f.setFamilies(familias);
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
}

} // namespace tarvia

#pragma once
// Where a report may not be written: over a calculation.
#include <QString>
#include <QStringList>

namespace tarvia::calc {

// Empty when `opcion` may write its report at `destino`; otherwise the one
// line that says why not: the name ends in ".trv" (any case), or it is the
// same file as one of `calculos` however either path is written (links,
// "./", "..", another hard link).
QString DestinoProhibido(const QString& opcion, const QString& destino, const QStringList& calculos);

} // namespace tarvia::calc

#pragma once
// The checks an entry of the personal column must pass before it is kept.
#include "core/calculo.h"

#include <QString>

namespace tarvia {

struct Veredicto {
    bool rechazado = false;
    QString mensaje; // the message window's text when rejected
};

// The message refusing a text the file would not give back as it is:
// characters it cannot keep, named, or Windows-1252 bytes that read back as
// other UTF-8 text (archivo::LeidoComoUtf8). Empty when the text is safe.
QString MensajeNoGuardables(const QString& texto);

// The two limit lines of a refused number, each followed by two line ends.
QString MensajeLimites(const Calculo& calculo, Hoja h, int indice);

// Checks field i of sheet h of the personal column, with the new value
// already stored in calculo.Personal.
Veredicto Validar(const Calculo& calculo, Hoja h, int indice);

} // namespace tarvia

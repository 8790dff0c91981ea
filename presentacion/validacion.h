#pragma once
// The checks an entry of the personal column must pass before it is kept.
#include "core/calculo.h"

#include <QString>

namespace tarvia {

struct Veredicto {
    bool rechazado = false;
    QString mensaje; // the message window's text when rejected
};

// The message refusing a text that holds characters the file cannot keep,
// naming them; empty when there are none.
QString MensajeNoGuardables(const QString& texto);

// Checks field i of sheet h of the personal column, with the new value
// already stored in calculo.Personal.
Veredicto Validar(const Calculo& calculo, Hoja h, int indice);

} // namespace tarvia

#pragma once
// Which option-switched frame holds a field, and whether the user can reach
// a personal box at this moment.
#include "presentacion/pantalla.h"

#include <optional>

namespace tarvia {

std::optional<Marco> MarcoDeCampo(Hoja h, int indice);

// The box and the frame that holds it are visible.
bool CampoVisible(const Pantalla& pantalla, Hoja h, Columna c, int indice);

// A personal input box that is enabled and visible: one the user could focus.
bool CampoEditable(const Pantalla& pantalla, Hoja h, int indice);

} // namespace tarvia

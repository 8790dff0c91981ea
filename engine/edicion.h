#pragma once
// Editing a personal field: shown raw while focused, filtered key by key,
// parsed, checked, stored and recalculated, or restored with a message.
// The windows only forward their events here.
#include "engine/documento.h"

#include <QString>
#include <optional>

namespace tarvia {

// The text of a box being edited, its selection and its caret.
struct EstadoEdicion {
    QString texto;
    int cursor = 0;          // 0-based caret position
    int inicioSeleccion = 0; // 0-based
    int largoSeleccion = 0;
};

// Focus gained: the value becomes ValorAnterior and the box shows it raw
// (locale separator, no grouping, empty for 0), caret at 0, nothing selected.
EstadoEdicion MostrarParaEditar(Documento& doc, Hoja h, int indice);

struct ResultadoTecla {
    EstadoEdicion estado; // what the box holds afterwards
    bool aceptada = false;
    bool pitido = false;
};

// The character rules for one typed key (not Enter, not Backspace): the
// selection is deleted first, then the key passes or is refused with a beep.
ResultadoTecla FiltrarCaracter(const EstadoEdicion& estado, QChar tecla, int decimales, int maxLength,
                               QChar separador);

// The numeric keypad's decimal key types the locale's decimal separator in a
// number box (decimales >= 0), whatever the keyboard layout puts on it; any
// other key, and that key in a text box, types its own character.
QChar CaracterDeTecla(QChar caracter, bool decimalDelTecladoNumerico, int decimales, QChar separador);

// Key pressed in a personal box, with its character code: Enter commits with
// code 13 and shows the value for editing again; Backspace passes; the rest
// go through FiltrarCaracter.
ResultadoTecla PulsarTecla(Documento& doc, Hoja h, int indice, const EstadoEdicion& estado, char16_t codigo);

// Text typed or pasted into a field → its value: texts trimmed; numbers keep
// their digits and the first decimal separator (as "."), empty gives 0, never negative.
Valor Interpretar(const QString& texto, bool esTexto, QChar separador);

// Focus lost (codigo -1) or Enter (13): parse, check, store or restore,
// recalculate, show. Returns whether the entry was accepted.
bool ConfirmarCampo(Documento& doc, Hoja h, int indice, const QString& texto, int codigo);

// Page Up (33) / Page Down (34): the position to scroll the sheet to, or
// nothing for other keys or outside the 16-bit range.
std::optional<int> PosicionTrasTeclaPagina(int valorBarra, int cambioGrande, int codigoTecla);

} // namespace tarvia

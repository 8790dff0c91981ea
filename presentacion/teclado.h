#pragma once
// One key at a time in a personal box, before anything is stored: the
// character rules, the keypad's decimal key, reading typed or pasted text,
// and the page keys.
#include "core/valor.h"

#include <QString>
#include <optional>

namespace tarvia {

// The key codes the editing rules tell apart ("leaving" is the focus lost).
enum CodigoTecla : int {
    kTeclaSalida = -1,
    kTeclaRetroceso = 8,
    kTeclaIntro = 13,
    kTeclaRePag = 33,
    kTeclaAvPag = 34,
};

// The text of a box being edited, its selection and its caret.
struct EstadoEdicion {
    QString texto;
    int cursor = 0;          // 0-based caret position
    int inicioSeleccion = 0; // 0-based
    int largoSeleccion = 0;
};

struct ResultadoTecla {
    EstadoEdicion estado; // what the box holds afterwards
    bool aceptada = false;
    bool pitido = false;
    QString nota; // a refused key: what the box takes, shown beside it (a beep alone is rarely heard)
};

// What a number box takes, or that a text box is full: the note beside a
// box that refused a key.
QString NotaTeclaRechazada(int decimales, QChar separador);

// The character rules for one typed key (not Enter, not Backspace): the
// selection is deleted first, then the key passes or is refused with a beep.
// A text box (decimales < 0) takes only what the file can keep
// (archivo::EsCaracterGuardable); half of a surrogate pair is refused.
ResultadoTecla FiltrarCaracter(const EstadoEdicion& estado, QChar tecla, int decimales, int maxLength, QChar separador);

// The numeric keypad's decimal key types the locale's decimal separator in a
// number box (decimales >= 0), whatever the keyboard layout puts on it; any
// other key, and that key in a text box, types its own character.
QChar CaracterDeTecla(QChar caracter, bool decimalDelTecladoNumerico, int decimales, QChar separador);

// The first `largo` UTF-16 units of a text, without splitting a character
// in two (a box's length counts units, as QLineEdit does).
QString CabeEnCasilla(const QString& texto, int largo);

// Page Up / Page Down: the position to scroll the sheet to, or nothing for
// other keys or outside the 16-bit range.
std::optional<int> PosicionTrasTeclaPagina(int valorBarra, int cambioGrande, int codigoTecla);

} // namespace tarvia

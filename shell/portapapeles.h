#pragma once
// Cut, copy and paste on the text box that has the focus in the shown sheet.
// Anything else with the focus (a disabled box, an option) is left alone.
class QWidget;

namespace tarvia {

void Cortar(QWidget* foco);
void Copiar(QWidget* foco);
// A sheet's box checks pasted text as the sheet checks it (PegarTexto): a
// text the file cannot keep is refused, and what does not fit is named.
// In a number box the field's parse drops what does not belong when the
// field loses the focus.
void Pegar(QWidget* foco);

} // namespace tarvia

#pragma once
// Editing a personal field: shown raw while focused, filtered key by key,
// parsed, checked, stored and recalculated, or restored with a message.
// The windows only forward their events here.
#include "presentacion/documento.h"
#include "presentacion/teclado.h"

#include <QString>

namespace tarvia {

// Focus gained: the value becomes ValorAnterior and the box shows it raw
// (locale separator, no grouping, empty for 0), caret at 0, nothing selected.
EstadoEdicion MostrarParaEditar(Documento& doc, Hoja h, int indice);

// Key pressed in a personal box, with its character code: Enter commits
// and shows the value for editing again; Backspace passes; the rest go
// through FiltrarCaracter. A character a text box refuses because the file
// cannot keep it also raises the message naming it, not just a beep.
ResultadoTecla PulsarTecla(Documento& doc, Hoja h, int indice, const EstadoEdicion& estado, char16_t codigo);

// Text pasted, dropped or given by an input method into a personal box, over
// its selection. A text box refuses it whole when it holds characters the
// file cannot keep. What does not fit in the box is left out, with a message:
// nothing is cut without the user seeing it. Line ends closing the text (a
// copied spreadsheet cell or line) are not part of it.
ResultadoTecla PegarTexto(Documento& doc, Hoja h, int indice, const EstadoEdicion& estado, const QString& pegado);

// The field as the user knows it: its caption, or its tooltip where the
// caption is not the sheet's only one.
QString NombreVisible(Hoja h, int indice);

// After a list price is accepted: the discount the personal column still
// takes off it, as a note shown beside the box (tarvia-calc: an aviso);
// empty for other fields and when the discount is 0.
QString NotaDeDescuento(const Calculo& calculo, Hoja h, int indice);

// Focus lost (kTeclaSalida) or Enter (kTeclaIntro): parse, check, store or
// restore, recalculate, show. Returns whether the entry was accepted.
bool ConfirmarCampo(Documento& doc, Hoja h, int indice, const QString& texto, int codigo);

// A whole text given to a personal box as the user gives it: focus the box,
// paste over everything (no key filter, cut to the box's length), leave it.
// `pegado` receives what went into the box. Returns whether it was accepted.
bool EscribirEnCampo(Documento& doc, Hoja h, int indice, const QString& texto, QString* pegado = nullptr);

} // namespace tarvia

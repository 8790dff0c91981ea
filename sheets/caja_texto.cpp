#include "sheets/caja_texto.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace tarvia {

namespace {
// A menu opening or another window coming forward does not end the editing:
// the field goes on with the text typed so far.
bool CambiaDeCampo(Qt::FocusReason razon)
{
    return razon != Qt::PopupFocusReason && razon != Qt::ActiveWindowFocusReason;
}
} // namespace

CajaTexto::CajaTexto(ReceptorCaja& receptor, int indice, QWidget* padre)
    : QLineEdit(padre), receptor_(receptor), indice_(indice)
{
}

EstadoEdicion CajaTexto::Estado() const
{
    EstadoEdicion e;
    e.texto = text();
    e.cursor = cursorPosition();
    if (hasSelectedText()) {
        e.inicioSeleccion = selectionStart();
        e.largoSeleccion = static_cast<int>(selectedText().size());
    } else {
        e.inicioSeleccion = e.cursor;
    }
    return e;
}

void CajaTexto::Aplicar(const EstadoEdicion& estado)
{
    if (text() != estado.texto)
        setText(estado.texto);
    if (estado.largoSeleccion > 0)
        setSelection(estado.inicioSeleccion, estado.largoSeleccion);
    else
        setCursorPosition(estado.cursor);
}

void CajaTexto::focusInEvent(QFocusEvent* ev)
{
    QLineEdit::focusInEvent(ev);
    if (editando_ && !CambiaDeCampo(ev->reason()))
        return;
    editando_ = true;
    receptor_.AlEntrar(*this);
}

void CajaTexto::focusOutEvent(QFocusEvent* ev)
{
    QLineEdit::focusOutEvent(ev);
    if (!editando_ || !CambiaDeCampo(ev->reason()))
        return;
    editando_ = false;
    receptor_.AlSalir(*this);
}

void CajaTexto::keyPressEvent(QKeyEvent* ev)
{
    if (!receptor_.AlPulsar(*this, *ev))
        QLineEdit::keyPressEvent(ev);
}

} // namespace tarvia

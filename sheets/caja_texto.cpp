#include "sheets/caja_texto.h"

#include <QAction>
#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QToolTip>

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

void CajaTexto::Senalar(const QString& nota)
{
    const QColor destello(0xff, 0xc8, 0xc8);
    QPalette p = palette();
    const QColor antes = p.color(QPalette::Base);
    if (antes != destello) {
        p.setColor(QPalette::Base, destello);
        setPalette(p);
        QTimer::singleShot(350, this, [this, antes, destello] {
            QPalette q = palette();
            if (q.color(QPalette::Base) == destello) { // unless the sheet repainted it meanwhile
                q.setColor(QPalette::Base, antes);
                setPalette(q);
            }
        });
    }
    if (!nota.isEmpty())
        QToolTip::showText(mapToGlobal(QPoint(0, height())), nota, this, rect(), 3000);
}

void CajaTexto::Pegar(const QString& texto)
{
    if (!isReadOnly() && isEnabled())
        receptor_.AlPegar(*this, texto);
}

void CajaTexto::keyPressEvent(QKeyEvent* ev)
{
    if (ev->matches(QKeySequence::Paste)) {
        Pegar(QGuiApplication::clipboard()->text());
        return;
    }
    if (!receptor_.AlPulsar(*this, *ev))
        QLineEdit::keyPressEvent(ev);
}

void CajaTexto::contextMenuEvent(QContextMenuEvent* ev)
{
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's Paste is the action wired to QLineEdit::paste: it is rewired here.
    for (QAction* accion : menu->actions())
        if (disconnect(accion, &QAction::triggered, this, &QLineEdit::paste) ||
            disconnect(accion, SIGNAL(triggered()), this, SLOT(paste())))
            connect(accion, &QAction::triggered, this, [this] { Pegar(QGuiApplication::clipboard()->text()); });
    menu->popup(ev->globalPos());
}

void CajaTexto::mouseReleaseEvent(QMouseEvent* ev)
{
    // The X11 selection pasted with the middle button.
    QClipboard* portapapeles = QGuiApplication::clipboard();
    if (ev->button() == Qt::MiddleButton && portapapeles->supportsSelection()) {
        setCursorPosition(cursorPositionAt(ev->position().toPoint()));
        Pegar(portapapeles->text(QClipboard::Selection));
        return;
    }
    QLineEdit::mouseReleaseEvent(ev);
}

void CajaTexto::dropEvent(QDropEvent* ev)
{
    // Text moved inside the box is already in it; the box moves it itself.
    if (ev->source() == this || !ev->mimeData()->hasText()) {
        QLineEdit::dropEvent(ev);
        return;
    }
    setCursorPosition(cursorPositionAt(ev->position().toPoint()));
    Pegar(ev->mimeData()->text());
    ev->acceptProposedAction();
}

void CajaTexto::inputMethodEvent(QInputMethodEvent* ev)
{
    if (ev->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(ev);
        return;
    }
    // The composition ends here; what it gives is checked like a paste.
    QInputMethodEvent sinTexto(ev->preeditString(), ev->attributes());
    QLineEdit::inputMethodEvent(&sinTexto);
    Pegar(ev->commitString());
}

} // namespace tarvia

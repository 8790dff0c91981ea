#pragma once
// A personal-column text box: it only forwards its focus and key events to
// the sheet, which hands them to the editing logic.
#include "presentacion/edicion.h"

#include <QLineEdit>

namespace tarvia {

class CajaTexto;

class ReceptorCaja {
public:
    virtual ~ReceptorCaja() = default;
    virtual void AlEntrar(CajaTexto& caja) = 0;
    // True when the key was dealt with and the box must not see it.
    virtual bool AlPulsar(CajaTexto& caja, QKeyEvent& ev) = 0;
    virtual void AlSalir(CajaTexto& caja) = 0;
    // Text pasted, dropped or given by an input method, to insert at the caret.
    virtual void AlPegar(CajaTexto& caja, const QString& texto) = 0;
};

class CajaTexto : public QLineEdit {
    Q_OBJECT
public:
    CajaTexto(ReceptorCaja& receptor, int indice, QWidget* padre);

    int indice() const { return indice_; }
    // Whether the box is between a focus gained and a focus lost.
    bool editando() const { return editando_; }

    EstadoEdicion Estado() const;
    void Aplicar(const EstadoEdicion& estado);
    // Every way of putting text into the box other than a typed key ends
    // here, so that the sheet checks it as it checks keys.
    void Pegar(const QString& texto);
    // A refused key: the box flashes and the note shows beside it.
    void Senalar(const QString& nota);

protected:
    void focusInEvent(QFocusEvent* ev) override;
    void focusOutEvent(QFocusEvent* ev) override;
    void keyPressEvent(QKeyEvent* ev) override;
    void contextMenuEvent(QContextMenuEvent* ev) override;
    void mouseReleaseEvent(QMouseEvent* ev) override;
    void dropEvent(QDropEvent* ev) override;
    void inputMethodEvent(QInputMethodEvent* ev) override;

private:
    ReceptorCaja& receptor_;
    int indice_;
    bool editando_ = false;
};

} // namespace tarvia

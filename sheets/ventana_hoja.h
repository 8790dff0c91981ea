#pragma once
// What the main window needs of a sheet window (C, F1, F2, F3, V, I, R, S):
// its designed size, where its focused control is, mirroring the display
// model, and its activation behaviour. Sheet windows hold layout, not logic.
#include "core/hojas.h"
#include "presentacion/documento.h"

#include <QColor>
#include <QWidget>

namespace tarvia {

class VentanaHoja : public QWidget {
    Q_OBJECT
public:
    VentanaHoja(Documento& doc, Hoja hoja, QWidget* padre = nullptr) : QWidget(padre), doc_(doc), hoja_(hoja) {}

    Hoja hoja() const { return hoja_; }
    Documento& documento() { return doc_; }

    // The sheet's designed Width and Height, in twips.
    virtual QSize TamanoTwips() const = 0;

    // Field position of the focused control, in twips (180 + offsets within
    // its frames, except the outermost one), and its height: what the
    // scrolling rules bring into view. Null when nothing has the focus.
    struct PosicionCampo {
        int vertical = 0;   // 180 + Height + Top of the control and its inner frames
        int horizontal = 0; // 180 + Left of the control and its inner frames
        int alto = 0;       // the control's Height
    };
    virtual PosicionCampo PosicionControlActivo() const = 0;

    // Copies the display model (texts, enabled, visible, colours, captions,
    // selected options) onto the widgets.
    virtual void Refrescar() = 0;

    // The sheet's activation and repaint behaviour (the results recompute,
    // the service sheet reviews, the indirect sheet writes its comment).
    virtual void Activar() {}

    // The title frame takes the highlight colour of the active sheet button.
    virtual void FijarColorTitulo(const QColor& color) = 0;

signals:
    // A control of the sheet gained the focus: bring it into view.
    void controlEnfocado();
    // Page Up (33) / Page Down (34) pressed in the sheet.
    void teclaPagina(int codigo);
    // The engine left messages in the document for the message window.
    void mensajesPendientes();
    // Values changed that other sheets show: they refresh from the model.
    void modeloCambiado();

private:
    Documento& doc_;
    Hoja hoja_;
};

} // namespace tarvia

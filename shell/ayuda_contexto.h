#pragma once
// Which help page belongs to what the user has in front: each window by its
// object name, and for the sheets' boxes the entry of their field in the page.
#include "shell/ayuda.h"

#include <QObject>
#include <QString>

#include <vector>

class QWidget;

namespace tarvia {

struct TemaVentana {
    const char* ventana; // object name of the window or sheet
    const char* pagina;
};
struct TemaCampo {
    const char* caja; // object name of the sheet's box, both columns alike: "C(7)" stands for TextSC(7) and TextOC(7)
    const char* tema; // page#anchor
};
const std::vector<TemaVentana>& TemasDeVentanas();
const std::vector<TemaCampo>& TemasDeCampos();

// The page for `w` and what holds it: the field's entry when `w` is a box with
// one, else the page of the nearest window or sheet in the table; empty (the
// default topic) when none is.
QString TemaDeAyuda(const QWidget* w);

// What is in front: the widget with the focus, or the active window.
QString TemaDelFrente();

// Opens Tarvia.chm at `tema` (its default topic when empty or missing).
VisorAyuda* AbrirAyudaEn(QWidget* principal, const AvisoAyuda& avisar, const QString& carpeta, const QString& tema);

// F1 anywhere in the application: the help of what has the focus, in a
// window that the modal dialog in front does not block.
class TeclaAyuda : public QObject {
public:
    TeclaAyuda(AvisoAyuda avisar, QString carpeta, QObject* padre = nullptr);
    bool eventFilter(QObject* objeto, QEvent* ev) override;

private:
    AvisoAyuda avisar_;
    QString carpeta_;
};

} // namespace tarvia

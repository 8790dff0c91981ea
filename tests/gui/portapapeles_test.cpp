// Cut, copy and paste on the focused box.
#include "shell/portapapeles.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace tarvia;

// Copying or cutting nothing leaves the clipboard empty; cutting nothing
// leaves the box alone; pasting does not filter; a disabled box, a button or
// no widget at all take part in nothing.
TEST(Portapapeles, CortarCopiarYPegar)
{
    const struct {
        const char* orden;
        void (*accion)(QWidget*);
        const char* caja;
        int desde, largo;
        bool habilitada;
        const char* antes; // on the clipboard
        const char* cajaTras;
        const char* portapapelesTras;
    } casos[] = {
        {"copiar sin seleccion", Copiar, "12345", 1, 0, true, "antes", "12345", ""},
        {"copiar", Copiar, "12345", 1, 3, true, "antes", "12345", "234"},
        {"cortar todo", Cortar, "100000", 0, 6, true, "antes", "", "100000"},
        {"cortar sin seleccion", Cortar, "150000", 0, 0, true, "antes", "150000", ""},
        {"pegar", Pegar, "99", 0, 2, true, "12,5,3", "12,5,3", "12,5,3"}, // 12.53 once parsed on leaving
        {"pegar nada", Pegar, "99", 0, 2, true, "", "", ""},
        {"cortar en una caja desactivada", Cortar, "5", 0, 1, false, "x", "5", "x"},
        {"pegar en una caja desactivada", Pegar, "5", 0, 1, false, "x", "5", "x"},
    };
    QClipboard* portapapeles = QGuiApplication::clipboard();
    for (const auto& k : casos) {
        SCOPED_TRACE(k.orden);
        QLineEdit caja(QString::fromUtf8(k.caja));
        caja.setEnabled(k.habilitada);
        caja.setSelection(k.desde, k.largo);
        portapapeles->setText(QString::fromUtf8(k.antes));
        k.accion(&caja);
        EXPECT_EQ(caja.text(), QString::fromUtf8(k.cajaTras));
        EXPECT_EQ(portapapeles->text(), QString::fromUtf8(k.portapapelesTras));
    }
    QPushButton boton;
    Copiar(&boton);
    Copiar(nullptr);
    EXPECT_EQ(portapapeles->text(), u"x");
}

// Cut, copy and paste on the focused box.
#include "shell/portapapeles.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace tarvia;

namespace {
QClipboard* Portapapeles() { return QGuiApplication::clipboard(); }
} // namespace

TEST(Portapapeles, CopiarSinSeleccionLoDejaVacio)
{
    QLineEdit caja(QStringLiteral("12345"));
    Portapapeles()->setText(QStringLiteral("antes"));
    caja.setSelection(1, 0);
    Copiar(&caja);
    EXPECT_TRUE(Portapapeles()->text().isEmpty());
    caja.setSelection(1, 3);
    Copiar(&caja);
    EXPECT_EQ(Portapapeles()->text(), u"234");
    EXPECT_EQ(caja.text(), u"12345");
}

TEST(Portapapeles, CortarTodoVaciaLaCaja)
{
    QLineEdit caja(QStringLiteral("100000"));
    caja.selectAll();
    Cortar(&caja);
    EXPECT_EQ(caja.text(), QString());
    EXPECT_EQ(Portapapeles()->text(), u"100000");
    // Nothing selected: nothing leaves the box, and the clipboard ends empty.
    caja.setText(QStringLiteral("150000"));
    caja.setCursorPosition(0);
    Cortar(&caja);
    EXPECT_EQ(caja.text(), u"150000");
    EXPECT_TRUE(Portapapeles()->text().isEmpty());
}

TEST(Portapapeles, PegarSinFiltrar)
{
    QLineEdit caja(QStringLiteral("99"));
    caja.selectAll();
    Portapapeles()->setText(QStringLiteral("12,5,3"));
    Pegar(&caja);
    EXPECT_EQ(caja.text(), u"12,5,3"); // the parse on leaving the box makes it 12.53
    Portapapeles()->clear();
    caja.selectAll();
    Pegar(&caja);
    EXPECT_EQ(caja.text(), QString());
}

TEST(Portapapeles, NadaFueraDeUnaCajaEditable)
{
    QLineEdit desactivada(QStringLiteral("5"));
    desactivada.setEnabled(false);
    desactivada.selectAll();
    Portapapeles()->setText(QStringLiteral("x"));
    Cortar(&desactivada);
    Pegar(&desactivada);
    EXPECT_EQ(desactivada.text(), u"5");
    EXPECT_EQ(Portapapeles()->text(), u"x");
    QPushButton boton;
    Copiar(&boton);
    Copiar(nullptr);
    EXPECT_EQ(Portapapeles()->text(), u"x");
}

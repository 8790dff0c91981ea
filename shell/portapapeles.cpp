#include "shell/portapapeles.h"

#include "sheets/caja_texto.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

namespace tarvia {

namespace {

QLineEdit* CajaConFoco(QWidget* foco)
{
    auto* caja = qobject_cast<QLineEdit*>(foco);
    return caja && caja->isEnabled() && !caja->isReadOnly() ? caja : nullptr;
}

// The clipboard is emptied first, so copying nothing leaves it empty.
void PonerEnPortapapeles(const QString& texto)
{
    QClipboard* p = QGuiApplication::clipboard();
    p->clear();
    if (!texto.isEmpty())
        p->setText(texto);
}

} // namespace

void Cortar(QWidget* foco)
{
    if (QLineEdit* caja = CajaConFoco(foco)) {
        PonerEnPortapapeles(caja->selectedText());
        caja->insert(QString()); // the selection only: del() would eat a character when there is none
    }
}

void Copiar(QWidget* foco)
{
    if (QLineEdit* caja = CajaConFoco(foco))
        PonerEnPortapapeles(caja->selectedText());
}

void Pegar(QWidget* foco)
{
    QLineEdit* caja = CajaConFoco(foco);
    if (!caja)
        return;
    const QString texto = QGuiApplication::clipboard()->text();
    if (auto* personal = qobject_cast<CajaTexto*>(caja))
        personal->Pegar(texto);
    else
        caja->insert(texto);
}

} // namespace tarvia

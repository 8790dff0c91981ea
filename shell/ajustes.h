#pragma once
// The user's settings (recent calculations, the analyses' last figures), read
// only from a regular file of a sensible size.
#include <QString>

#include <memory>

class QSettings;
class QTemporaryDir;

namespace tarvia {

struct AjustesUsuario {
    // Declared first so that it goes last: the settings write into it on closing.
    std::unique_ptr<QTemporaryDir> provisional;
    std::unique_ptr<QSettings> ajustes;
    QString aviso; // why the file at the usual place is not used; empty when it is

    AjustesUsuario();
    AjustesUsuario(AjustesUsuario&&) noexcept;
    AjustesUsuario& operator=(AjustesUsuario&&) noexcept;
    ~AjustesUsuario();
};

// Where the user's settings live: ~/.config/TARVIA/TARVIA.conf (XDG_CONFIG_HOME).
QString RutaAjustes();

// The settings kept at `ruta`. A pipe, a device, a directory or a file over
// kTopeAjustes there is left as it is, and the settings of this session are
// kept in a temporary file instead, with `aviso` saying why.
AjustesUsuario AbrirAjustes(const QString& ruta);

} // namespace tarvia

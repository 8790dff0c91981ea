#pragma once
// File names as the system sees them, and why a path cannot be read or written.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace tarvia {

enum class FalloArchivo : std::uint8_t {
    Ninguno,
    NoEncontrado,
    DirectorioNoExiste,
    NombreNoValido,
    AccesoDenegado,
    MalEstado, // any other failure
};

// File names are bytes. Qt 6 reads them as UTF-8 and turns the bytes that are
// not into U+FFFD, so a name such as "caf\xE9.trv" (Latin-1) could never be
// opened again. These two keep every byte: a byte that is not UTF-8 travels
// as the lone surrogate U+DC00 + byte and comes back as itself.
QByteArray RutaNativa(const QString& ruta);
QString RutaDesdeNativa(const QByteArray& bytes);

// The failure an errno stands for, for the file at `ruta`.
FalloArchivo FalloDeErrno(int error, const QString& ruta);

// A name the system could never open: empty, with a NUL, or too long.
bool NombreNoValido(const QString& ruta);

// Why a calculation could not be written at `ruta`, as far as can be told
// before trying; Ninguno when nothing stands in the way. Only a regular file
// is replaced: a directory, a pipe or a device is not a valid name for one.
FalloArchivo FalloDelDestino(const QString& ruta);

// The entries of a directory, by their real names: the regular files whose
// name ends in `extension` (any case), or the subdirectories. Sorted without
// regard to case; hidden entries (".name") left out.
QStringList ArchivosDe(const QString& directorio, const QString& extension);
QStringList SubdirectoriosDe(const QString& directorio);

} // namespace tarvia

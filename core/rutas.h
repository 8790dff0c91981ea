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
    // Writing only: why the disk refused the bytes (the old file is intact).
    YaExiste,          // a new file was asked for and the name is taken
    SinEspacio,        // ENOSPC
    CuotaExcedida,     // EDQUOT
    SoloLectura,       // EROFS
    ErrorES,           // EIO and any other refusal of the disk
    SinConfirmar,      // the file was renamed but the disk did not confirm the folder
    DatosDeReferencia, // a reference data file, or a folder of them: never written
};

// File names are bytes. Qt 6 reads them as UTF-8 and turns the bytes that are
// not into U+FFFD, so a name such as "caf\xE9.trv" (Latin-1) could never be
// opened again. These two keep every byte: a byte that is not UTF-8 travels
// as the lone surrogate U+DC00 + byte and comes back as itself.
QByteArray RutaNativa(const QString& ruta);
QString RutaDesdeNativa(const QByteArray& bytes);

// `ruta` made absolute from the working folder, every byte kept (QFileInfo
// would go through UTF-8).
QString RutaAbsoluta(const QString& ruta);

// The first name (not an option) on a command line, by its own bytes; Qt's
// options must have left argv already. Empty when there is none.
QString PrimerNombreDeLaLinea(int argc, char* argv[]);

// The failure an errno stands for, for the file at `ruta`.
FalloArchivo FalloDeErrno(int error, const QString& ruta);

// The failure an errno stands for when writing the file at `ruta`: a full
// disk, a quota or a read-only disk are told apart from a damaged file.
FalloArchivo FalloDeEscritura(int error, const QString& ruta);

// Whether `ruta` names a reference data file: by its extension, ".brm" in
// any case, as the desktop tells them apart. Their content cannot: a
// calculation saved unchanged holds the same 256 values.
bool EsDatoDeReferencia(const QString& ruta);

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

// Whether some entry of `directorio` (hidden ones, links and folders too) has
// the name `nombre`, ignoring case and how accents are composed.
bool NombreOcupado(const QString& directorio, const QString& nombre);

} // namespace tarvia

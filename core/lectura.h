#pragma once
// Reading a whole file the program needs, bounded and without waiting: only
// a regular file is read (a pipe with no writer, a device or a directory is
// refused at once), and only when it fits under the limit for its kind (a
// file over it is refused, never read in part, unless the reader asks for its
// beginning and judges the rest itself).
#include "core/rutas.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace tarvia {

enum class FalloLectura : std::uint8_t {
    Ninguno,
    NoEncontrado,
    DirectorioNoExiste,
    NombreNoValido,
    AccesoDenegado,
    Carpeta,         // a directory
    NoEsFichero,     // a pipe, a device, a socket
    DemasiadoGrande, // over the limit given
    ErrorDeLectura,  // the system failed part-way
};

// Limits by kind of file: each is many times the largest real one.
inline constexpr qint64 kTopeIndices = 256 * 1024;     // a few lines a year
inline constexpr qint64 kTopeAjustes = 1024 * 1024;    // eight recent names and a few options
inline constexpr qint64 kTopeAyuda = 64 * 1024 * 1024; // the compiled help, pictures and all

struct Lectura {
    FalloLectura fallo = FalloLectura::Ninguno;
    QByteArray bytes; // the whole file; empty on failure
};

// What to do with a regular file over the limit.
enum class Exceso : std::uint8_t {
    Rechazar,  // DemasiadoGrande, and nothing read
    Principio, // its first tope + 1 bytes, for a reader that stops where its data end
};

// The whole file at `ruta` if it is a regular file of at most `tope` bytes.
Lectura LeerFicheroAcotado(const QString& ruta, qint64 tope, Exceso exceso = Exceso::Rechazar);

// The lines of a data table (the program's .tsv files) that hold data: the
// part before "#", split at spaces and tabs, with its line number from 1.
struct LineaDeDatos {
    int numero = 0;
    QStringList campos;
};
std::vector<LineaDeDatos> LineasDeDatos(const QByteArray& bytes);

// For a file that a library opens itself: whether it is a regular file of at
// most `tope` bytes, without opening it. NoEncontrado when there is none.
FalloLectura ComprobarFichero(const QString& ruta, qint64 tope);

// The failure as a calculation file's (the messages the file dialog knows).
FalloArchivo ComoFalloArchivo(FalloLectura fallo);

// One Spanish sentence on why `sujeto` ("el fichero de índices de
// repercusión": lower case, with its article) was not read.
QString MensajeLectura(FalloLectura fallo, const QString& sujeto, qint64 tope);

} // namespace tarvia

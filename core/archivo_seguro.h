#pragma once
// Writing a file so that a failure never damages it: the bytes go to a
// temporary file beside it, which takes the file's name only once every byte
// has been written and flushed to the disk without an error. Until then, and
// after any failure, the old file stays byte for byte and the temporary file
// is gone. Every write reaches the system at once, so a full disk or a quota
// is seen on the write that meets it.
#include "core/rutas.h"

#include <QIODevice>

#include <sys/types.h>

namespace tarvia {

class ArchivoSeguro : public QIODevice {
public:
    enum class Modo : std::uint8_t {
        Reemplazar, // the file at the path, if any, is replaced (keeping its permissions and owner)
        Nuevo,      // only a name nothing holds is taken: never replaces, even in a race
    };

    explicit ArchivoSeguro(const QString& ruta, Modo modo = Modo::Reemplazar);
    ~ArchivoSeguro() override; // not confirmed: discarded

    // Checks the target (reference data, FalloDelDestino) and creates the
    // temporary file.
    FalloArchivo Abrir();
    // Makes the written bytes the file; on failure nothing is replaced.
    FalloArchivo Confirmar();
    void Descartar();
    // Discards after a write that did not take every byte, and says why.
    FalloArchivo Abandonar();

    const QString& ruta() const { return ruta_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* datos, qint64 n) override;
    // A write failed with this errno; the file cannot be confirmed.
    void Fallo(int error);

private:
    FalloArchivo CrearTemporal();
    FalloArchivo CopiarPermisos();
    FalloArchivo DarNombre(); // the last step: the temporary becomes the file
    void BorrarRestos() const;

    QString ruta_;
    Modo modo_;
    QByteArray destino_;     // native path of the file written (links followed when replacing)
    QByteArray directorio_;  // its folder
    QByteArray temporal_;    // native name of the temporary file; empty while it has none
    bool sinNombre_ = false; // O_TMPFILE: the temporary has no name until it is linked
    int fd_ = -1;
    int error_ = 0;
};

// The reference data are read-only to the program: a save whose target (by
// its name or the file a link leads to) is a reference data file, or lies in
// a folder given here or below it, is refused with DatosDeReferencia before
// anything is written. Folders are added for the whole run.
void ProtegerCarpeta(const QString& carpeta);

// The temporaries a save leaves beside `destino` (a native path) start with
// this: ".~tarvia-" and a hash of the file's name, so that they stay short
// however long the name, and the next save of the same file can find those of
// a save that was killed.
QByteArray PrefijoTemporal(const QByteArray& destino);

// The system calls of a save whose failure is hard to provoke for real. Tests
// replace them to make them fail; the program never changes them.
struct LlamadasGrabacion {
    int (*sincronizar)(int fd);
    int (*sincronizarCarpeta)(int fd);
    int (*permisos)(int fd, mode_t modo);
    int (*dueno)(int fd, uid_t usuario, gid_t grupo);
};
LlamadasGrabacion& Llamadas();

} // namespace tarvia

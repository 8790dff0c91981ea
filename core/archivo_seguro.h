#pragma once
// Replacing a file so that a failure never damages it: the bytes go to a
// temporary file beside it, which takes the file's name only once every byte
// has been written, flushed to the disk and closed without an error. Until
// then, and after any failure, the old file stays byte for byte and the
// temporary file is removed. Every write reaches the system at once, so a
// full disk or a quota is seen on the write that meets it.
#include "core/rutas.h"

#include <QIODevice>

namespace tarvia {

class ArchivoSeguro : public QIODevice {
public:
    explicit ArchivoSeguro(const QString& ruta);
    ~ArchivoSeguro() override; // not confirmed: discarded

    // Checks the target (FalloDelDestino) and creates the temporary file.
    FalloArchivo Abrir();
    // Makes the written bytes the file; on failure nothing is replaced.
    FalloArchivo Confirmar();
    void Descartar();

    const QString& ruta() const { return ruta_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* datos, qint64 n) override;
    // A write failed with this errno; the file cannot be confirmed.
    void Fallo(int error);

private:
    QString ruta_;
    QByteArray destino_;  // native path of the file replaced (links followed)
    QByteArray temporal_; // native path of the temporary file
    int fd_ = -1;
    int error_ = 0;
};

} // namespace tarvia

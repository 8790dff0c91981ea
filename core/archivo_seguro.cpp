#include "core/archivo_seguro.h"

#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvia {

namespace {

// A link is replaced through: the file it points to gets the new bytes.
QByteArray Resuelto(const QByteArray& nativa)
{
    char real[PATH_MAX];
    return ::realpath(nativa.constData(), real) ? QByteArray(real) : nativa;
}

QByteArray Directorio(const QByteArray& nativa)
{
    const qsizetype barra = nativa.lastIndexOf('/');
    return barra < 0 ? QByteArrayLiteral(".") : barra == 0 ? QByteArrayLiteral("/") : nativa.left(barra);
}

// Once renamed, the directory entry itself must reach the disk.
void SincronizarDirectorio(const QByteArray& directorio)
{
    const int fd = ::open(directorio.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

ArchivoSeguro::ArchivoSeguro(const QString& ruta) : ruta_(ruta) {}

ArchivoSeguro::~ArchivoSeguro() { Descartar(); }

FalloArchivo ArchivoSeguro::Abrir()
{
    if (const FalloArchivo f = FalloDelDestino(ruta_); f != FalloArchivo::Ninguno)
        return f;
    destino_ = Resuelto(RutaNativa(ruta_));
    const qsizetype barra = destino_.lastIndexOf('/');
    const QByteArray base = Directorio(destino_) + "/." + destino_.mid(barra + 1) + '.';
    for (int intento = 0; intento < 100 && fd_ < 0; ++intento) {
        temporal_ = base + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        fd_ = ::open(temporal_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST)
            break;
    }
    if (fd_ < 0) {
        const int error = errno;
        temporal_.clear();
        const FalloArchivo f = FalloDeErrno(error, ruta_);
        return f == FalloArchivo::NoEncontrado ? FalloArchivo::MalEstado : f;
    }
    // The replaced file keeps who may read it.
    struct stat st {};
    if (::stat(destino_.constData(), &st) == 0)
        ::fchmod(fd_, st.st_mode & 07777);
    error_ = 0;
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return FalloArchivo::Ninguno;
}

qint64 ArchivoSeguro::writeData(const char* datos, qint64 n)
{
    if (fd_ < 0 || error_ != 0)
        return -1;
    qint64 escritos = 0;
    while (escritos < n) {
        const ssize_t r = ::write(fd_, datos + escritos, static_cast<size_t>(n - escritos));
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0) {
            Fallo(r < 0 ? errno : ENOSPC);
            return -1;
        }
        escritos += r;
    }
    return escritos;
}

void ArchivoSeguro::Fallo(int error)
{
    error_ = error;
    setErrorString(QString::fromLocal8Bit(std::strerror(error)));
}

FalloArchivo ArchivoSeguro::Confirmar()
{
    if (fd_ < 0)
        return FalloArchivo::MalEstado;
    bool bien = error_ == 0 && ::fsync(fd_) == 0;
    bien = ::close(fd_) == 0 && bien; // a network or quota error may only show here
    fd_ = -1;
    if (bien && ::rename(temporal_.constData(), destino_.constData()) == 0) {
        temporal_.clear();
        QIODevice::close();
        SincronizarDirectorio(Directorio(destino_));
        return FalloArchivo::Ninguno;
    }
    const int error = error_ != 0 ? error_ : errno;
    Descartar();
    // Out of room, over quota, an I/O error: none has a message of its own.
    const FalloArchivo f = FalloDeErrno(error, ruta_);
    return f == FalloArchivo::NoEncontrado ? FalloArchivo::MalEstado : f;
}

void ArchivoSeguro::Descartar()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temporal_.isEmpty())
        ::unlink(temporal_.constData());
    temporal_.clear();
    if (isOpen())
        QIODevice::close();
}

} // namespace tarvia

#include "core/archivo_seguro.h"

#include <QMutex>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

QByteArray Aleatorio() { return QByteArray::number(QRandomGenerator::global()->generate64(), 36); }

// Renames only onto a free name: the kernel's own check where the disk has
// it, else a hard link, which never replaces, and the old name removed.
int RenombrarSinReemplazar(const char* desde, const char* hasta)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, desde, AT_FDCWD, hasta, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
#endif
    if (::link(desde, hasta) != 0)
        return -1;
    ::unlink(desde);
    return 0;
}

// Once renamed, the folder's entry itself must reach the disk. A disk that
// cannot sync folders (EINVAL) has nothing more to confirm.
bool SincronizarCarpeta(const QByteArray& directorio)
{
    const int fd = ::open(directorio.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno == EACCES; // a folder the user may write but not list
    const bool bien = Llamadas().sincronizarCarpeta(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return bien;
}

// An unnamed temporary (O_TMPFILE) leaves nothing behind if the program is
// killed while writing; it is linked through /proc.
bool SinNombrePosible() { return ::access("/proc/self/fd", X_OK) == 0; }

// The protected folders, each by its real path.
struct Protegidas {
    QMutex cerrojo;
    std::vector<QByteArray> carpetas;
};
Protegidas& CarpetasProtegidas()
{
    static Protegidas p;
    return p;
}

// Whether the folder `directorio` (native) is a protected one or lies below one.
bool EnCarpetaProtegida(const QByteArray& directorio)
{
    char real[PATH_MAX];
    if (!::realpath(directorio.constData(), real))
        return false; // no such folder: nothing can be written there anyway
    const QByteArray carpeta(real);
    Protegidas& p = CarpetasProtegidas();
    const QMutexLocker bloqueo(&p.cerrojo);
    for (const QByteArray& protegida : p.carpetas)
        if (carpeta == protegida || carpeta.startsWith(protegida + '/') || protegida == "/")
            return true;
    return false;
}

} // namespace

void ProtegerCarpeta(const QString& carpeta)
{
    char real[PATH_MAX];
    if (!::realpath(RutaNativa(carpeta).constData(), real))
        return; // not there: there is nothing in it to protect
    Protegidas& p = CarpetasProtegidas();
    const QMutexLocker bloqueo(&p.cerrojo);
    if (std::find(p.carpetas.begin(), p.carpetas.end(), QByteArray(real)) == p.carpetas.end())
        p.carpetas.emplace_back(real);
}

LlamadasGrabacion& Llamadas()
{
    static LlamadasGrabacion llamadas{::fsync, ::fsync, ::fchmod, ::fchown};
    return llamadas;
}

QByteArray PrefijoTemporal(const QByteArray& destino)
{
    // FNV-1a of the file's name: the same name, the same prefix, in every run.
    quint64 huella = 14695981039346656037ULL;
    for (const char c : destino.mid(destino.lastIndexOf('/') + 1)) {
        huella ^= static_cast<unsigned char>(c);
        huella *= 1099511628211ULL;
    }
    return ".~tarvia-" + QByteArray::number(huella, 16).rightJustified(16, '0') + '-';
}

ArchivoSeguro::ArchivoSeguro(const QString& ruta, Modo modo) : ruta_(ruta), modo_(modo) {}

ArchivoSeguro::~ArchivoSeguro() { Descartar(); }

FalloArchivo ArchivoSeguro::Abrir()
{
    if (EsDatoDeReferencia(ruta_))
        return FalloArchivo::DatosDeReferencia;
    const QByteArray nativa = RutaNativa(ruta_);
    struct stat st {};
    // Any entry holds the name, a hidden file or a link to nowhere too.
    if (modo_ == Modo::Nuevo && !NombreNoValido(ruta_) && ::lstat(nativa.constData(), &st) == 0)
        return FalloArchivo::YaExiste;
    if (const FalloArchivo f = FalloDelDestino(ruta_); f != FalloArchivo::Ninguno)
        return f;
    destino_ = modo_ == Modo::Reemplazar ? Resuelto(nativa) : nativa;
    directorio_ = Directorio(destino_);
    // A link named like a calculation would otherwise write its reference file.
    if (EsDatoDeReferencia(RutaDesdeNativa(destino_)) || EnCarpetaProtegida(directorio_))
        return FalloArchivo::DatosDeReferencia;
    if (const FalloArchivo f = CrearTemporal(); f != FalloArchivo::Ninguno)
        return f;
    // Held until the file is in place: a live save's temporary is never
    // taken for the remains of a killed one.
    ::flock(fd_, LOCK_EX);
    if (const FalloArchivo f = CopiarPermisos(); f != FalloArchivo::Ninguno) {
        Descartar();
        return f;
    }
    error_ = 0;
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return FalloArchivo::Ninguno;
}

FalloArchivo ArchivoSeguro::CrearTemporal()
{
#ifdef O_TMPFILE
    if (SinNombrePosible()) {
        fd_ = ::open(directorio_.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            sinNombre_ = true;
            return FalloArchivo::Ninguno;
        }
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return FalloDeEscritura(errno, ruta_);
    }
#endif
    const QByteArray base = directorio_ + '/' + PrefijoTemporal(destino_);
    for (int intento = 0; intento < 100 && fd_ < 0; ++intento) {
        temporal_ = base + Aleatorio() + ".tmp";
        fd_ = ::open(temporal_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST)
            break;
    }
    if (fd_ >= 0)
        return FalloArchivo::Ninguno;
    const int error = errno;
    temporal_.clear();
    return FalloDeEscritura(error, ruta_);
}

// The replaced file keeps who owns it and who may read it; if that cannot be
// kept, nothing is replaced.
FalloArchivo ArchivoSeguro::CopiarPermisos()
{
    struct stat viejo {};
    struct stat nuevo {};
    if (modo_ == Modo::Nuevo || ::stat(destino_.constData(), &viejo) != 0 || ::fstat(fd_, &nuevo) != 0)
        return FalloArchivo::Ninguno;
    if ((viejo.st_uid != nuevo.st_uid || viejo.st_gid != nuevo.st_gid) &&
        Llamadas().dueno(fd_, viejo.st_uid, viejo.st_gid) != 0)
        return FalloDeEscritura(errno, ruta_);
    // After the owner: changing it may clear the set-id bits.
    if (Llamadas().permisos(fd_, viejo.st_mode & 07777) != 0)
        return FalloDeEscritura(errno, ruta_);
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

FalloArchivo ArchivoSeguro::DarNombre()
{
    if (sinNombre_) {
        const QByteArray enlace = "/proc/self/fd/" + QByteArray::number(fd_);
        const auto enlazar = [&](const QByteArray& nombre) {
            return ::linkat(AT_FDCWD, enlace.constData(), AT_FDCWD, nombre.constData(), AT_SYMLINK_FOLLOW);
        };
        if (modo_ == Modo::Nuevo) // a link never replaces: the name is taken whole or not at all
            return enlazar(destino_) == 0 ? FalloArchivo::Ninguno : FalloDeEscritura(errno, ruta_);
        // Replacing in one step is rename's: the temporary needs a name first.
        for (int intento = 0; intento < 100 && temporal_.isEmpty(); ++intento) {
            const QByteArray nombre = directorio_ + '/' + PrefijoTemporal(destino_) + Aleatorio() + ".tmp";
            if (enlazar(nombre) == 0)
                temporal_ = nombre;
            else if (errno != EEXIST)
                return FalloDeEscritura(errno, ruta_);
        }
        if (temporal_.isEmpty())
            return FalloArchivo::ErrorES;
        sinNombre_ = false;
    }
    const int r = modo_ == Modo::Nuevo ? RenombrarSinReemplazar(temporal_.constData(), destino_.constData())
                                       : ::rename(temporal_.constData(), destino_.constData());
    if (r != 0)
        return FalloDeEscritura(errno, ruta_);
    temporal_.clear();
    return FalloArchivo::Ninguno;
}

FalloArchivo ArchivoSeguro::Confirmar()
{
    if (fd_ < 0)
        return FalloArchivo::MalEstado;
    int error = error_;
    if (error == 0 && Llamadas().sincronizar(fd_) != 0)
        error = errno;
    if (error != 0) {
        Descartar();
        return FalloDeEscritura(error, ruta_);
    }
    if (const FalloArchivo f = DarNombre(); f != FalloArchivo::Ninguno) {
        Descartar();
        return f;
    }
    // The file is in place. A network disk may still report an error on
    // closing, and the folder's entry must reach the disk: if either fails,
    // the save is not confirmed (the calculation keeps its changes).
    const bool cerrado = ::close(fd_) == 0;
    fd_ = -1;
    QIODevice::close();
    BorrarRestos();
    const bool carpeta = SincronizarCarpeta(directorio_);
    return cerrado && carpeta ? FalloArchivo::Ninguno : FalloArchivo::SinConfirmar;
}

// Temporaries of this file left by a save that was killed: nobody holds
// their lock any more.
void ArchivoSeguro::BorrarRestos() const
{
    const QByteArray prefijo = PrefijoTemporal(destino_);
    DIR* d = ::opendir(directorio_.constData());
    if (!d)
        return;
    while (const dirent* e = ::readdir(d)) {
        const QByteArray nombre(e->d_name);
        if (!nombre.startsWith(prefijo) || !nombre.endsWith(".tmp"))
            continue;
        const QByteArray ruta = directorio_ + '/' + nombre;
        const int fd = ::open(ruta.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(ruta.constData());
        ::close(fd);
    }
    ::closedir(d);
}

FalloArchivo ArchivoSeguro::Abandonar()
{
    const int error = error_;
    Descartar();
    return error != 0 ? FalloDeEscritura(error, ruta_) : FalloArchivo::ErrorES;
}

void ArchivoSeguro::Descartar()
{
    // Removed while still open: the lock keeps it ours until it is gone.
    if (!temporal_.isEmpty())
        ::unlink(temporal_.constData());
    temporal_.clear();
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    sinNombre_ = false;
    if (isOpen())
        QIODevice::close();
}

} // namespace tarvia

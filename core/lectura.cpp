#include "core/lectura.h"

#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvia {

namespace {

FalloLectura DeFalloArchivo(FalloArchivo fallo)
{
    switch (fallo) {
    case FalloArchivo::Ninguno: return FalloLectura::Ninguno;
    case FalloArchivo::NoEncontrado: return FalloLectura::NoEncontrado;
    case FalloArchivo::DirectorioNoExiste: return FalloLectura::DirectorioNoExiste;
    case FalloArchivo::NombreNoValido: return FalloLectura::NombreNoValido;
    case FalloArchivo::AccesoDenegado: return FalloLectura::AccesoDenegado;
    default: break; // the others are the disk's refusals of a write
    }
    return FalloLectura::ErrorDeLectura;
}

FalloLectura PorTipo(const struct stat& st, qint64 tope)
{
    if (S_ISDIR(st.st_mode))
        return FalloLectura::Carpeta;
    if (!S_ISREG(st.st_mode))
        return FalloLectura::NoEsFichero;
    if (st.st_size > tope)
        return FalloLectura::DemasiadoGrande;
    return FalloLectura::Ninguno;
}

QString Mayuscula(QString texto)
{
    if (!texto.isEmpty())
        texto[0] = texto[0].toUpper();
    return texto;
}

} // namespace

FalloLectura ComprobarFichero(const QString& ruta, qint64 tope)
{
    if (NombreNoValido(ruta))
        return FalloLectura::NombreNoValido;
    struct stat st {};
    if (::stat(RutaNativa(ruta).constData(), &st) != 0)
        return DeFalloArchivo(FalloDeErrno(errno, ruta));
    return PorTipo(st, tope);
}

Lectura LeerFicheroAcotado(const QString& ruta, qint64 tope, Exceso exceso)
{
    // Over the limit is no failure when only the beginning is wanted.
    const auto admitir = [exceso](FalloLectura f) {
        return f == FalloLectura::DemasiadoGrande && exceso == Exceso::Principio ? FalloLectura::Ninguno : f;
    };
    Lectura l;
    // Judged by name before opening: opening a device may itself do something.
    l.fallo = admitir(ComprobarFichero(ruta, tope));
    if (l.fallo != FalloLectura::Ninguno)
        return l;
    // Non-blocking in case the name became a pipe in between.
    const int fd = ::open(RutaNativa(ruta).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        l.fallo = DeFalloArchivo(FalloDeErrno(errno, ruta));
        return l;
    }
    struct stat st {};
    l.fallo = ::fstat(fd, &st) != 0 ? FalloLectura::ErrorDeLectura : admitir(PorTipo(st, tope));

    // The size the file says, and one byte more to see its end; a file that
    // grows while it is read, or says no size (/proc), stops past the limit.
    const qint64 maximo = tope + 1;
    qint64 leidos = 0;
    if (l.fallo == FalloLectura::Ninguno)
        l.bytes.resize(std::min(maximo, std::max<qint64>(st.st_size + 1, 4096)));
    while (l.fallo == FalloLectura::Ninguno && leidos < maximo) {
        if (leidos == l.bytes.size())
            l.bytes.resize(std::min(maximo, l.bytes.size() * 2));
        const ssize_t n = ::read(fd, l.bytes.data() + leidos, static_cast<size_t>(l.bytes.size() - leidos));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            l.fallo = errno == EISDIR ? FalloLectura::Carpeta : FalloLectura::ErrorDeLectura;
        else if (n == 0)
            break;
        else
            leidos += n;
    }
    ::close(fd);
    if (l.fallo == FalloLectura::Ninguno && leidos > tope && exceso == Exceso::Rechazar)
        l.fallo = FalloLectura::DemasiadoGrande;
    if (l.fallo != FalloLectura::Ninguno)
        l.bytes.clear();
    else
        l.bytes.truncate(leidos);
    return l;
}

FalloArchivo ComoFalloArchivo(FalloLectura fallo)
{
    switch (fallo) {
    case FalloLectura::Ninguno: return FalloArchivo::Ninguno;
    case FalloLectura::NoEncontrado: return FalloArchivo::NoEncontrado;
    case FalloLectura::DirectorioNoExiste: return FalloArchivo::DirectorioNoExiste;
    case FalloLectura::NombreNoValido: return FalloArchivo::NombreNoValido;
    case FalloLectura::AccesoDenegado:
    case FalloLectura::Carpeta: return FalloArchivo::AccesoDenegado;
    case FalloLectura::NoEsFichero:
    case FalloLectura::DemasiadoGrande:
    case FalloLectura::ErrorDeLectura: break;
    }
    return FalloArchivo::MalEstado;
}

QString MensajeLectura(FalloLectura fallo, const QString& sujeto, qint64 tope)
{
    switch (fallo) {
    case FalloLectura::Ninguno: return {};
    case FalloLectura::NoEncontrado:
    case FalloLectura::DirectorioNoExiste: return QStringLiteral("No se encuentra %1.").arg(sujeto);
    case FalloLectura::NombreNoValido: return Mayuscula(QStringLiteral("%1 no tiene un nombre válido.").arg(sujeto));
    case FalloLectura::AccesoDenegado: return QStringLiteral("No tiene permiso para leer %1.").arg(sujeto);
    case FalloLectura::Carpeta: return Mayuscula(QStringLiteral("%1 es una carpeta, no un fichero.").arg(sujeto));
    case FalloLectura::NoEsFichero: return Mayuscula(QStringLiteral("%1 no es un fichero normal.").arg(sujeto));
    case FalloLectura::DemasiadoGrande: {
        const qint64 mb = 1024 * 1024;
        const QString limite = tope >= mb && tope % mb == 0 ? QStringLiteral("%1 MB").arg(tope / mb)
                                                            : QStringLiteral("%1 KB").arg(tope / 1024);
        return Mayuscula(QStringLiteral("%1 es demasiado grande (más de %2).").arg(sujeto, limite));
    }
    case FalloLectura::ErrorDeLectura: break;
    }
    return QStringLiteral("No se ha podido leer %1.").arg(sujeto);
}

std::vector<LineaDeDatos> LineasDeDatos(const QByteArray& bytes)
{
    static const QRegularExpression espacios(QStringLiteral("\\s+"));
    std::vector<LineaDeDatos> r;
    int numero = 0;
    for (const QByteArray& bruta : bytes.split('\n')) {
        ++numero;
        const QString linea = QString::fromUtf8(bruta).section(u'#', 0, 0).trimmed();
        if (!linea.isEmpty())
            r.push_back({numero, linea.split(espacios)});
    }
    return r;
}

} // namespace tarvia

#include "core/rutas.h"

#include "core/archivo_bytes.h"

#include <QCollator>
#include <QDir>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvia {

namespace {

constexpr char16_t kEscape = 0xDC00; // U+DC80..U+DCFF carry the bytes 0x80..0xFF

// The directory part of a native path ("." for a bare name).
QByteArray DirectorioDe(const QByteArray& nativa)
{
    const qsizetype barra = nativa.lastIndexOf('/');
    if (barra < 0)
        return QByteArrayLiteral(".");
    return barra == 0 ? QByteArrayLiteral("/") : nativa.left(barra);
}

bool ExisteDirectorio(const QByteArray& nativa)
{
    struct stat st {};
    return ::stat(nativa.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Names in a directory, kept by `elegir(ruta completa)`.
template <typename Elegir>
QStringList Listar(const QString& directorio, Elegir elegir)
{
    QStringList nombres;
    const QByteArray dir = RutaNativa(directorio);
    DIR* d = ::opendir(dir.constData());
    if (!d)
        return nombres;
    while (const dirent* e = ::readdir(d)) {
        const QByteArray nombre(e->d_name);
        if (nombre.startsWith('.'))
            continue; // hidden, as file dialogs leave them out

        struct stat st {};
        if (::stat((dir + '/' + nombre).constData(), &st) == 0 && elegir(st, nombre))
            nombres.push_back(RutaDesdeNativa(nombre));
    }
    ::closedir(d);
    QCollator orden;
    orden.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(nombres.begin(), nombres.end(), orden);
    return nombres;
}

} // namespace

QByteArray RutaNativa(const QString& ruta)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(ruta.size()));
    for (qsizetype i = 0; i < ruta.size(); ++i) {
        const char16_t c = ruta[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < ruta.size() && ruta[i + 1].isLowSurrogate()) {
            archivo::AnadirUtf8(bytes, QChar::surrogateToUcs4(c, ruta[++i].unicode()));
        } else if (c >= kEscape + 0x80 && c <= kEscape + 0xFF) {
            bytes.push_back(static_cast<char>(c - kEscape));
        } else {
            archivo::AnadirUtf8(bytes, c);
        }
    }
    return QByteArray::fromStdString(bytes);
}

QString RutaDesdeNativa(const QByteArray& bytes)
{
    const std::string_view s(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (archivo::EsUtf8Valido(s))
        return QString::fromUtf8(bytes);
    QString ruta;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t desde = i;
        if (const auto cp = archivo::SiguienteUtf8(s, i))
            ruta += QString::fromUcs4(&*cp, 1);
        else
            ruta += QChar(static_cast<char16_t>(kEscape + static_cast<unsigned char>(s[desde])));
    }
    return ruta;
}

QString RutaAbsoluta(const QString& ruta)
{
    if (ruta.startsWith(u'/'))
        return QDir::cleanPath(ruta);
    char actual[PATH_MAX];
    const QString base = ::getcwd(actual, sizeof actual) ? RutaDesdeNativa(QByteArray(actual)) : QDir::currentPath();
    return QDir::cleanPath(base + u'/' + ruta);
}

QString PrimerNombreDeLaLinea(int argc, char* argv[])
{
    bool soloNombres = false; // after "--" every argument is a name
    for (int k = 1; k < argc; ++k) {
        const QByteArray a(argv[k]);
        if (!soloNombres && a == "--")
            soloNombres = true;
        else if (soloNombres || !a.startsWith('-'))
            return RutaDesdeNativa(a);
    }
    return {};
}

FalloArchivo FalloDeErrno(int error, const QString& ruta)
{
    switch (error) {
    case ENOENT:
        return ExisteDirectorio(DirectorioDe(RutaNativa(ruta))) ? FalloArchivo::NoEncontrado
                                                                : FalloArchivo::DirectorioNoExiste;
    case ENOTDIR: return FalloArchivo::DirectorioNoExiste;
    case ENAMETOOLONG:
    case EILSEQ: return FalloArchivo::NombreNoValido;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY:
    case ELOOP: // a link that leads back to itself: the path cannot be reached
        return FalloArchivo::AccesoDenegado;
    default: return FalloArchivo::MalEstado;
    }
}

FalloArchivo FalloDeEscritura(int error, const QString& ruta)
{
    switch (error) {
    case ENOSPC: return FalloArchivo::SinEspacio;
    case EDQUOT: return FalloArchivo::CuotaExcedida;
    case EROFS: return FalloArchivo::SoloLectura;
    case EEXIST: return FalloArchivo::YaExiste;
    default: break;
    }
    const FalloArchivo f = FalloDeErrno(error, ruta);
    // The folder was there a moment ago: whatever else, the disk refused.
    return f == FalloArchivo::MalEstado || f == FalloArchivo::NoEncontrado ? FalloArchivo::ErrorES : f;
}

bool EsDatoDeReferencia(const QString& ruta) { return ruta.endsWith(QStringLiteral(".brm"), Qt::CaseInsensitive); }

bool NombreNoValido(const QString& ruta)
{
    if (ruta.isEmpty() || ruta.contains(QChar(u'\0')))
        return true;
    const QByteArray nativa = RutaNativa(ruta);
    if (nativa.size() >= PATH_MAX)
        return true;
    for (const QByteArray& parte : nativa.split('/'))
        if (parte.size() > NAME_MAX)
            return true;
    return false;
}

FalloArchivo FalloDelDestino(const QString& ruta)
{
    if (NombreNoValido(ruta))
        return FalloArchivo::NombreNoValido;
    const QByteArray nativa = RutaNativa(ruta);
    struct stat st {};
    if (::stat(nativa.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return FalloArchivo::NombreNoValido;
        if (::access(nativa.constData(), W_OK) != 0)
            return FalloDeEscritura(errno, ruta);
    } else if (errno != ENOENT) {
        return FalloDeErrno(errno, ruta);
    }
    const QByteArray directorio = DirectorioDe(nativa);
    if (::stat(directorio.constData(), &st) != 0)
        return FalloDeErrno(errno == ENOENT ? ENOTDIR : errno, ruta);
    if (!S_ISDIR(st.st_mode))
        return FalloArchivo::DirectorioNoExiste;
    if (::access(directorio.constData(), W_OK | X_OK) != 0)
        return FalloDeEscritura(errno, ruta);
    return FalloArchivo::Ninguno;
}

QStringList ArchivosDe(const QString& directorio, const QString& extension)
{
    const QString cola = u'.' + extension;
    return Listar(directorio, [&](const struct stat& st, const QByteArray& nombre) {
        return S_ISREG(st.st_mode) && RutaDesdeNativa(nombre).endsWith(cola, Qt::CaseInsensitive);
    });
}

QStringList SubdirectoriosDe(const QString& directorio)
{
    return Listar(directorio, [](const struct stat& st, const QByteArray&) { return S_ISDIR(st.st_mode); });
}

bool NombreOcupado(const QString& directorio, const QString& nombre)
{
    const QString buscado = nombre.normalized(QString::NormalizationForm_C);
    DIR* d = ::opendir(RutaNativa(directorio).constData());
    if (!d)
        return false;
    bool ocupado = false;
    for (const dirent* e = ::readdir(d); e && !ocupado; e = ::readdir(d))
        ocupado = RutaDesdeNativa(QByteArray(e->d_name))
                      .normalized(QString::NormalizationForm_C)
                      .compare(buscado, Qt::CaseInsensitive) == 0;
    ::closedir(d);
    return ocupado;
}

} // namespace tarvia

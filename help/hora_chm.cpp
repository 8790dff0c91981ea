#include "hora_chm.h"

#include <optional>

namespace tarvia {

namespace {

// The layout chmcmd writes (version 3 of the file header).
constexpr qsizetype kLargoCabecera = 0x60;
constexpr qsizetype kHoraCabecera = 0x10;
constexpr qsizetype kDirectorioCabecera = 0x48;
constexpr qsizetype kContenidoCabecera = 0x58;
constexpr std::uint16_t kEntradaHora = 10;

class Lector {
public:
    explicit Lector(const QByteArray& b) : b_(b) {}

    bool Cabe(std::uint64_t pos, std::uint64_t largo) const
    {
        const auto total = static_cast<std::uint64_t>(b_.size());
        return pos <= total && largo <= total - pos;
    }
    std::optional<std::uint64_t> Le(std::uint64_t pos, int bytes) const
    {
        if (!Cabe(pos, static_cast<std::uint64_t>(bytes)))
            return std::nullopt;
        std::uint64_t v = 0;
        for (int i = bytes - 1; i >= 0; --i)
            v = (v << 8) | static_cast<unsigned char>(b_[static_cast<qsizetype>(pos) + i]);
        return v;
    }
    // The directory's variable-length numbers: seven bits a byte, most
    // significant first, the high bit set on every byte but the last.
    std::optional<std::uint64_t> Variable(std::uint64_t& pos, std::uint64_t fin) const
    {
        std::uint64_t v = 0;
        for (int n = 0; n < 9 && pos < fin; ++n) {
            const auto c = static_cast<unsigned char>(b_[static_cast<qsizetype>(pos++)]);
            v = (v << 7) | (c & 0x7f);
            if (!(c & 0x80))
                return v;
        }
        return std::nullopt;
    }
    QByteArray Trozo(std::uint64_t pos, std::uint64_t largo) const
    {
        return b_.mid(static_cast<qsizetype>(pos), static_cast<qsizetype>(largo));
    }

private:
    const QByteArray& b_;
};

struct Objeto {
    std::uint64_t seccion, inicio, largo;
};

// Looks a name up in the listing chunks of the directory.
std::optional<Objeto> Buscar(const Lector& l, std::uint64_t directorio, const QByteArray& nombre)
{
    if (!l.Cabe(directorio, 0x54) || l.Trozo(directorio, 4) != "ITSP")
        return std::nullopt;
    const auto largoCabecera = l.Le(directorio + 0x08, 4);
    const auto largoTrozo = l.Le(directorio + 0x10, 4);
    const auto trozos = l.Le(directorio + 0x2c, 4);
    if (!largoCabecera || !largoTrozo || !trozos || *largoTrozo < 0x14)
        return std::nullopt;
    for (std::uint64_t t = 0; t < *trozos; ++t) {
        const std::uint64_t base = directorio + *largoCabecera + t * *largoTrozo;
        if (!l.Cabe(base, *largoTrozo))
            return std::nullopt;
        if (l.Trozo(base, 4) != "PMGL")
            continue; // an index chunk: the listing chunks hold every name
        const auto libre = l.Le(base + 4, 4);
        if (!libre || *libre > *largoTrozo - 0x14)
            return std::nullopt;
        const std::uint64_t fin = base + *largoTrozo - *libre;
        std::uint64_t pos = base + 0x14;
        while (pos < fin) {
            const auto largoNombre = l.Variable(pos, fin);
            if (!largoNombre || *largoNombre > fin - pos)
                return std::nullopt;
            const QByteArray este = l.Trozo(pos, *largoNombre);
            pos += *largoNombre;
            const auto seccion = l.Variable(pos, fin);
            const auto inicio = l.Variable(pos, fin);
            const auto largo = l.Variable(pos, fin);
            if (!seccion || !inicio || !largo)
                return std::nullopt;
            if (este == nombre)
                return Objeto{*seccion, *inicio, *largo};
        }
    }
    return std::nullopt;
}

void Escribir(QByteArray& b, std::uint64_t pos, std::uint32_t v, bool grandeAlPrincipio)
{
    for (int i = 0; i < 4; ++i) {
        const int desplazamiento = grandeAlPrincipio ? 8 * (3 - i) : 8 * i;
        b[static_cast<qsizetype>(pos) + i] = static_cast<char>((v >> desplazamiento) & 0xff);
    }
}

} // namespace

QString FijarHoraChm(QByteArray& chm, std::int64_t segundos)
{
    const Lector l(chm);
    if (!l.Cabe(0, kLargoCabecera) || l.Trozo(0, 4) != "ITSF")
        return QStringLiteral("no es un fichero de ayuda compilada (no empieza por ITSF)");
    if (l.Le(4, 4) != 3u)
        return QStringLiteral("cabecera de una versión que no se conoce (se espera la 3)");
    const auto directorio = l.Le(kDirectorioCabecera, 8);
    const auto contenido = l.Le(kContenidoCabecera, 8);
    const auto sistema = Buscar(l, directorio.value_or(0), QByteArrayLiteral("/#SYSTEM"));
    if (!sistema)
        return QStringLiteral("el directorio no se puede leer o no tiene /#SYSTEM");
    if (sistema->seccion != 0 || !contenido || *contenido > UINT64_MAX - sistema->inicio ||
        !l.Cabe(*contenido + sistema->inicio, sistema->largo))
        return QStringLiteral("/#SYSTEM no está sin comprimir dentro del fichero");

    // /#SYSTEM: a version, then entries of code, length and data.
    const std::uint64_t fin = *contenido + sistema->inicio + sistema->largo;
    std::optional<std::uint64_t> hora;
    for (std::uint64_t pos = *contenido + sistema->inicio + 4; pos + 4 <= fin;) {
        const auto codigo = l.Le(pos, 2);
        const auto largo = l.Le(pos + 2, 2);
        pos += 4;
        if (*largo > fin - pos)
            return QStringLiteral("una entrada de /#SYSTEM se sale de él");
        if (*codigo == kEntradaHora && *largo == 4)
            hora = pos;
        pos += *largo;
    }
    if (!hora)
        return QStringLiteral("/#SYSTEM no lleva la hora de compilación");

    const std::int64_t dia = 86400;
    const auto ms = static_cast<std::uint32_t>(((segundos % dia + dia) % dia) * 1000);
    Escribir(chm, kHoraCabecera, ms, true);
    Escribir(chm, *hora, ms, false);
    return {};
}

} // namespace tarvia

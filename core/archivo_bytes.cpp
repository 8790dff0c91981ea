#include "core/archivo_bytes.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace tarvia::archivo {

namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes Windows leaves undefined map
// to the control characters of the same number, as Windows itself does.
constexpr std::array<char32_t, 32> kCp1252Altos = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                   0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool EsBlanco(char c) { return c == ' ' || c == '\t'; }

std::string_view SinBlancosDelante(std::string_view s)
{
    while (!s.empty() && EsBlanco(s.front()))
        s.remove_prefix(1);
    return s;
}

std::string_view SinBlancosDetras(std::string_view s)
{
    while (!s.empty() && EsBlanco(s.back()))
        s.remove_suffix(1);
    return s;
}

bool IgualSinMayusculas(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (x != b[i])
            return false;
    }
    return true;
}

std::optional<char> ACp1252(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (std::size_t b = 0; b < kCp1252Altos.size(); ++b)
        if (kCp1252Altos[b] == cp)
            return static_cast<char>(0x80 + b);
    return std::nullopt;
}

// Digits only, at most `maxDigitos`, the whole text.
std::optional<int> LeerEntero(std::string_view s, std::size_t maxDigitos)
{
    if (s.empty() || s.size() > maxDigitos)
        return std::nullopt;
    int n = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

int DiasDelMes(int anio, int mes)
{
    constexpr std::array<int, 12> dias = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bisiesto = (anio % 4 == 0 && anio % 100 != 0) || anio % 400 == 0;
    return mes == 2 && bisiesto ? 29 : dias[static_cast<std::size_t>(mes - 1)];
}

// The first n lines of the file, without their line ends; nullopt when the
// file ends before, or when they do not fit in kBytesMaximos.
std::optional<std::vector<std::string_view>> PartirLineas(std::string_view bytes, int n)
{
    // Bytes past the limit mean the last line may go on beyond what was read.
    const bool leidoEntero = bytes.size() <= kBytesMaximos;
    std::string_view resto = bytes.substr(0, kBytesMaximos);
    if (resto.starts_with(kBom))
        resto.remove_prefix(kBom.size());

    std::vector<std::string_view> lineas;
    lineas.reserve(static_cast<std::size_t>(n));
    while (static_cast<int>(lineas.size()) < n) {
        if (resto.empty())
            return std::nullopt;
        std::string_view linea;
        const std::size_t fin = resto.find('\n');
        if (fin == std::string_view::npos) {
            if (!leidoEntero)
                return std::nullopt;
            linea = resto;
            resto = {};
        } else {
            linea = resto.substr(0, fin);
            resto.remove_prefix(fin + 1);
        }
        if (linea.ends_with('\r'))
            linea.remove_suffix(1);
        lineas.push_back(linea);
    }
    return lineas;
}

} // namespace

// --- UTF-8 -----------------------------------------------------------------

std::optional<char32_t> SiguienteUtf8(std::string_view s, std::size_t& i)
{
    const auto b0 = static_cast<unsigned char>(s[i++]);
    if (b0 < 0x80)
        return b0;
    int resto = 0;
    char32_t cp = 0;
    char32_t minimo = 0;
    if ((b0 & 0xE0) == 0xC0) {
        resto = 1, cp = b0 & 0x1F, minimo = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        resto = 2, cp = b0 & 0x0F, minimo = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        resto = 3, cp = b0 & 0x07, minimo = 0x10000;
    } else {
        return std::nullopt;
    }
    if (s.size() - i < static_cast<std::size_t>(resto))
        return std::nullopt;
    for (int k = 0; k < resto; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((b & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimo || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    i += static_cast<std::size_t>(resto);
    return cp;
}

void AnadirUtf8(std::string& s, char32_t cp)
{
    auto byte = [&s](char32_t b) { s.push_back(static_cast<char>(b)); };
    if (cp < 0x80) {
        byte(cp);
    } else if (cp < 0x800) {
        byte(0xC0 | (cp >> 6));
        byte(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        byte(0xE0 | (cp >> 12));
        byte(0x80 | ((cp >> 6) & 0x3F));
        byte(0x80 | (cp & 0x3F));
    } else {
        byte(0xF0 | (cp >> 18));
        byte(0x80 | ((cp >> 12) & 0x3F));
        byte(0x80 | ((cp >> 6) & 0x3F));
        byte(0x80 | (cp & 0x3F));
    }
}

// --- Reading ---------------------------------------------------------------

std::optional<double> LeerNumero(std::string_view texto)
{
    // from_chars takes a "-" but not a "+".
    if (texto.starts_with('+')) {
        texto.remove_prefix(1);
        if (texto.starts_with('-'))
            return std::nullopt;
    }
    double x = 0;
    const char* fin = texto.data() + texto.size();
    const auto [ptr, ec] = std::from_chars(texto.data(), fin, x, std::chars_format::general);
    if (ec != std::errc() || ptr != fin || !std::isfinite(x))
        return std::nullopt;
    return x;
}

std::optional<FechaArchivo> LeerFecha(std::string_view texto)
{
    const std::size_t g1 = texto.find('-');
    if (g1 == std::string_view::npos)
        return std::nullopt;
    const std::size_t g2 = texto.find('-', g1 + 1);
    if (g2 == std::string_view::npos)
        return std::nullopt;
    const auto anio = LeerEntero(texto.substr(0, g1), 4);
    const auto mes = LeerEntero(texto.substr(g1 + 1, g2 - g1 - 1), 2);
    const auto dia = LeerEntero(texto.substr(g2 + 1), 2);
    if (!anio || !mes || !dia || *anio < 100 || *mes < 1 || *mes > 12 || *dia < 1 || *dia > DiasDelMes(*anio, *mes))
        return std::nullopt;
    return FechaArchivo{*anio, *mes, *dia};
}

std::optional<ValorArchivo> LeerValor(std::string_view linea)
{
    const std::string_view s = SinBlancosDelante(linea);
    if (s.empty())
        return ValorArchivo{};

    if (s.front() == '"') {
        const std::string_view dentro = s.substr(1);
        return ValorArchivo::Texto(std::string(dentro.substr(0, dentro.find('"'))));
    }

    if (s.front() == '#') {
        const std::size_t cierre = s.find('#', 1);
        if (cierre == std::string_view::npos)
            return std::nullopt;
        const std::string_view dentro = s.substr(1, cierre - 1);
        if (IgualSinMayusculas(dentro, "TRUE"))
            return ValorArchivo::Logico(true);
        if (IgualSinMayusculas(dentro, "FALSE"))
            return ValorArchivo::Logico(false);
        if (auto f = LeerFecha(dentro))
            return ValorArchivo::Fecha(*f);
        return std::nullopt;
    }

    const std::string_view texto = SinBlancosDetras(s.substr(0, s.find(',')));
    if (texto.empty())
        return ValorArchivo{};
    if (auto x = LeerNumero(texto))
        return ValorArchivo::Numero(*x);
    return ValorArchivo::Texto(std::string(texto));
}

std::optional<std::vector<ValorArchivo>> LeerArchivo(std::string_view bytes)
{
    const auto lineas = PartirLineas(bytes, kLineasArchivo);
    if (!lineas)
        return std::nullopt;

    bool utf8 = true;
    for (std::string_view l : *lineas)
        utf8 = utf8 && EsUtf8Valido(l);

    std::vector<ValorArchivo> valores;
    valores.reserve(lineas->size());
    for (std::string_view l : *lineas) {
        auto v = utf8 ? LeerValor(l) : LeerValor(Cp1252AUtf8(l));
        if (!v || v->texto.size() > kLargoMaximoTexto)
            return std::nullopt;
        valores.push_back(std::move(*v));
    }
    for (int n : {kLineaFechaPersonal, kLineaFechaReferencia})
        if (valores[static_cast<std::size_t>(n - 1)].clase != ValorArchivo::Clase::Fecha)
            return std::nullopt;
    return valores;
}

// --- Writing ---------------------------------------------------------------

std::string EscribirNumero(double x)
{
    if (!std::isfinite(x))
        return {}; // cannot be read back as a number: better empty than a text
    std::array<char, 128> buf{};
    const double a = std::fabs(x);
    const bool corriente = a == 0 || (a >= 1e-5 && a < 1e15);
    const auto r = corriente ? std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::fixed)
                             : std::to_chars(buf.data(), buf.data() + buf.size(), x);
    return std::string(buf.data(), r.ptr);
}

std::string EscribirValor(const ValorArchivo& valor)
{
    using Clase = ValorArchivo::Clase;
    switch (valor.clase) {
    case Clase::Vacio: return {};
    case Clase::Numero: return EscribirNumero(valor.numero);
    case Clase::Logico: return valor.logico ? "#TRUE#" : "#FALSE#";
    case Clase::Texto: {
        // The notation has no escape: a quote would end the text and a line
        // break would shift every following line.
        std::string t = valor.texto;
        for (char& c : t) {
            if (c == '"')
                c = '\'';
            else if (c == '\r' || c == '\n')
                c = ' ';
        }
        return '"' + Utf8ACp1252(t) + '"';
    }
    case Clase::Fecha: {
        const FechaArchivo& f = valor.fecha;
        std::array<char, 64> buf{};
        std::snprintf(buf.data(), buf.size(), "%04d-%02d-%02d", f.anio, f.mes, f.dia);
        // A date the reader would refuse is written as the empty date.
        if (!LeerFecha(buf.data()))
            return "#1899-12-30#";
        return '#' + std::string(buf.data()) + '#';
    }
    }
    return {};
}

std::string EscribirArchivo(std::span<const ValorArchivo> valores)
{
    std::string s;
    s.reserve(valores.size() * 12);
    for (const ValorArchivo& v : valores) {
        s += EscribirValor(v);
        s += "\r\n";
    }
    // The reader takes a file that is valid UTF-8 as UTF-8: Windows-1252 text
    // whose bytes happen to form UTF-8 («Ã³» is "ó" in UTF-8) would come back
    // as other text. Such a file is written in UTF-8 itself, which the reader
    // gives back as written.
    const bool noAscii = std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return noAscii && EsUtf8Valido(s) ? Cp1252AUtf8(s) : s;
}

// --- Encodings -------------------------------------------------------------

bool EsUtf8Valido(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();)
        if (!SiguienteUtf8(bytes, i))
            return false;
    return true;
}

std::string Cp1252AUtf8(std::string_view bytes)
{
    std::string s;
    s.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        AnadirUtf8(s, b >= 0x80 && b < 0xA0 ? kCp1252Altos[b - 0x80u] : char32_t{b});
    }
    return s;
}

std::string Utf8ACp1252(std::string_view texto)
{
    std::string s;
    s.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size();) {
        const auto cp = SiguienteUtf8(texto, i);
        const auto c = cp ? ACp1252(*cp) : std::nullopt;
        s.push_back(c.value_or('?'));
    }
    return s;
}

bool EsCaracterGuardable(char32_t cp)
{
    if (cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp < 0xA0) || cp == U'"')
        return false;
    return ACp1252(cp).has_value();
}

std::vector<char32_t> CaracteresNoGuardables(std::u32string_view texto)
{
    std::vector<char32_t> malos;
    for (char32_t cp : texto)
        if (!EsCaracterGuardable(cp) && std::find(malos.begin(), malos.end(), cp) == malos.end())
            malos.push_back(cp);
    return malos;
}

std::optional<std::string> LeidoComoUtf8(std::string_view texto)
{
    std::string bytes = Utf8ACp1252(texto);
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii || !EsUtf8Valido(bytes))
        return std::nullopt;
    return bytes;
}

} // namespace tarvia::archivo

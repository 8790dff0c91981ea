#pragma once
// The calculation file at the byte level: splitting lines, the value
// notation, Windows-1252 and UTF-8. Plain C++ (no Qt) so that the fuzzer can
// build it on its own; core/archivo.cpp turns these values into Valor.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvia::archivo {

// Values per column (input fields) and lines per file: each column is its
// fields followed by its date.
inline constexpr int kCamposPorColumna = 127;
inline constexpr int kLineasArchivo = 2 * (kCamposPorColumna + 1);
inline constexpr int kLineaFechaPersonal = kCamposPorColumna + 1; // one-based
inline constexpr int kLineaFechaReferencia = kLineasArchivo;

// A real file is a few kilobytes. Reading stops here, so a huge or endless
// file costs at most this much; a file whose 256 lines do not fit is refused.
inline constexpr std::size_t kBytesMaximos = std::size_t{1} << 20;

// The longest text value a file may hold. Writing adds at most a few bytes a
// line (quotes, CR, a number's digits), so with texts bounded like this every
// file that is read writes back within kBytesMaximos and reads again.
inline constexpr std::size_t kLargoMaximoTexto = 4000;
static_assert(kLineasArchivo * (kLargoMaximoTexto + 4) <= kBytesMaximos);

// A calendar date as written in the file. 1899-12-30 stands for the empty date.
struct FechaArchivo {
    int anio = 1899;
    int mes = 12;
    int dia = 30;
    bool esVacia() const { return anio == 1899 && mes == 12 && dia == 30; }
    friend bool operator==(const FechaArchivo&, const FechaArchivo&) = default;
};

// One value of one line. Texts are UTF-8 whatever the file's encoding.
struct ValorArchivo {
    enum class Clase : std::uint8_t { Vacio, Numero, Texto, Logico, Fecha };
    Clase clase = Clase::Vacio;
    double numero = 0;
    bool logico = false;
    std::string texto;
    FechaArchivo fecha;

    static ValorArchivo Numero(double x) { return {Clase::Numero, x, false, {}, {}}; }
    static ValorArchivo Texto(std::string t) { return {Clase::Texto, 0, false, std::move(t), {}}; }
    static ValorArchivo Logico(bool b) { return {Clase::Logico, 0, b, {}, {}}; }
    static ValorArchivo Fecha(FechaArchivo f) { return {Clase::Fecha, 0, false, {}, f}; }
    friend bool operator==(const ValorArchivo&, const ValorArchivo&) = default;
};

// --- Reading ---------------------------------------------------------------

// Reads one line's value (UTF-8, without its line end). nullopt when the
// value is between "#" signs but is neither true/false nor a valid date.
std::optional<ValorArchivo> LeerValor(std::string_view linea);

// A number with "." as the decimal point, the whole text: "12", "-0.5",
// ".5", "1e3". nullopt for anything else, and for values a double cannot hold.
std::optional<double> LeerNumero(std::string_view texto);

// A date "yyyy-mm-dd" (month and day may have one digit); nullopt when it is
// not a real calendar date between the years 100 and 9999.
std::optional<FechaArchivo> LeerFecha(std::string_view texto);

// The kLineasArchivo values of a file given as its bytes (or the first
// kBytesMaximos + 1 of them). nullopt when the file is refused: it ends too
// early, a date line is not a date, a value is an invalid "#...#", a text is
// longer than kLargoMaximoTexto, or its lines do not fit in kBytesMaximos. Lines may end with CR LF or LF; the text
// is UTF-8 when the lines read are valid UTF-8, Windows-1252 otherwise.
std::optional<std::vector<ValorArchivo>> LeerArchivo(std::string_view bytes);

// --- Writing ---------------------------------------------------------------

// One value as its line in Windows-1252, without the line end.
std::string EscribirValor(const ValorArchivo& valor);

// Every value on its own line, each ended by CR LF, in Windows-1252; in
// UTF-8 when those bytes would read as UTF-8 text, so that what is written
// always reads back the same.
std::string EscribirArchivo(std::span<const ValorArchivo> valores);

// A number that reads back as the same double: shortest digits, plain
// decimals for ordinary magnitudes, exponent form for very large or small ones.
std::string EscribirNumero(double x);

// --- Encodings -------------------------------------------------------------

bool EsUtf8Valido(std::string_view bytes);
// One code point of s at i, advancing i; nullopt (one byte skipped) for an
// invalid, overlong or surrogate sequence.
std::optional<char32_t> SiguienteUtf8(std::string_view s, std::size_t& i);
void AnadirUtf8(std::string& s, char32_t cp);
std::string Cp1252AUtf8(std::string_view bytes);
// Characters Windows-1252 cannot hold become "?"; so do invalid UTF-8 bytes.
std::string Utf8ACp1252(std::string_view texto);

// Whether a text value keeps the character through writing and reading:
// Windows-1252 holds it, it is no control character (C0, DEL, C1, which
// includes the five bytes Windows-1252 leaves undefined), and it is not the
// quote, which the notation cannot hold inside a text.
bool EsCaracterGuardable(char32_t cp);
// The characters of a text that are not guardable, each once, in the order
// they first appear.
std::vector<char32_t> CaracteresNoGuardables(std::u32string_view texto);
// A text of guardable characters whose Windows-1252 bytes happen to be valid
// UTF-8 ("Ã³") comes back as that UTF-8 ("ó") when the other lines of the
// file are valid UTF-8 too. Returns what it would read as; nullopt when the
// text is plain ASCII or its bytes are no UTF-8, which makes the reader take
// the whole file as Windows-1252.
std::optional<std::string> LeidoComoUtf8(std::string_view texto);

} // namespace tarvia::archivo

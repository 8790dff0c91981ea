#include "core/decimal15.h"

#include <charconv>
#include <cstdlib>

namespace tarvia {

namespace {

// Adds one to a string of decimal digits.
void Incrementar(std::string& digitos)
{
    for (auto i = digitos.size(); i-- > 0;) {
        if (digitos[i] == '9') {
            digitos[i] = '0';
        } else {
            ++digitos[i];
            return;
        }
    }
    digitos.insert(digitos.begin(), '1');
}

} // namespace

Decimal15 RedondearDecimal(double x, int n)
{
    Decimal15 d;
    d.negativo = x < 0;
    d.entero = "0";
    d.fraccion.assign(static_cast<size_t>(n), '0');
    if (x == 0)
        return d;

    // 15 significant digits: m.mmmmmmmmmmmmmm e±E
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, x < 0 ? -x : x, std::chars_format::scientific, 14);
    std::string s(buf, r.ptr);
    const auto pe = s.find('e');
    std::string mant = s.substr(0, 1) + s.substr(2, pe - 2); // 15 digits
    const int exp = std::atoi(s.c_str() + pe + 1);

    // The value is 0.mant × 10^(exp+1): place the point.
    const int puntos = exp + 1; // digits before the point
    std::string ent, frac;
    if (puntos <= 0) {
        ent = "0";
        frac = std::string(static_cast<size_t>(-puntos), '0') + mant;
    } else if (puntos >= static_cast<int>(mant.size())) {
        ent = mant + std::string(static_cast<size_t>(puntos) - mant.size(), '0');
    } else {
        ent = mant.substr(0, static_cast<size_t>(puntos));
        frac = mant.substr(static_cast<size_t>(puntos));
    }

    // Half away from zero at n decimals.
    const bool subir = static_cast<int>(frac.size()) > n && frac[static_cast<size_t>(n)] >= '5';
    frac.resize(static_cast<size_t>(n), '0');
    std::string todo = ent + frac;
    if (subir)
        Incrementar(todo);
    d.entero = todo.substr(0, todo.size() - static_cast<size_t>(n));
    d.fraccion = todo.substr(todo.size() - static_cast<size_t>(n));
    const auto nz = d.entero.find_first_not_of('0');
    d.entero = nz == std::string::npos ? "0" : d.entero.substr(nz);
    return d;
}

} // namespace tarvia

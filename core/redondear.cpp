#include "core/redondear.h"

#include "core/decimal15.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tarvia {

namespace {
// Largest magnitude of the decimal type the rule works in.
constexpr double kMaximoDecimal = 7.9228162514264337593543950335e28;
constexpr double kPotencias[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,
                                 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19,
                                 1e20, 1e21, 1e22, 1e23, 1e24, 1e25, 1e26, 1e27, 1e28};
} // namespace

double Redondear(double x, int n)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    if (!std::isfinite(x) || n < 0 || n > 28)
        return nan;
    const double y = x * kPotencias[n]; // in double, as the rule says
    if (!std::isfinite(y) || std::fabs(y) >= kMaximoDecimal)
        return nan;
    if (y == 0)
        return 0.0;
    // A whole y below 10^15 is already its rounded decimal, and dividing it
    // by an exact power of ten rounds to the same double as reading it back.
    if (std::fabs(y) < 1e15 && y == std::trunc(y))
        return y / kPotencias[n];
    const Decimal15 z = RedondearDecimal(y, 0); // + sign × 0.5, truncated
    if (z.entero() == "0")
        return 0.0;
    // z ÷ 10^n, read back as the nearest double.
    char texto[64];
    char* p = texto;
    if (z.negativo)
        *p++ = '-';
    for (char c : z.entero())
        *p++ = c;
    *p++ = 'e';
    *p++ = '-';
    p = std::to_chars(p, texto + sizeof texto, n).ptr;
    double r = 0;
    std::from_chars(texto, p, r);
    return r;
}

} // namespace tarvia

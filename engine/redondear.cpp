#include "engine/redondear.h"

#include "core/decimal15.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace tarvia {

namespace {
// Largest magnitude of the decimal type the rule works in.
constexpr double kMaximoDecimal = 7.9228162514264337593543950335e28;
} // namespace

double Redondear(double x, int n)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    if (!std::isfinite(x) || n < 0 || n > 28)
        return nan;
    const double p = std::pow(10.0, n);
    const double y = x * p; // in double, as the rule says
    if (!std::isfinite(y) || std::fabs(y) >= kMaximoDecimal)
        return nan;
    if (y == 0)
        return 0.0;
    const Decimal15 z = RedondearDecimal(y, 0); // + sign × 0.5, truncated
    if (z.entero == "0")
        return 0.0;
    // z ÷ 10^n, read back as the nearest double.
    const std::string texto = (z.negativo ? "-" : "") + z.entero + "e-" + std::to_string(n);
    double r = 0;
    std::from_chars(texto.data(), texto.data() + texto.size(), r);
    return r;
}

} // namespace tarvia

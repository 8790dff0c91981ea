#pragma once
// A double read as a decimal of 15 significant digits, and rounded half away
// from zero at a given number of decimals: the arithmetic behind both the
// rounding rule and the display pictures, so that shown and stored agree.
#include <string>

namespace tarvia {

struct Decimal15 {
    bool negativo = false;
    std::string entero;    // integer digits without leading zeros ("0" for none)
    std::string fraccion;  // exactly the requested number of decimals
};

// x rounded half away from zero at n decimals (0 <= n <= 30) from its
// 15-significant-digit decimal form. x must be finite.
Decimal15 RedondearDecimal(double x, int n);

} // namespace tarvia

#pragma once
// A double read as a decimal of 15 significant digits, and rounded half away
// from zero at a given number of decimals: the arithmetic behind both the
// rounding rule and the display pictures, so that shown and stored agree.
// Works in a fixed buffer: it runs for every figure shown.
#include <array>
#include <string_view>

namespace tarvia {

struct Decimal15 {
    bool negativo = false;
    int largoEntero = 1;            // integer digits, without leading zeros ("0" for none)
    int decimales = 0;              // digits after the point
    std::array<char, 400> cifras{}; // integer digits then the decimals

    std::string_view entero() const { return {cifras.data(), static_cast<size_t>(largoEntero)}; }
    std::string_view fraccion() const { return {cifras.data() + largoEntero, static_cast<size_t>(decimales)}; }
    bool esCero() const { return entero() == "0" && fraccion().find_first_not_of('0') == std::string_view::npos; }
};

// x rounded half away from zero at n decimals (0 <= n <= 30) from its
// 15-significant-digit decimal form. x must be finite.
Decimal15 RedondearDecimal(double x, int n);

} // namespace tarvia

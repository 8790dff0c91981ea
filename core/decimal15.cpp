#include "core/decimal15.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tarvia {

Decimal15 RedondearDecimal(double x, int n)
{
    Decimal15 d;
    d.negativo = x < 0;
    d.decimales = n < 0 ? 0 : (n > 30 ? 30 : n);

    // Most figures shown are whole: below 10^15 a whole number is its own
    // 15-digit form, and its decimals are all zeros, so nothing rounds.
    if (std::fabs(x) < 1e15 && x == std::trunc(x)) {
        char* fin = std::to_chars(d.cifras.data(), d.cifras.data() + 16, static_cast<long long>(std::fabs(x))).ptr;
        d.largoEntero = static_cast<int>(fin - d.cifras.data());
        std::fill_n(fin, d.decimales, '0');
        return d;
    }

    // 15 significant digits: m.mmmmmmmmmmmmmm e±E
    char mant[15];
    int exp = 0;
    bool cero = x == 0;
    if (!cero) {
        char buf[32];
        const auto r = std::to_chars(buf, buf + sizeof buf, x < 0 ? -x : x, std::chars_format::scientific, 14);
        mant[0] = buf[0];
        for (int j = 1; j < 15; ++j)
            mant[j] = buf[j + 1];
        std::from_chars(buf + 17, r.ptr, exp); // after "d.dddddddddddddde"
        if (buf[17] == '+')
            std::from_chars(buf + 18, r.ptr, exp);
    }

    // mant[j] stands for 10^(puntos - 1 - j).
    const int puntos = exp + 1;
    const int largo = cero || puntos < 1 ? 1 : puntos;
    auto cifra = [&](int potencia) -> char {
        if (cero)
            return '0';
        const int j = puntos - 1 - potencia;
        return j >= 0 && j < 15 ? mant[j] : '0';
    };

    // One spare place in front for a carry.
    char* out = d.cifras.data() + 1;
    int total = 0;
    for (int p = largo - 1; p >= -d.decimales; --p)
        out[total++] = cifra(p);
    if (cifra(-d.decimales - 1) >= '5') {
        int i = total - 1;
        while (i >= 0 && out[i] == '9')
            out[i--] = '0';
        if (i >= 0) {
            ++out[i];
        } else {
            --out;
            out[0] = '1';
            ++total;
        }
    }
    // Integer part without leading zeros.
    int enteros = total - d.decimales;
    int inicio = 0;
    while (enteros - inicio > 1 && out[inicio] == '0')
        ++inicio;
    d.largoEntero = enteros - inicio;
    char* destino = d.cifras.data();
    for (int i = inicio; i < total; ++i)
        *destino++ = out[i];
    return d;
}

} // namespace tarvia

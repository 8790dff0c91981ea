#pragma once

namespace tarvia {

// The one rounding rule: x × 10^n in double, read as a decimal of 15
// significant digits, half away from zero, truncated, divided back.
// Returns NaN when x is not finite or the scaled value overflows the decimal
// range, so that the caller skips the step.
double Redondear(double x, int n);

} // namespace tarvia

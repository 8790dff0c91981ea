#include "core/redondear.h"

#include <gtest/gtest.h>

#include <cmath>

using tarvia::Redondear;

TEST(Redondear, CasosDificiles)
{
    struct Caso {
        double x;
        int n;
        double esperado;
    } casos[] = {
        {0.5, 0, 1},
        {-0.5, 0, -1},
        {1.5, 0, 2},
        {2.5, 0, 3},
        {-2.5, 0, -3},
        {1.005, 2, 1.01}, // 100.49999… becomes 100.5 at 15 digits
        {2.345, 2, 2.35},
        {-2.345, 2, -2.35},
        {0, 3, 0},
        {0.049999, 1, 0},
        {1234.5678, 2, 1234.57},
        {0.9504132231404959, 7, 0.9504132},
        {12.341, 2, 12.34},
        {1e15 + 0.4, 0, 1e15},
        {309.0, 0, 309},
        {420 * 0.73549875, 0, 309},
        {4.2, 1, 4.2},
        {0.15, 1, 0.2},
        {8.345, 2, 8.35},
        {-0.0000001, 2, 0},
        {999999.995, 2, 1000000},
        // Whole after scaling: below 10^15 nothing rounds, from 10^15 only
        // fifteen significant digits count.
        {999999999999999, 0, 999999999999999},
        {1e15 + 2, 0, 1e15},
        {-(1e15 + 6), 0, -1.00000000000001e15},
        {123456789012, 3, 123456789012},
        {-3, 2, -3},
        {0.07, 2, 0.07}, // 7.000000000000001 after scaling
    };
    for (const auto& c : casos)
        EXPECT_EQ(Redondear(c.x, c.n), c.esperado) << c.x << " a " << c.n;
}

TEST(Redondear, FueraDeRangoNoSeCalcula)
{
    EXPECT_TRUE(std::isnan(Redondear(NAN, 2)));
    EXPECT_TRUE(std::isnan(Redondear(INFINITY, 0)));
    EXPECT_TRUE(std::isnan(Redondear(1e300, 2)));
}

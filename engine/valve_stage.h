// The valve saturation stage: an asymmetric soft clipper with slope 1 at zero. The positive half
// saturates toward S * pi / 2, the negative half toward -S / 0.64. Harder Ratio positions use a
// smaller scale S and so saturate earlier.
#pragma once

#include <cmath>

struct ValveScale {
    double scale;
    double inverse;
};

// Scale S and its inverse per Ratio position, each inverse computed as its own quotient so that it
// carries the rounding the renders were made with.
inline constexpr ValveScale kValveScales[7] = {
    {32.0 * 0.7, 0.03125 / 0.7}, {22.6272 * 0.7, 0.044194597652382976 / 0.7},
    {16.0 * 0.5, 0.0625 / 0.5},  {11.3136 * 0.5, 0.08838919530476595 / 0.5},
    {8.0 * 0.5, 0.125 / 0.5},    {5.64 * 0.5, 0.1773049645390071 / 0.5},
    {4.0 * 0.7, 0.25 / 0.7},
};

inline double valveShape(double y, double scale, double inverse) {
    if (y < 0.0) {
        return scale * std::tanh(-0.64 * inverse * y) / -0.64;
    }
    return scale * std::atan(y * inverse);
}

#include "engine/ratio_gain.h"

#include <cmath>

// Each saturating curve is written as f(L) / L, with f a soft-saturating transfer characteristic
// whose slope at zero is exactly 1; its small linear residual sets the gain for very large levels.
// The two lightest positions use a rational gain law with a fixed floor instead.
double ratioGain(int k, double L) {
    switch (k) {
    case 0:
        return 0.4 + 0.6 / (1.0 + 0.4 * L);
    case 1:
        return 0.2 + 0.8 / (1.0 + 0.4 * L);
    case 2:
        return (0.3 * (0.92 * std::atan(1.2 * L) / 1.2 + 0.08 * L) +
                0.7 * (0.9 * L / (1.0 + 0.35 * L) + 0.1 * L)) /
               L;
    case 3:
        return (0.65 * (0.95 * std::atan(1.2 * L) / 1.2 + 0.05 * L) +
                0.35 * (0.95 * L / (1.0 + 0.35 * L) + 0.05 * L)) /
               L;
    case 4:
        return (0.97 * std::atan(1.2 * L) / 1.2 + 0.03 * L) / L;
    case 5:
        return (0.5 * (0.982 * std::atan(1.2 * L) / 1.2 + 0.018 * L) +
                0.5 * (0.982 * std::tanh(L) + 0.018 * L)) /
               L;
    case 6:
        return (0.99 * std::tanh(L) + 0.01 * L) / L;
    default:
        return 1.0;
    }
}

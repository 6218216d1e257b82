#include "engine/param_format.h"

#include <cmath>

namespace {

constexpr int kWidth = 8;

// Writes the decimal digits of value (an integral double) backwards from text[last], stopping
// at first or when the value runs out; answers the position of the highest digit written.
int writeDigitsBackwards(double value, char* text, int first, int last) {
    int pos = last;
    while (pos >= first) {
        text[pos] = static_cast<char>('0' + static_cast<int>(std::trunc(std::fmod(value, 10.0))));
        value /= 10.0;
        if (value < 1.0) {
            break;
        }
        --pos;
    }
    return pos;
}

} // namespace

void formatParamNumber(double x, char* text) {
    // Nudges values that sit a hair below a hundredth so the cut below does not lose the digit.
    const double a = 100.0 * x;
    const double fractionOfHundredth = a - std::trunc(a);
    if (fractionOfHundredth >= 0.49999) {
        x += 0.01;
    } else if (fractionOfHundredth <= -0.49999) {
        x -= 0.01;
    }

    if ((x < 0 && -x > 9999999.0) || (x > 0 && x > 99999999.0)) {
        return;
    }

    const bool negative = x < 0;
    const double magnitude = std::fabs(x);
    const double whole = std::floor(magnitude);

    // The integer part, right-aligned in a scratch field so that high digits beyond the width
    // fall off, then moved to the front.
    char field[kWidth + 1] = {};
    const int digitsRoom = kWidth - 1 - (negative ? 1 : 0);
    const int highest = writeDigitsBackwards(whole, field, 0, digitsRoom - 1);
    int length = 0;
    if (negative) {
        text[length++] = '-';
    }
    for (int i = highest; i < digitsRoom; ++i) {
        text[length++] = field[i];
    }
    text[length++] = '.';

    // Fraction digits fill the rest of the eight characters.
    const int freeChars = kWidth - length;
    double fraction = (magnitude - whole) * std::pow(10.0, freeChars);
    for (int pos = kWidth - 1; pos >= length; --pos) {
        if (fraction <= 0) {
            text[pos] = '0';
        } else {
            text[pos] =
                static_cast<char>('0' + static_cast<int>(std::trunc(std::fmod(fraction, 10.0))));
        }
        fraction /= 10.0;
    }

    const int pointAt = length - 1;
    const int end = freeChars >= 2 ? pointAt + 3 : kWidth;
    text[end] = '\0';
}

// A tiny noise (amplitude 1e-10, about -200 dB) added to both driven channels, so that no filter
// state of the detector can decay into denormal numbers. A combined three-word Tausworthe
// generator: the sequence is fixed by its seed, so renders repeat bit for bit.
#pragma once

#include <cstdint>

struct NoiseGenerator {
    std::uint32_t s1 = 592;
    std::uint32_t s2 = 153768;
    std::uint32_t s3 = 1526;

    double next() {
        s1 = ((((s1 >> 9) ^ s1) >> 6) & 0x1fffu) ^ (s1 << 13);
        s2 = ((((s2 >> 2) ^ s2) >> 7) & 0xfffffu) ^ (s2 << 20);
        s3 = ((((s3 >> 6) ^ s3) >> 8) & 0x1ffffu) ^ (s3 << 17);
        const std::uint32_t r = s1 ^ s2 ^ s3;
        return (static_cast<double>(r) * 2.3283064365e-10 * 2.0 - 1.0) * 1e-10;
    }
};

// The compressor's gain computer: seven static curves, one per Ratio position, mapping the detector
// level to the gain applied to both channels.
#pragma once

constexpr int kNumRatios = 7;

// Gain for Ratio position k (0 = "1.2:1" ... 6 = "10:1") at detector level L > 0. Every curve gives
// gain 1 for small levels; a position outside 0..6 gives 1.0 (no reduction).
double ratioGain(int k, double L);

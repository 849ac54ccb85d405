// The linear congruential generator behind every draw, and the program's one instance of it.
#include "core/Lcg32.h"

#include <cmath>
#include <ctime>

Lcg32 Generator(32, false);

// The derivation rounds through a signed 64-bit integer and keeps its low 32 bits, so every
// width from 1 to 32 lands on the same constants as the integer formula would give.
static std::uint32_t TruncateLow32(double value) {
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(value));
}

void Lcg32::Init(std::uint32_t width, bool seedFromClock) {
    if (width > 32) width = 32;
    if (width == 0) width = 1;

    double scale = 1.0;  // 2^(width - 1), by doubling so no library rounding creeps in
    for (std::uint32_t i = 1; i < width; i++) scale += scale;
    // A multiplier of 8m + 5 and an odd increment give the full period 2^width.
    std::uint32_t m = TruncateLow32(scale * std::atan(1.0) * 0.125 + 0.5);
    std::uint32_t k = TruncateLow32((0.5 - std::sqrt(3.0) * 0.16666666666666666) * scale + 0.5);

    bits = width;
    mask = bits < 32 ? 0xFFFFFFFFu >> (32 - bits) : 0xFFFFFFFFu;
    multiplier = (8 * m + 5) & mask;
    increment = (2 * k + 1) & mask;
    shiftDown8 = bits > 8 ? bits - 8 : 0;
    shiftDown16 = bits > 16 ? bits - 16 : 0;
    shiftUp8 = bits < 8 ? 8 - bits : 0;
    shiftUp16 = bits < 16 ? 16 - bits : 0;
    shiftUp32 = bits < 32 ? 32 - bits : 0;
    state = seedFromClock ? static_cast<std::uint32_t>(std::time(nullptr)) & mask : 1;
}

std::uint32_t Lcg32::Next() {
    state = (multiplier * state + increment) & mask;
    return state;
}

// A hundred idle steps spread neighbouring clock values apart before the first draw.
void Lcg32::Reseed(std::uint32_t clock) {
    std::uint32_t x = clock & mask;
    for (int i = 0; i < 100; i++) x = (multiplier * x + increment) & mask;
    state = x;
}

// The program's single source of chance: a full-period linear congruential generator.
#pragma once

#include <cstdint>

struct Lcg32 {
    std::uint32_t state;
    std::uint32_t multiplier;
    std::uint32_t increment;
    std::uint32_t bits;
    std::uint32_t mask;
    std::uint32_t shiftDown8;
    std::uint32_t shiftDown16;
    std::uint32_t shiftUp8;
    std::uint32_t shiftUp16;
    std::uint32_t shiftUp32;

    explicit Lcg32(std::uint32_t width = 32, bool seedFromClock = false) { Init(width, seedFromClock); }

    void Init(std::uint32_t width, bool seedFromClock);
    std::uint32_t Next();
    void Reseed(std::uint32_t clock);
};

extern Lcg32 Generator;

// The generator's constants, steps and reseeding against values worked out by hand.
#include "core/Lcg32.h"

#include <gtest/gtest.h>

#include <ctime>
#include <vector>

TEST(Lcg32, InitDerivesEveryFieldFromTheWidth) {
    struct Case {
        std::uint32_t width, multiplier, increment, mask, bits;
        std::uint32_t shifts[5];  // down 8, down 16, up 8, up 16, up 32
    };
    const Case cases[] = {
        {32, 0x6487ED55, 0x361962EB, 0xFFFFFFFF, 32, {24, 16, 0, 0, 0}},
        {16, 0x648D, 0x361B, 0xFFFF, 16, {8, 0, 0, 0, 16}},
        {8, 0x6D, 0x37, 0xFF, 8, {0, 0, 0, 8, 24}},
        {1, 1, 1, 1, 1, {0, 0, 7, 15, 31}},
        {0, 1, 1, 1, 1, {0, 0, 7, 15, 31}},                                 // too narrow: width 1
        {33, 0x6487ED55, 0x361962EB, 0xFFFFFFFF, 32, {24, 16, 0, 0, 0}},   // too wide: width 32
        {0xFFFFFFFF, 0x6487ED55, 0x361962EB, 0xFFFFFFFF, 32, {24, 16, 0, 0, 0}},  // -1, compared unsigned
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        Lcg32 generator(c.width, false);
        EXPECT_EQ(c.multiplier, generator.multiplier);
        EXPECT_EQ(c.increment, generator.increment);
        EXPECT_EQ(c.mask, generator.mask);
        EXPECT_EQ(c.bits, generator.bits);
        const std::uint32_t shifts[] = {generator.shiftDown8, generator.shiftDown16, generator.shiftUp8,
                                        generator.shiftUp16, generator.shiftUp32};
        EXPECT_EQ(std::vector<std::uint32_t>(c.shifts, c.shifts + 5), std::vector<std::uint32_t>(shifts, shifts + 5));
        EXPECT_EQ(1u, generator.state);
    }
}

TEST(Lcg32, NextStepsTheStateAndReturnsIt) {
    struct Case {
        std::uint32_t width, start;
        std::vector<std::uint32_t> values;
    };
    const Case cases[] = {
        {32, 1, {2594263104}},
        {32, 0, {907633387, 2735196658}},
        {16, 1, {39592, 1187, 28642, 7573}},
        {8, 1, {164, 11, 230, 37}},
        {1, 0, {1, 0, 1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        Lcg32 generator(c.width, false);
        generator.state = c.start;
        std::vector<std::uint32_t> values;
        for (size_t i = 0; i < c.values.size(); i++) {
            values.push_back(generator.Next());
            EXPECT_EQ(values.back(), generator.state);
        }
        EXPECT_EQ(c.values, values);
    }
}

TEST(Lcg32, ReseedMasksTheClockAndStepsAHundredTimes) {
    Lcg32 generator(32, false);
    generator.Reseed(0);
    EXPECT_EQ(252284340u, generator.state);
    generator.Reseed(1000);
    EXPECT_EQ(1500894492u, generator.state);

    Lcg32 narrow(8, false), stepped(8, false);
    narrow.Reseed(0x1234);
    stepped.state = 0x34;
    for (int i = 0; i < 100; i++) stepped.Next();
    EXPECT_EQ(stepped.state, narrow.state);
}

TEST(Lcg32, SeedFromClockTakesTheCalendarSeconds) {
    const auto before = static_cast<std::uint32_t>(std::time(nullptr));
    Lcg32 generator(8, true);
    const auto after = static_cast<std::uint32_t>(std::time(nullptr));
    EXPECT_TRUE(generator.state == (before & 0xFF) || generator.state == (after & 0xFF)) << generator.state;
}

TEST(Lcg32, TheProgramsGeneratorIsThirtyTwoBitsWide) {
    EXPECT_EQ(32u, Generator.bits);
    EXPECT_EQ(0x6487ED55u, Generator.multiplier);
    EXPECT_EQ(0x361962EBu, Generator.increment);
}

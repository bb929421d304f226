// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "widgets/olecolor.h"

using namespace qm;

TEST(ShadeColor, ChannelArithmeticWithTheGreenAndBlueScaling) {
    // Green and blue of 128 and more come out one higher before the delta is added.
    EXPECT_EQ(ShadeColor(Rgb(100, 100, 100), 10), Rgb(110, 110, 110));
    EXPECT_EQ(ShadeColor(Rgb(200, 200, 200), 0), Rgb(200, 201, 201));
    EXPECT_EQ(ShadeColor(Rgb(200, 200, 200), 48, true), Rgb(248, 249, 251));
    // Blue-proportional: B + (delta * B) \ 192, truncated toward zero for negative deltas too.
    EXPECT_EQ(ShadeColor(Rgb(0, 0, 100), -10, true), Rgb(0, 0, 95));
    EXPECT_EQ(ShadeColor(Rgb(10, 20, 30), -50), Rgb(0, 0, 0));
    EXPECT_EQ(ShadeColor(Rgb(10, 20, 30), 0, false, false, true), Rgb(245, 235, 225));
}

TEST(ShadeColor, AvoidExtremesFlipsOrInventsTheDelta) {
    EXPECT_EQ(ShadeColor(kWhite, 10, false, true), Rgb(245, 246, 246));
    EXPECT_EQ(ShadeColor(kWhite, 10, false, true), ShadeColor(kWhite, -10));
    EXPECT_EQ(ShadeColor(kBlack, 0, false, true), Rgb(64, 64, 64));
    EXPECT_EQ(ShadeColor(kWhite, 10, false, false), kWhite);
    // A delta that reaches an extreme both ways still returns.
    const OleColor c = ShadeColor(Rgb(128, 128, 128), 400, false, true);
    EXPECT_TRUE(c == kBlack || c == kWhite);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(-2.6), -3);
}

TEST(TranslateColor, PlainValuesPassAndSystemColoursResolve) {
    EXPECT_EQ(TranslateColor(Rgb(1, 2, 3)), Rgb(1, 2, 3));
    EXPECT_EQ(TranslateColor(0x80000000u + 6), Rgb(0, 0, 0));  // the Windows system colour table
    EXPECT_EQ(TranslateColor(kButtonFace) & 0xFF000000u, 0u);
}

TEST(GradientColors, BandsRunFromStartToEnd) {
    std::vector<OleColor> bands;
    GradientColors(Rgb(0, 0, 0), Rgb(100, 0, 0), 5, bands);
    ASSERT_EQ(bands.size(), 5u);
    EXPECT_EQ(bands[0], Rgb(0, 0, 0));
    EXPECT_EQ(bands[1], Rgb(25, 0, 0));
    EXPECT_EQ(bands[4], Rgb(100, 0, 0));
    // The first band is the start colour exactly, even where the channel split lifts green.
    GradientColors(Rgb(0, 200, 0), Rgb(0, 0, 0), 3, bands);
    EXPECT_EQ(bands[0], Rgb(0, 200, 0));
    GradientColors(Rgb(9, 9, 9), Rgb(0, 0, 0), 1, bands);
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_EQ(bands[0], Rgb(9, 9, 9));
    GradientColors(Rgb(9, 9, 9), Rgb(0, 0, 0), 0, bands);
    EXPECT_TRUE(bands.empty());
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/Dither.h"

#include <gtest/gtest.h>

namespace vexil::tools {
namespace {

RgbaImage Flat(int width, int height, std::uint8_t grey, std::uint8_t alpha = 255)
{
    RgbaImage image;
    image.width = width;
    image.height = height;
    for (int i = 0; i < width * height; ++i) {
        image.pixels.insert(image.pixels.end(), {grey, grey, grey, alpha});
    }
    return image;
}

GreyImage FlatGrey(int width, int height, std::uint8_t level)
{
    return GreyOf(Flat(width, height, level));
}

int DarkCells(const SpriteGrid &cells, int x0, int y0, int width, int height)
{
    int dark = 0;
    for (int y = y0; y < y0 + height; ++y) {
        for (int x = x0; x < x0 + width; ++x) {
            dark += cells.at(x, y) ? 1 : 0;
        }
    }
    return dark;
}

TEST(Grey, IsLaidOverWhite)
{
    EXPECT_EQ(GreyOf(Flat(1, 1, 0)).levels[0], 0);
    EXPECT_EQ(GreyOf(Flat(1, 1, 200)).levels[0], 200);
    EXPECT_EQ(GreyOf(Flat(1, 1, 0, 0)).levels[0], 255);
    EXPECT_EQ(GreyOf(Flat(1, 1, 0, 128)).levels[0], 127);
    RgbaImage red = Flat(1, 1, 0);
    red.pixels[0] = 255;
    EXPECT_EQ(GreyOf(red).levels[0], 76);

    EXPECT_TRUE(IsBlackAndWhite(GreyOf(Flat(3, 3, 0))));
    EXPECT_TRUE(IsBlackAndWhite(GreyOf(Flat(3, 3, 9, 0))));
    EXPECT_FALSE(IsBlackAndWhite(GreyOf(Flat(3, 3, 254))));
    EXPECT_FALSE(IsBlackAndWhite(GreyOf(Flat(3, 3, 0, 200))));
}

TEST(Dither, EveryMethodKeepsBlackAndWhiteAsTheyAre)
{
    GreyImage image = FlatGrey(96, 64, 255);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 96; ++x) {
            if ((x * 7 + y * 3) % 5 == 0) {
                image.levels[static_cast<std::size_t>(y * 96 + x)] = 0;
            }
        }
    }
    for (DitherMethod method :
         {DitherMethod::Threshold, DitherMethod::Ordered, DitherMethod::FloydSteinberg}) {
        const SpriteGrid cells = ToBlackAndWhite(image, {method, 128, false});
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 96; ++x) {
                ASSERT_EQ(cells.at(x, y), image.at(x, y) == 0)
                    << static_cast<int>(method) << " at " << x << "," << y;
            }
        }
    }
}

TEST(Dither, ThresholdSplitsAtItsLevel)
{
    EXPECT_EQ(DarkCells(ToBlackAndWhite(FlatGrey(4, 4, 127), {}), 0, 0, 96, 64), 16);
    EXPECT_EQ(DarkCells(ToBlackAndWhite(FlatGrey(4, 4, 128), {}), 0, 0, 96, 64), 0);
    EXPECT_EQ(DarkCells(ToBlackAndWhite(FlatGrey(4, 4, 200), {DitherMethod::Threshold, 201, false}),
                        0, 0, 96, 64),
              16);
    EXPECT_EQ(DarkCells(ToBlackAndWhite(FlatGrey(4, 4, 0), {DitherMethod::Threshold, 0, false}), 0,
                        0, 96, 64),
              0);
}

TEST(Dither, GreysBecomeTheirShareOfDarkCells)
{
    for (int level : {32, 64, 128, 192, 224}) {
        const GreyImage grey = FlatGrey(96, 64, static_cast<std::uint8_t>(level));
        const double expected = (255.0 - level) / 255.0 * 96 * 64;
        const SpriteGrid ordered = ToBlackAndWhite(grey, {DitherMethod::Ordered, 128, false});
        EXPECT_NEAR(DarkCells(ordered, 0, 0, 96, 64), expected, 96 * 64 / 64.0) << level;
        // Ordered dithering repeats every eight cells each way.
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                EXPECT_EQ(ordered.at(x, y), ordered.at(x + 40, y + 48));
            }
        }
        const SpriteGrid diffused =
            ToBlackAndWhite(grey, {DitherMethod::FloydSteinberg, 128, false});
        EXPECT_NEAR(DarkCells(diffused, 0, 0, 96, 64), expected, 96 * 64 * 0.02) << level;
        // Spread evenly: each quarter of the screen holds its share.
        EXPECT_NEAR(DarkCells(diffused, 48, 32, 48, 32), expected / 4, 96 * 64 * 0.01) << level;
    }
    // Middle grey orders into a checkerboard-like half.
    EXPECT_EQ(DarkCells(ToBlackAndWhite(FlatGrey(8, 8, 128), {DitherMethod::Ordered, 128, false}),
                        0, 0, 8, 8),
              32);
}

TEST(Dither, CutsToTheScreenAndLeavesTheMarginLight)
{
    const SpriteGrid big = ToBlackAndWhite(FlatGrey(200, 100, 0), {});
    EXPECT_EQ(DarkCells(big, 0, 0, 96, 64), 96 * 64);

    for (DitherMethod method :
         {DitherMethod::Threshold, DitherMethod::Ordered, DitherMethod::FloydSteinberg}) {
        const SpriteGrid small = ToBlackAndWhite(FlatGrey(10, 5, 255), {method, 128, true});
        EXPECT_EQ(DarkCells(small, 0, 0, 10, 5), 50) << static_cast<int>(method);
        EXPECT_EQ(DarkCells(small, 0, 0, 96, 64), 50) << static_cast<int>(method);
    }
    EXPECT_EQ(DarkCells(ToBlackAndWhite(GreyImage{}, {}), 0, 0, 96, 64), 0);
}

TEST(Shrink, KeepsProportionsAndTheMeanLevel)
{
    GreyImage stripes = FlatGrey(192, 128, 255);
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 192; x += 2) {
            stripes.levels[static_cast<std::size_t>(y * 192 + x)] = 0;
        }
    }
    const GreyImage half = ShrinkToFit(stripes, 96, 64);
    EXPECT_EQ(half.width, 96);
    EXPECT_EQ(half.height, 64);
    for (std::uint8_t level : half.levels) {
        ASSERT_EQ(level, 128);
    }

    const GreyImage wide = ShrinkToFit(FlatGrey(400, 100, 7), 95, 63);
    EXPECT_EQ(wide.width, 95);
    EXPECT_EQ(wide.height, 24);
    EXPECT_EQ(wide.at(94, 23), 7);

    const GreyImage tall = ShrinkToFit(FlatGrey(10, 1000, 7), 96, 64);
    EXPECT_EQ(tall.width, 1);
    EXPECT_EQ(tall.height, 64);

    const GreyImage fits = ShrinkToFit(FlatGrey(20, 64, 9), 96, 64);
    EXPECT_EQ(fits.width, 20);
    EXPECT_EQ(fits.height, 64);
}

TEST(Convert, ShrinksOnlyWhenAsked)
{
    const RgbaImage wide = Flat(192, 32, 0);
    EXPECT_EQ(DarkCells(ConvertImage(wide, {}), 0, 0, 96, 64), 96 * 32);
    ConvertOptions fit;
    fit.shrinkToFit = true;
    fit.fitWidth = 95;
    fit.fitHeight = 63;
    const SpriteGrid shrunk = ConvertImage(wide, fit);
    EXPECT_EQ(DarkCells(shrunk, 0, 0, 96, 64), 95 * 16);
    EXPECT_FALSE(shrunk.at(95, 0));

    EXPECT_EQ(DitherMethodNamed("floyd"), DitherMethod::FloydSteinberg);
    EXPECT_EQ(DitherMethodNamed("ordered"), DitherMethod::Ordered);
    EXPECT_EQ(DitherMethodNamed("threshold"), DitherMethod::Threshold);
    EXPECT_FALSE(DitherMethodNamed("Floyd"));
}

} // namespace
} // namespace vexil::tools

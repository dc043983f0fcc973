// Sizes at the display's scale: pixels at 96 DPI scaled, and the drawing an
// image of a size is taken from.

#include "framework/DisplayScale.h"

#include <gtest/gtest.h>

TEST(DisplayScale, PixelsScaleFrom96DpiRounded) {
    const struct {
        int pixels;
        unsigned dpi;
        int scaled;
    } cases[] = {
        {16, 96, 16},  {23, 96, 23},  {16, 120, 20}, {15, 120, 19}, {22, 120, 28}, {16, 144, 24},
        {23, 144, 35}, {16, 192, 32}, {15, 192, 30}, {16, 108, 18}, {0, 144, 0},   {-4, 144, -6},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScaleToDpi(c.pixels, c.dpi), c.scaled) << c.pixels << " at " << c.dpi;
    }
}

TEST(DisplayScale, ImagesComeFromTheirOwnDrawingOrTheNextLarger) {
    const struct {
        int pixels;
        int drawing;
    } cases[] = {{1, 16},  {16, 16}, {17, 20}, {18, 20}, {20, 20},
                 {21, 24}, {24, 24}, {25, 32}, {32, 32}, {40, 32}};
    for (const auto& c : cases) {
        EXPECT_EQ(DrawingSizeFor(c.pixels), c.drawing) << c.pixels;
    }
    EXPECT_EQ(DrawingResourceId(150, 16), 150u);
    EXPECT_EQ(DrawingResourceId(150, 20), 2150u);
    EXPECT_EQ(DrawingResourceId(168, 24), 2568u);
    EXPECT_EQ(DrawingResourceId(169, 32), 3369u);
}

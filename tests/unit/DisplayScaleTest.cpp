// Pixels at 96 DPI scaled, and the drawing an image of a size is taken from.

#include "framework/DisplayScale.h"

#include <gtest/gtest.h>

TEST(DisplayScale, PixelsScaleFrom96DpiAndImagesTakeTheirOwnOrTheNextLargerDrawing) {
    const struct {
        int pixels;
        unsigned dpi;
        int scaled;
        int drawing; // for an image of `scaled` pixels
    } cases[] = {{16, 96, 16, 16},  {16, 108, 18, 20}, {16, 120, 20, 20}, {15, 120, 19, 20},
                 {23, 144, 35, 32}, {16, 144, 24, 24}, {16, 168, 28, 32}, {16, 192, 32, 32},
                 {16, 240, 40, 32}, {-4, 144, -6, 16}};
    for (const auto& c : cases) {
        EXPECT_EQ(ScaleToDpi(c.pixels, c.dpi), c.scaled) << c.pixels << " at " << c.dpi;
        EXPECT_EQ(DrawingSizeFor(c.scaled), c.drawing) << c.scaled;
    }
}

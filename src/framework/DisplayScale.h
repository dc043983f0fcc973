#pragma once
// Sizes at the display's scale. Pixel sizes in the code are written for
// 96 DPI (100 %) and scaled to the window's DPI; images are drawn at 16, 20,
// 24 and 32 pixels (100, 125, 150 and 200 %).

constexpr unsigned kBaseDpi = 96;

// `pixels` at 96 DPI scaled to `dpi`, rounded to the nearest pixel.
int ScaleToDpi(int pixels, unsigned dpi);

// The size of the drawing to take for an image of `pixels`: the smallest of
// 16, 20, 24 and 32 that is at least as large, or 32 above that.
int DrawingSizeFor(int pixels);

// The bitmap resource that holds bitmap `bitmapId` drawn at `drawingSize`
// pixels: the bitmap itself at 16, bitmapId + 100 * size otherwise.
unsigned DrawingResourceId(unsigned bitmapId, int drawingSize);

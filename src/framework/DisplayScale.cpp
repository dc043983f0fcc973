#include "framework/DisplayScale.h"

namespace {

constexpr int kDrawingSizes[] = {16, 20, 24, 32};

} // namespace

int ScaleToDpi(int pixels, unsigned dpi) {
    const long long scaled = static_cast<long long>(pixels) * dpi;
    const long long half = kBaseDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kBaseDpi
                                        : -((-scaled + half) / kBaseDpi));
}

int DrawingSizeFor(int pixels) {
    for (int size : kDrawingSizes) {
        if (pixels <= size) {
            return size;
        }
    }
    return kDrawingSizes[3];
}

unsigned DrawingResourceId(unsigned bitmapId, int drawingSize) {
    return drawingSize == kDrawingSizes[0] ? bitmapId
                                           : bitmapId + 100u * static_cast<unsigned>(drawingSize);
}

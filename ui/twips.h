// The window was laid out in twips (1/1440 inch). Qt places widgets in
// device-independent pixels of 1/96 inch, so 15 twips make one pixel and
// high-DPI scaling keeps the proportions.
#pragma once

#include <QRect>

namespace tavrel::ui {

inline constexpr int kTwipsPerPixel = 15;

// To the nearest pixel: 5000 twips are 333 px, 550 twips 37 px.
constexpr int TwipsToPixels(int twips) {
    return (2 * twips + kTwipsPerPixel) / (2 * kTwipsPerPixel);
}

struct TwipsRect {
    int left, top, width, height;
};

inline QRect ToPixels(TwipsRect r) {
    return QRect(TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width),
                 TwipsToPixels(r.height));
}

}  // namespace tavrel::ui

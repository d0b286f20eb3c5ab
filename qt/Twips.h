#pragma once
// Window geometry is described in twips (1/1440 inch). Qt's logical pixel is 1/96 inch on every
// screen (it folds the screen's DPI into the device pixel ratio), so 15 twips make one logical
// pixel at 100 % and at 200 % scaling alike.

#include <QRect>

namespace qtui {

inline constexpr int twipsPerPixel = 15;

// Rounded to the nearest pixel; positions and sizes are never negative.
constexpr int twipsToPixels(int twips) {
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

constexpr QRect twipsToPixels(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace qtui

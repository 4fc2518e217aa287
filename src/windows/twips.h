#pragma once

#include <QRect>
#include <QSize>

#include <cmath>

// Layout units: 15 twips make one device-independent pixel, so windows laid out in
// twips scale with the screen like every other Qt window.
namespace twips {

constexpr int perPixel = 15;

inline int toPixels(int value)
{
    return int(std::lround(double(value) / perPixel));
}

inline QSize size(QSize t)
{
    return {toPixels(t.width()), toPixels(t.height())};
}

inline QRect at(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

} // namespace twips

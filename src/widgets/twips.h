#pragma once

#include <QRect>
#include <QSize>

// Window layouts are drawn in twips; 15 twips make one device-independent pixel, which Qt scales
// to the screen's DPI by itself.
constexpr int twipsToPixels(int twips)
{
    return twips / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

constexpr QSize twipsSize(int width, int height)
{
    return {twipsToPixels(width), twipsToPixels(height)};
}

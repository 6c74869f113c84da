#include "preview/preview_colours.h"

#include <array>

namespace {

// Colour 0 is the normal text colour.
constexpr std::array<QRgb, kColourCount> kTextColours{
    0xffffff, 0x80c0ff, 0xff8080, 0x80ff80, 0xffff70, 0xffb050, 0xff80ff,
    0x70ffff, 0xc0c0c0, 0xff4848, 0x30d030, 0x6890ff, 0xc080ff, 0xffd700,
    0xa0ffd8, 0xffc8e0, 0xd8a070, 0xb8e840, 0xff60a8, 0x989898};

} // namespace

QColor windowColour()
{
    return QColor(0x20, 0x28, 0x58);
}

QColor beyondEdgeColour()
{
    return QColor(0x70, 0x10, 0x10);
}

QColor uninterpretedColour()
{
    return QColor(0xff, 0xa0, 0x00);
}

QColor textColour(int colour)
{
    return QColor(kTextColours.at(std::size_t(colour)));
}

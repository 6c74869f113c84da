#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstddef>
#include <optional>

// The display names of the 52 glyphs the game engine's message window can draw, in catalogue
// order.
QStringList symbolNames();

// The names the list can be narrowed to, in the order offered; "Alles" stands for all glyphs.
QStringList symbolCategoryNames();

// The glyph names listed under a category name; nothing unless the text is exactly one of the
// category names.
std::optional<QStringList> symbolNamesIn(QStringView categoryName);

// The code of the glyph whose display name is exactly this text; nothing for any other text.
std::optional<QString> symbolCodeOf(QStringView name);

// The catalogue index of the glyph a code such as "$A" draws; nothing for any other text. Inline,
// since the preview asks it for every dollar sign of a text.
inline std::optional<int> symbolIndexOfCode(QStringView code)
{
    if (code.size() != 2 || code[0] != u'$')
        return std::nullopt;
    const char16_t letter = code[1].unicode();
    if (letter >= u'A' && letter <= u'Z')
        return letter - u'A';
    if (letter >= u'a' && letter <= u'z')
        return 26 + (letter - u'a');
    return std::nullopt;
}

inline constexpr std::size_t kGlyphCount = 52;
inline constexpr int kGlyphPixels = 12;

// How the engine's message window draws a glyph, two cells wide.
struct SymbolGlyph {
    // The character that stands for the glyph in plain text, as screen readers announce it.
    char32_t symbol;
    // kGlyphPixels rows of kGlyphPixels pixels, '#' where the glyph is drawn in the text colour.
    const char *picture;
};
SymbolGlyph symbolGlyph(int index);

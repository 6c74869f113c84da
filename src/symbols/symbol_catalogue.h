#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The 52 glyphs the game engine's message window can draw, with their German names.
inline constexpr int kSymbolCount = 52;

// The names the symbol list can be narrowed to, in the order offered; "Alles" stands for all.
QStringList symbolCategoryNames();

// The display name of the glyph at index 0 to 51.
QString symbolName(int index);

// The glyph code of index 0 to 51: "$A" to "$Z", then "$a" to "$z".
QString symbolCode(int index);

// The indexes listed under a category name, ascending; nothing unless the text is exactly one
// of the category names.
std::optional<QList<int>> symbolCategoryEntries(QStringView categoryName);

// The code of the glyph whose display name is exactly this text; nothing for any other text.
std::optional<QString> symbolCodeOf(QStringView name);

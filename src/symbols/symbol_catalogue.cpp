#include "symbols/symbol_catalogue.h"

#include <algorithm>
#include <array>

namespace {

// Index into kCategoryNames; 0 is "Alles", which no glyph belongs to on its own.
enum Category : int { Sonstiges = 1, Planeten, Sternzeichen, Smiley, Karten, Pfeile };

constexpr std::array<QStringView, 7> kCategoryNames{
    u"Alles", u"Sonstiges", u"Planeten", u"Sternzeichen", u"Smiley", u"Karten", u"Pfeile"};

struct Entry {
    QStringView name;
    Category category;
};

// The position of an entry fixes its code, so the order here is part of the engine contract.
constexpr std::array<Entry, 52> kEntries{{
    {u"Schwert", Sonstiges},
    {u"Schild", Sonstiges},
    {u"Hexagramm", Sonstiges},
    {u"Sonne", Planeten},
    {u"Mond", Planeten},
    {u"Merkur", Planeten},
    {u"Venus", Planeten},
    {u"Venus (gespiegelt)", Planeten},
    {u"Mars", Planeten},
    {u"Jupiter", Planeten},
    {u"Saturn", Planeten},
    {u"Uranus", Planeten},
    {u"Neptun", Planeten},
    {u"Pluto", Planeten},
    {u"Widder", Sternzeichen},
    {u"Stier", Sternzeichen},
    {u"Zwillinge", Sternzeichen},
    {u"Krebs", Sternzeichen},
    {u"Löwe", Sternzeichen},
    {u"Jungrau", Sternzeichen},
    {u"Waage", Sternzeichen},
    {u"Skorpion", Sternzeichen},
    {u"Schütze", Sternzeichen},
    {u"Steinbock", Sternzeichen},
    {u"Wassermann", Sternzeichen},
    {u"Fische", Sternzeichen},
    {u"Smiley grinst", Smiley},
    {u"Smiley neutral", Smiley},
    {u"Smiley böse", Smiley},
    {u"Ein Tropfen", Smiley},
    {u"Zwei Tropfen", Smiley},
    {u"Pick leer", Karten},
    {u"Herz leer", Karten},
    {u"Karo leer", Karten},
    {u"Kreuz(leer)", Karten},
    {u"Pick(voll)", Karten},
    {u"Herz(voll)", Karten},
    {u"Karo(voll)", Karten},
    {u"Kreuz(voll)", Karten},
    {u"Totenkopf", Sonstiges},
    {u"Heiliges Kreuz", Sonstiges},
    {u"Sonne 2", Planeten},
    {u"Mond 2", Planeten},
    {u"Punkt", Sonstiges},
    {u"Pfeil nach Oben", Pfeile},
    {u"Pfeil nach Rechts", Pfeile},
    {u"Pfeil nach Unten", Pfeile},
    {u"Pfeil nach Links", Pfeile},
    {u"Pfeil nach Oben Rechts", Pfeile},
    {u"Pfeil nach Oben Links", Pfeile},
    {u"Pfeil nach Unten Rechts", Pfeile},
    {u"Pfeil nach Unten Links", Pfeile},
}};

// A missing row would leave an empty name at the end of the table.
static_assert(std::ranges::none_of(kEntries,
                                   [](const Entry &entry) { return entry.name.isEmpty(); }));

// "$A" to "$Z", then "$a" to "$z".
QString symbolCode(std::size_t index)
{
    const char16_t letter = index < 26 ? char16_t(u'A' + index) : char16_t(u'a' + (index - 26));
    return QStringLiteral("$") + QChar(letter);
}

} // namespace

QStringList symbolNames()
{
    return *symbolNamesIn(kCategoryNames[0]);
}

QStringList symbolCategoryNames()
{
    QStringList names;
    for (QStringView name : kCategoryNames)
        names.append(name.toString());
    return names;
}

std::optional<QStringList> symbolNamesIn(QStringView categoryName)
{
    const auto found = std::ranges::find(kCategoryNames, categoryName);
    if (found == kCategoryNames.end())
        return std::nullopt;
    const auto category = int(found - kCategoryNames.begin());
    QStringList names;
    for (const Entry &entry : kEntries) {
        if (category == 0 || entry.category == category)
            names.append(entry.name.toString());
    }
    return names;
}

std::optional<QString> symbolCodeOf(QStringView name)
{
    const auto found = std::ranges::find(kEntries, name, &Entry::name);
    if (found == kEntries.end())
        return std::nullopt;
    return symbolCode(std::size_t(found - kEntries.begin()));
}

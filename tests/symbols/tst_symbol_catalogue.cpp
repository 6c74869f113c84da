#include "symbols/symbol_catalogue.h"

#include <QTest>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

// The look-ups of the glyph catalogue, checked against the glyph table the engine expects.
class TestSymbolCatalogue : public QObject {
    Q_OBJECT

private slots:
    void entries_data();
    void entries();
    void codeOf_data();
    void codeOf();
    void categoryNames();
    void categoryEntries_data();
    void categoryEntries();
    void notACategory_data();
    void notACategory();
    void categoriesPartitionTheCatalogue();
};

namespace {

QList<int> range(int first, int last)
{
    QList<int> indexes;
    for (int index = first; index <= last; ++index)
        indexes.append(index);
    return indexes;
}

const QStringList kCategories{u"Alles"_s,  u"Sonstiges"_s, u"Planeten"_s, u"Sternzeichen"_s,
                              u"Smiley"_s, u"Karten"_s,    u"Pfeile"_s};

} // namespace

void TestSymbolCatalogue::entries_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("category");

    const struct {
        const char16_t *name;
        const char16_t *category;
    } table[] = {
        {u"Schwert", u"Sonstiges"},
        {u"Schild", u"Sonstiges"},
        {u"Hexagramm", u"Sonstiges"},
        {u"Sonne", u"Planeten"},
        {u"Mond", u"Planeten"},
        {u"Merkur", u"Planeten"},
        {u"Venus", u"Planeten"},
        {u"Venus (gespiegelt)", u"Planeten"},
        {u"Mars", u"Planeten"},
        {u"Jupiter", u"Planeten"},
        {u"Saturn", u"Planeten"},
        {u"Uranus", u"Planeten"},
        {u"Neptun", u"Planeten"},
        {u"Pluto", u"Planeten"},
        {u"Widder", u"Sternzeichen"},
        {u"Stier", u"Sternzeichen"},
        {u"Zwillinge", u"Sternzeichen"},
        {u"Krebs", u"Sternzeichen"},
        {u"L\u00f6we", u"Sternzeichen"},
        {u"Jungrau", u"Sternzeichen"},
        {u"Waage", u"Sternzeichen"},
        {u"Skorpion", u"Sternzeichen"},
        {u"Sch\u00fctze", u"Sternzeichen"},
        {u"Steinbock", u"Sternzeichen"},
        {u"Wassermann", u"Sternzeichen"},
        {u"Fische", u"Sternzeichen"},
        {u"Smiley grinst", u"Smiley"},
        {u"Smiley neutral", u"Smiley"},
        {u"Smiley b\u00f6se", u"Smiley"},
        {u"Ein Tropfen", u"Smiley"},
        {u"Zwei Tropfen", u"Smiley"},
        {u"Pick leer", u"Karten"},
        {u"Herz leer", u"Karten"},
        {u"Karo leer", u"Karten"},
        {u"Kreuz(leer)", u"Karten"},
        {u"Pick(voll)", u"Karten"},
        {u"Herz(voll)", u"Karten"},
        {u"Karo(voll)", u"Karten"},
        {u"Kreuz(voll)", u"Karten"},
        {u"Totenkopf", u"Sonstiges"},
        {u"Heiliges Kreuz", u"Sonstiges"},
        {u"Sonne 2", u"Planeten"},
        {u"Mond 2", u"Planeten"},
        {u"Punkt", u"Sonstiges"},
        {u"Pfeil nach Oben", u"Pfeile"},
        {u"Pfeil nach Rechts", u"Pfeile"},
        {u"Pfeil nach Unten", u"Pfeile"},
        {u"Pfeil nach Links", u"Pfeile"},
        {u"Pfeil nach Oben Rechts", u"Pfeile"},
        {u"Pfeil nach Oben Links", u"Pfeile"},
        {u"Pfeil nach Unten Rechts", u"Pfeile"},
        {u"Pfeil nach Unten Links", u"Pfeile"},
    };
    static_assert(std::size(table) == kSymbolCount);
    // The codes are written out rather than computed, so that a shifted letter shows up.
    const QString codes = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"_s;
    for (int index = 0; index < kSymbolCount; ++index) {
        const auto name = QString::fromUtf16(table[index].name);
        QTest::addRow("%d %s", index, qPrintable(name))
            << index << name << u"$"_s + codes.at(index)
            << QString::fromUtf16(table[index].category);
    }
}

void TestSymbolCatalogue::entries()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, code);
    QFETCH(QString, category);

    QCOMPARE(symbolName(index), name);
    QCOMPARE(symbolCode(index), code);
    QCOMPARE(symbolCodeOf(name), std::optional<QString>(code));
    const auto listed = symbolCategoryEntries(category);
    QVERIFY(listed);
    QVERIFY(listed->contains(index));
}

void TestSymbolCatalogue::codeOf_data()
{
    QTest::addColumn<QString>("text");
    // Empty: the text names no glyph.
    QTest::addColumn<QString>("code");

    QTest::newRow("Sonne") << u"Sonne"_s << u"$D"_s;
    QTest::newRow("Sonne 2") << u"Sonne 2"_s << u"$p"_s;
    QTest::newRow("Sonne2") << u"Sonne2"_s << QString();
    QTest::newRow("Mond") << u"Mond"_s << u"$E"_s;
    QTest::newRow("Mond 2") << u"Mond 2"_s << u"$q"_s;
    QTest::newRow("Mond 3") << u"Mond 3"_s << QString();
    QTest::newRow("Pfeil nach Unten") << u"Pfeil nach Unten"_s << u"$u"_s;
    QTest::newRow("Pfeil nach Unten Links") << u"Pfeil nach Unten Links"_s << u"$z"_s;
    QTest::newRow("prefix of a name") << u"Pfeil nach"_s << QString();
    QTest::newRow("Jungrau") << u"Jungrau"_s << u"$T"_s;
    QTest::newRow("Jungfrau") << u"Jungfrau"_s << QString();
    QTest::newRow("Schwert") << u"Schwert"_s << u"$A"_s;
    QTest::newRow("Smiley grinst") << u"Smiley grinst"_s << u"$a"_s;
    QTest::newRow("schwert") << u"schwert"_s << QString();
    QTest::newRow("SCHWERT") << u"SCHWERT"_s << QString();
    QTest::newRow("pfeil nach unten links") << u"pfeil nach unten links"_s << QString();
    QTest::newRow("Kreuz(leer)") << u"Kreuz(leer)"_s << u"$i"_s;
    QTest::newRow("Kreuz (leer)") << u"Kreuz (leer)"_s << QString();
    QTest::newRow("Kreuz leer") << u"Kreuz leer"_s << QString();
    QTest::newRow("Pick leer") << u"Pick leer"_s << u"$f"_s;
    QTest::newRow("Pick(leer)") << u"Pick(leer)"_s << QString();
    QTest::newRow("Pick  leer") << u"Pick  leer"_s << QString();
    QTest::newRow("Venus (gespiegelt)") << u"Venus (gespiegelt)"_s << u"$H"_s;
    QTest::newRow("Venus(gespiegelt)") << u"Venus(gespiegelt)"_s << QString();
    QTest::newRow("blank before") << u" Schwert"_s << QString();
    QTest::newRow("blank after") << u"Schwert "_s << QString();
    QTest::newRow("blank after two words") << u"Mond 2 "_s << QString();
    QTest::newRow("line break after") << u"Punkt\n"_s << QString();
    QTest::newRow("empty") << u""_s << QString();
    QTest::newRow("null") << QString() << QString();
    QTest::newRow("L\u00f6we") << u"L\u00f6we"_s << u"$S"_s;
    QTest::newRow("Loewe") << u"Loewe"_s << QString();
    // The same letter as o and a combining diaeresis: no normalisation takes place.
    QTest::newRow("Lo\u0308we") << u"Lo\u0308we"_s << QString();
    QTest::newRow("Sch\u00fctze") << u"Sch\u00fctze"_s << u"$W"_s;
    QTest::newRow("Smiley b\u00f6se") << u"Smiley b\u00f6se"_s << u"$c"_s;
    QTest::newRow("category name") << u"Smiley"_s << QString();
    QTest::newRow("a code") << u"$A"_s << QString();
}

void TestSymbolCatalogue::codeOf()
{
    QFETCH(QString, text);
    QFETCH(QString, code);

    const std::optional<QString> found = symbolCodeOf(text);
    if (code.isEmpty())
        QCOMPARE(found, std::nullopt);
    else
        QCOMPARE(found, std::optional<QString>(code));
}

void TestSymbolCatalogue::categoryNames()
{
    QCOMPARE(symbolCategoryNames(), kCategories);
}

void TestSymbolCatalogue::categoryEntries_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QList<int>>("entries");

    QTest::newRow("Alles") << u"Alles"_s << range(0, 51);
    QTest::newRow("Sonstiges") << u"Sonstiges"_s << QList<int>{0, 1, 2, 39, 40, 43};
    QTest::newRow("Planeten") << u"Planeten"_s << range(3, 13) + QList<int>{41, 42};
    QTest::newRow("Sternzeichen") << u"Sternzeichen"_s << range(14, 25);
    QTest::newRow("Smiley") << u"Smiley"_s << range(26, 30);
    QTest::newRow("Karten") << u"Karten"_s << range(31, 38);
    QTest::newRow("Pfeile") << u"Pfeile"_s << range(44, 51);
}

void TestSymbolCatalogue::categoryEntries()
{
    QFETCH(QString, category);
    QFETCH(QList<int>, entries);

    QCOMPARE(symbolCategoryEntries(category), std::optional<QList<int>>(entries));
}

void TestSymbolCatalogue::notACategory_data()
{
    QTest::addColumn<QString>("text");

    for (const QString &name : kCategories) {
        QTest::addRow("%s lower case", qPrintable(name)) << name.toLower();
        QTest::addRow("%s upper case", qPrintable(name)) << name.toUpper();
        QTest::addRow("%s blank before", qPrintable(name)) << u" "_s + name;
        QTest::addRow("%s blank after", qPrintable(name)) << name + u" "_s;
        QTest::addRow("%s shortened", qPrintable(name)) << name.chopped(1);
    }
    QTest::newRow("empty") << u""_s;
    QTest::newRow("null") << QString();
    QTest::newRow("Smileys") << u"Smileys"_s;
    QTest::newRow("a glyph name") << u"Schwert"_s;
    QTest::newRow("tab after") << u"Karten\t"_s;
}

void TestSymbolCatalogue::notACategory()
{
    QFETCH(QString, text);

    QCOMPARE(symbolCategoryEntries(text), std::nullopt);
}

void TestSymbolCatalogue::categoriesPartitionTheCatalogue()
{
    QList<int> all;
    for (const QString &name : kCategories.sliced(1)) {
        const auto entries = symbolCategoryEntries(name);
        QVERIFY(entries);
        QVERIFY2(!entries->isEmpty(), qPrintable(name));
        QVERIFY2(std::ranges::is_sorted(*entries), qPrintable(name));
        all += *entries;
    }
    std::ranges::sort(all);
    QCOMPARE(all, range(0, kSymbolCount - 1));
}

QTEST_APPLESS_MAIN(TestSymbolCatalogue)
#include "tst_symbol_catalogue.moc"

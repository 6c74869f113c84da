#include "symbols/symbol_catalogue.h"

#include <QTest>

class TestSymbolCatalogue : public QObject {
    Q_OBJECT

private slots:
    void names()
    {
        // Their order fixes the codes: "$A" to "$Z", then "$a" to "$z".
        const QStringList upper{"Schwert",    "Schild",   "Hexagramm", "Sonne",
                                "Mond",       "Merkur",   "Venus",     "Venus (gespiegelt)",
                                "Mars",       "Jupiter",  "Saturn",    "Uranus",
                                "Neptun",     "Pluto",    "Widder",    "Stier",
                                "Zwillinge",  "Krebs",    "Löwe",      "Jungrau",
                                "Waage",      "Skorpion", "Schütze",   "Steinbock",
                                "Wassermann", "Fische"};
        const QStringList lower{"Smiley grinst", "Smiley neutral", "Smiley böse",    "Ein Tropfen",
                                "Zwei Tropfen",  "Pick leer",      "Herz leer",      "Karo leer",
                                "Kreuz(leer)",   "Pick(voll)",     "Herz(voll)",     "Karo(voll)",
                                "Kreuz(voll)",   "Totenkopf",      "Heiliges Kreuz", "Sonne 2",
                                "Mond 2",        "Punkt"};
        const QStringList arrows{"Pfeil nach Oben",         "Pfeil nach Rechts",
                                 "Pfeil nach Unten",        "Pfeil nach Links",
                                 "Pfeil nach Oben Rechts",  "Pfeil nach Oben Links",
                                 "Pfeil nach Unten Rechts", "Pfeil nach Unten Links"};
        QCOMPARE(symbolNames(), upper + lower + arrows);
        QCOMPARE(symbolCategoryNames(),
                 QStringList({"Alles", "Sonstiges", "Planeten", "Sternzeichen", "Smiley", "Karten",
                              "Pfeile"}));
    }

    void category_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QList<int>>("entries"); // indexes into all names; none: no category

        QList<int> all(52);
        std::iota(all.begin(), all.end(), 0);
        QTest::newRow("Alles") << "Alles" << all;
        QTest::newRow("Sonstiges") << "Sonstiges" << QList<int>{0, 1, 2, 39, 40, 43};
        QTest::newRow("Planeten") << "Planeten" << all.mid(3, 11) + QList<int>{41, 42};
        QTest::newRow("Sternzeichen") << "Sternzeichen" << all.mid(14, 12);
        QTest::newRow("Smiley") << "Smiley" << all.mid(26, 5);
        QTest::newRow("Karten") << "Karten" << all.mid(31, 8);
        QTest::newRow("Pfeile") << "Pfeile" << all.mid(44, 8);
        for (const char *text : {"alles", " Karten", "Pfeile ", "Alle", ""})
            QTest::addRow("'%s'", text) << text << QList<int>();
    }
    void category()
    {
        QFETCH(QString, category);
        QFETCH(QList<int>, entries);
        QStringList expected;
        for (int index : entries)
            expected << symbolNames().at(index);
        QCOMPARE(symbolNamesIn(category).value_or(QStringList()), expected);
        QCOMPARE(symbolNamesIn(category).has_value(), !entries.isEmpty());
    }

    void code_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code"); // empty: no glyph has this name
        const auto row = [](const char *name, const char *code) {
            QTest::addRow("'%s'", name) << name << code;
        };
        row("Schwert", "$A");
        row("schwert", "");
        row(" Schwert", "");
        row("Fische", "$Z");
        row("Smiley grinst", "$a");
        row("Pfeil nach Unten Links", "$z");
        row("Sonne 2", "$p");
        row("Sonne2", "");
        row("Mond", "$E");
        row("Kreuz (leer)", "");
        row("", "");
    }
    void code()
    {
        QFETCH(QString, name);
        QFETCH(QString, code);
        QCOMPARE(symbolCodeOf(name).value_or(QString()), code);
    }
};

QTEST_APPLESS_MAIN(TestSymbolCatalogue)
#include "tst_symbol_catalogue.moc"

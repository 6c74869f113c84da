#include "symbols/symbol_catalogue.h"

#include <QTest>

#include <numeric>

using namespace Qt::Literals::StringLiterals;

// The look-ups where a near miss is easy: names that begin other names, case, blanks, brackets.
class TestSymbolCatalogue : public QObject {
    Q_OBJECT

    static QList<int> range(int first, int last)
    {
        QList<int> indexes(last - first + 1);
        std::iota(indexes.begin(), indexes.end(), first);
        return indexes;
    }

private slots:
    void codeOf_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code");
        // The text, a colon and the code it gives ("-": no glyph has this name).
        const QStringList letters{u"Schwert:$A"_s,       u"schwert:-"_s,    u"Fische:$Z"_s,
                                  u"Smiley grinst:$a"_s, u"L\u00f6we:$S"_s, u"Jungrau:$T"_s,
                                  u"Jungfrau:-"_s};
        const QStringList prefixes{u"Sonne:$D"_s,  u"Sonne 2:$p"_s, u"Sonne2:-"_s,    u"Mond:$E"_s,
                                   u"Mond 2:$q"_s, u"Mond 2 :-"_s,  u"Pfeil nach:-"_s};
        const QStringList arrows{u"Pfeil nach Unten:$u"_s, u"Pfeil nach Unten Links:$z"_s};
        const QStringList spacing{u"Kreuz(leer):$i"_s, u"Kreuz (leer):-"_s, u"Kreuz leer:-"_s,
                                  u"Pick leer:$f"_s,   u"Pick(leer):-"_s,   u"Pick  leer:-"_s,
                                  u" Schwert:-"_s,     u"Smiley:-"_s,       u":-"_s};
        for (const QString &row : letters + prefixes + arrows + spacing) {
            const QStringList parts = row.split(u':');
            QTest::addRow("'%s'", qPrintable(parts[0])) << parts[0] << parts[1];
        }
        // Names are unique, so each leads back to its own code.
        for (int index = 0; index < kSymbolCount; ++index)
            QTest::addRow("%d", index) << symbolName(index) << symbolCode(index);
    }
    void codeOf()
    {
        QFETCH(QString, text);
        QFETCH(QString, code);
        QCOMPARE(symbolCodeOf(text).value_or(u"-"_s), code);
    }

    // The six categories share out the 52 entries, each once.
    void categoryEntries_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");       // among the names offered; -1: not a category name
        QTest::addColumn<QList<int>>("entries"); // {-1}: none
        QTest::newRow("Alles") << u"Alles"_s << 0 << range(0, 51);
        QTest::newRow("Sonstiges") << u"Sonstiges"_s << 1 << QList<int>{0, 1, 2, 39, 40, 43};
        QTest::newRow("Planeten") << u"Planeten"_s << 2 << range(3, 13) + QList<int>{41, 42};
        QTest::newRow("Sternzeichen") << u"Sternzeichen"_s << 3 << range(14, 25);
        QTest::newRow("Smiley") << u"Smiley"_s << 4 << range(26, 30);
        QTest::newRow("Karten") << u"Karten"_s << 5 << range(31, 38);
        QTest::newRow("Pfeile") << u"Pfeile"_s << 6 << range(44, 51);
        for (const QString &text : {u"alles"_s, u"PLANETEN"_s, u" Karten"_s, u"Pfeile "_s,
                                    u"Smileys"_s, u"Alle"_s, QString()})
            QTest::addRow("'%s'", qPrintable(text)) << text << -1 << QList<int>{-1};
    }
    void categoryEntries()
    {
        QFETCH(QString, text);
        QFETCH(int, position);
        QFETCH(QList<int>, entries);
        QCOMPARE(symbolCategoryNames().indexOf(text), position);
        QCOMPARE(symbolCategoryEntries(text).value_or(QList<int>{-1}), entries);
    }
};

QTEST_APPLESS_MAIN(TestSymbolCatalogue)
#include "tst_symbol_catalogue.moc"

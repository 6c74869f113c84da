#include "codes/alignment_settings.h"
#include "test_session.h"

#include <QTest>

namespace {

const QString kFaceOn = QStringLiteral("Face On");
const QString kFaceOff = QStringLiteral("Face Off");

// A session whose stored lines and output carry recognisable texts, to see that settings leave
// them.
struct SettingsSession : TestSession {
    SettingsSession(int mode, int width)
    {
        state.AusrichtungsModus = qint16(mode);
        state.Zeilenbreite = qint16(width);
        state.MsgZeilen = {QStringLiteral("0"), QStringLiteral(" eins"), QStringLiteral("\\C[2]"),
                           QString(), QStringLiteral("vier\\^")};
        window.ausgabe = QStringLiteral("alt");
    }

    void verifyOnlySettingsChanged() const
    {
        QCOMPARE(state.MsgZeilen[0], QStringLiteral("0"));
        QCOMPARE(state.MsgZeilen[1], QStringLiteral(" eins"));
        QCOMPARE(state.MsgZeilen[2], QStringLiteral("\\C[2]"));
        QCOMPARE(state.MsgZeilen[3], QString());
        QCOMPARE(state.MsgZeilen[4], QStringLiteral("vier\\^"));
        QCOMPARE(window.ausgabe, QStringLiteral("alt"));
        QCOMPARE(window.ausgabeWrites, 0);
    }
};

QStringList messageTexts(const ScriptedDialogs &dialogs)
{
    QStringList texts;
    for (const auto &message : dialogs.messages)
        texts << message.text + u'|' + message.title;
    return texts;
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void menuAlignment_data();
    void menuAlignment();
    void menuAlignmentFails_data();
    void menuAlignmentFails();
    void menuFace_data();
    void menuFace();
    void toolbar_data();
    void toolbar();
    void toolbarSequenceAfterStart();
    void menuFaceTwiceAfterStart();
};

void TestSettings::menuAlignment_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("modeBefore");
    QTest::addColumn<int>("widthBefore");
    QTest::addColumn<int>("modeAfter");
    QTest::addColumn<int>("widthAfter");

    QTest::newRow("1 at 50") << "1" << 2 << 50 << 1 << 50;
    QTest::newRow("1 at 38") << "1" << 2 << 38 << 1 << 26;
    QTest::newRow("1 at 26") << "1" << 1 << 26 << 1 << 26;
    QTest::newRow("2 at 50") << "2" << 1 << 50 << 2 << 50;
    QTest::newRow("2 at 38") << "2" << 3 << 38 << 2 << 38;
    QTest::newRow("2 at 26") << "2" << 1 << 26 << 2 << 38;
    QTest::newRow("3 at 50") << "3" << 1 << 50 << 3 << 50;
    QTest::newRow("3 at 38") << "3" << 2 << 38 << 3 << 38;
    QTest::newRow("3 at 26") << "3" << 1 << 26 << 3 << 38;
    QTest::newRow("9 at 50") << "9" << 1 << 50 << 9 << 50;
    QTest::newRow("9 at 38") << "9" << 1 << 38 << 9 << 38;
    QTest::newRow("9 at 26") << "9" << 1 << 26 << 9 << 38;
    QTest::newRow("0 at 50") << "0" << 1 << 50 << 0 << 50;
    QTest::newRow("0 at 38") << "0" << 2 << 38 << 0 << 38;
    QTest::newRow("0 at 26") << "0" << 1 << 26 << 0 << 38;
    QTest::newRow("-7 at 50") << "-7" << 1 << 50 << -7 << 50;
    QTest::newRow("-7 at 38") << "-7" << 2 << 38 << -7 << 38;
    QTest::newRow("-7 at 26") << "-7" << 1 << 26 << -7 << 38;
    QTest::newRow("blanks around") << " 2 " << 1 << 26 << 2 << 38;
    QTest::newRow("rounded to 1") << "1,4" << 3 << 38 << 1 << 26;
    QTest::newRow("half to even 2") << "2,5" << 1 << 26 << 2 << 38;
    QTest::newRow("half to even 0") << "0,5" << 1 << 50 << 0 << 50;
    QTest::newRow("largest") << "32767" << 1 << 26 << 32767 << 38;
    QTest::newRow("smallest") << "-32768" << 1 << 26 << -32768 << 38;
}

void TestSettings::menuAlignment()
{
    QFETCH(QString, answer);
    QFETCH(int, modeBefore);
    QFETCH(int, widthBefore);
    QFETCH(int, modeAfter);
    QFETCH(int, widthAfter);

    SettingsSession t(modeBefore, widthBefore);
    t.dialogs.answers = {answer};
    askAlignment(t.session);

    QCOMPARE(t.dialogs.questions.size(), 1);
    QCOMPARE(t.dialogs.questions[0].prompt,
             QStringLiteral("Ausrichtung: 1 = Zentriert ; 2 = Rechtsbündig ; 3 = Linksbündig"));
    QCOMPARE(t.dialogs.questions[0].title, QStringLiteral("Ausrichtung"));
    QCOMPARE(t.dialogs.questions[0].defaultAnswer, QStringLiteral("1"));
    QCOMPARE(int(t.state.AusrichtungsModus), modeAfter);
    QCOMPARE(int(t.state.Zeilenbreite), widthAfter);
    QVERIFY(t.dialogs.messages.isEmpty());
    t.verifyOnlySettingsChanged();
}

void TestSettings::menuAlignmentFails_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("width");

    const QList<std::pair<int, int>> settings{{1, 50}, {1, 26}, {2, 38}, {3, 50}, {9, 38}};
    const QList<std::pair<const char *, QStringList>> answers{
        {"cancelled", {}},
        {"emptied", {QStringLiteral("")}},
        {"blanks", {QStringLiteral("  ")}},
        {"letters", {QStringLiteral("abc")}},
        {"point in German", {QStringLiteral("1.5")}},
        {"above 16 bit", {QStringLiteral("32768")}},
        {"rounds above 16 bit", {QStringLiteral("32767,5")}},
        {"below 16 bit", {QStringLiteral("-32769")}},
        {"infinite", {QStringLiteral("inf")}},
    };
    for (const auto &[name, script] : answers)
        for (const auto &[mode, width] : settings)
            QTest::addRow("%s, mode %d width %d", name, mode, width) << script << mode << width;
}

void TestSettings::menuAlignmentFails()
{
    QFETCH(QStringList, answers);
    QFETCH(int, mode);
    QFETCH(int, width);

    SettingsSession t(mode, width);
    t.dialogs.answers = answers;
    askAlignment(t.session);

    // Asked once: a failed answer is never asked again.
    QCOMPARE(t.dialogs.questions.size(), 1);
    QCOMPARE(int(t.state.AusrichtungsModus), mode);
    QCOMPARE(int(t.state.Zeilenbreite), width);
    QVERIFY(t.dialogs.messages.isEmpty());
    t.verifyOnlySettingsChanged();
}

void TestSettings::menuFace_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("widthBefore");
    QTest::addColumn<int>("widthAfter");
    QTest::addColumn<QString>("message");

    const QString on = QStringLiteral("Messages mit Faces|") + kFaceOn;
    const QString off = QStringLiteral("Messages ohne Faces|") + kFaceOff;
    QTest::newRow("centred 50") << 1 << 50 << 38 << on;
    QTest::newRow("right 50") << 2 << 50 << 38 << on;
    QTest::newRow("left 50") << 3 << 50 << 38 << on;
    QTest::newRow("mode 0 50") << 0 << 50 << 38 << on;
    QTest::newRow("centred 26") << 1 << 26 << 50 << off;
    QTest::newRow("centred 38") << 1 << 38 << 50 << off;
    QTest::newRow("right 38") << 2 << 38 << 50 << off;
    QTest::newRow("left 38") << 3 << 38 << 50 << off;
}

void TestSettings::menuFace()
{
    QFETCH(int, mode);
    QFETCH(int, widthBefore);
    QFETCH(int, widthAfter);
    QFETCH(QString, message);

    SettingsSession t(mode, widthBefore);
    toggleFaceFromMenu(t.session);

    QCOMPARE(int(t.state.AusrichtungsModus), mode);
    QCOMPARE(int(t.state.Zeilenbreite), widthAfter);
    QCOMPARE(messageTexts(t.dialogs), QStringList{message});
    QVERIFY(t.dialogs.questions.isEmpty());
    t.verifyOnlySettingsChanged();
}

void TestSettings::toolbar_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("modeBefore");
    QTest::addColumn<int>("widthBefore");
    QTest::addColumn<int>("modeAfter");
    QTest::addColumn<int>("widthAfter");
    QTest::addColumn<QStringList>("messages");

    const QStringList none;
    const QStringList on{QStringLiteral("Faces ON|") + kFaceOn};
    const QStringList off{QStringLiteral("Faces OFF|") + kFaceOff};

    QTest::newRow("Zentriert at 50") << "Zentriert" << 2 << 50 << 1 << 50 << none;
    QTest::newRow("Zentriert at 38") << "Zentriert" << 3 << 38 << 1 << 26 << none;
    QTest::newRow("Zentriert at 26") << "Zentriert" << 1 << 26 << 1 << 26 << none;
    QTest::newRow("Rechts at 50") << "Rechts" << 1 << 50 << 2 << 50 << none;
    QTest::newRow("Rechts at 38") << "Rechts" << 3 << 38 << 2 << 38 << none;
    QTest::newRow("Rechts at 26") << "Rechts" << 1 << 26 << 2 << 38 << none;
    QTest::newRow("Links at 50") << "Links" << 1 << 50 << 3 << 50 << none;
    QTest::newRow("Links at 38") << "Links" << 2 << 38 << 3 << 38 << none;
    QTest::newRow("Links at 26") << "Links" << 1 << 26 << 3 << 38 << none;
    QTest::newRow("face on centred") << "Face On/Off" << 1 << 50 << 1 << 26 << on;
    QTest::newRow("face on right") << "Face On/Off" << 2 << 50 << 2 << 38 << on;
    QTest::newRow("face on left") << "Face On/Off" << 3 << 50 << 3 << 38 << on;
    QTest::newRow("face on mode 9") << "Face On/Off" << 9 << 50 << 9 << 38 << on;
    QTest::newRow("face off from 26") << "Face On/Off" << 1 << 26 << 1 << 50 << off;
    QTest::newRow("face off from 38") << "Face On/Off" << 2 << 38 << 2 << 50 << off;
    QTest::newRow("face off centred 38") << "Face On/Off" << 1 << 38 << 1 << 50 << off;
    for (const char *unknown :
         {"zentriert", "RECHTS", "Links ", " Links", "&Links", "Face on/off", "Face On", "", "?"})
        QTest::addRow("unknown \"%s\"", unknown) << unknown << 2 << 38 << 2 << 38 << none;
    QTest::newRow("unknown at 26") << "Rechtsbündig" << 1 << 26 << 1 << 26 << none;
}

void TestSettings::toolbar()
{
    QFETCH(QString, button);
    QFETCH(int, modeBefore);
    QFETCH(int, widthBefore);
    QFETCH(int, modeAfter);
    QFETCH(int, widthAfter);
    QFETCH(QStringList, messages);

    SettingsSession t(modeBefore, widthBefore);
    toolbarButtonClicked(t.session, button);

    QCOMPARE(int(t.state.AusrichtungsModus), modeAfter);
    QCOMPARE(int(t.state.Zeilenbreite), widthAfter);
    QCOMPARE(messageTexts(t.dialogs), messages);
    QVERIFY(t.dialogs.questions.isEmpty());
    t.verifyOnlySettingsChanged();
}

void TestSettings::toolbarSequenceAfterStart()
{
    TestSession t;
    QCOMPARE(t.state.AusrichtungsModus, qint16(1));
    QCOMPARE(t.state.Zeilenbreite, qint16(50));

    toolbarButtonClicked(t.session, QStringLiteral("Face On/Off"));
    QCOMPARE(t.state.Zeilenbreite, qint16(26));
    toolbarButtonClicked(t.session, QStringLiteral("Rechts"));
    QCOMPARE(t.state.AusrichtungsModus, qint16(2));
    QCOMPARE(t.state.Zeilenbreite, qint16(38));
    toolbarButtonClicked(t.session, QStringLiteral("Zentriert"));
    QCOMPARE(t.state.AusrichtungsModus, qint16(1));
    QCOMPARE(t.state.Zeilenbreite, qint16(26));
    toolbarButtonClicked(t.session, QStringLiteral("Face On/Off"));
    QCOMPARE(t.state.Zeilenbreite, qint16(50));

    QCOMPARE(messageTexts(t.dialogs), (QStringList{QStringLiteral("Faces ON|Face On"),
                                                   QStringLiteral("Faces OFF|Face Off")}));
}

void TestSettings::menuFaceTwiceAfterStart()
{
    TestSession t;
    toggleFaceFromMenu(t.session);
    QCOMPARE(t.state.Zeilenbreite, qint16(38));
    QCOMPARE(t.state.AusrichtungsModus, qint16(1));
    toggleFaceFromMenu(t.session);
    QCOMPARE(t.state.Zeilenbreite, qint16(50));
    QCOMPARE(messageTexts(t.dialogs),
             (QStringList{QStringLiteral("Messages mit Faces|Face On"),
                          QStringLiteral("Messages ohne Faces|Face Off")}));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"

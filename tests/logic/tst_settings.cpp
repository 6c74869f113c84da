#include "codes/alignment_settings.h"
#include "test_session.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void changes_data();
    void changes();
};

void TestSettings::changes_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QList<int>>("settings");
    QTest::addColumn<QString>("dialogs");

    // Mode and width before and after; the questions and messages the command showed.
    const auto row = [](const QString &command, const QString &answer, QList<int> settings,
                        const QString &dialogs = {}) {
        QTest::addRow("%s '%s' at %d/%d", qPrintable(command), qPrintable(answer), settings[0],
                      settings[1])
            << command << answer << settings << dialogs;
    };
    const QString ask = u"Ausrichtung: 1 = Zentriert ; 2 = Rechtsbündig ; 3 = Linksbündig|"
                        u"Ausrichtung|1"_s;
    row(u"Ausrichtung"_s, u"1"_s, {2, 38, 1, 26}, ask);
    row(u"Ausrichtung"_s, u"1"_s, {2, 50, 1, 50}, ask);
    row(u"Ausrichtung"_s, u"2,5"_s, {1, 26, 2, 38}, ask);
    row(u"Ausrichtung"_s, u"2"_s, {1, 50, 2, 50}, ask);
    row(u"Ausrichtung"_s, u"3"_s, {2, 38, 3, 38}, ask);
    row(u"Ausrichtung"_s, u"-9"_s, {1, 26, -9, 38}, ask);
    // A failed answer changes nothing, not even to a default, and is not asked again.
    for (const QString &failed : {QString(), u"abc"_s, u"32768"_s})
        row(u"Ausrichtung"_s, failed, {2, 38, 2, 38}, ask);

    row(u"Face"_s, {}, {1, 50, 1, 38}, u"Messages mit Faces|Face On"_s);
    row(u"Face"_s, {}, {1, 26, 1, 50}, u"Messages ohne Faces|Face Off"_s);
    row(u"Face"_s, {}, {3, 38, 3, 50}, u"Messages ohne Faces|Face Off"_s);

    row(u"Zentriert"_s, {}, {3, 38, 1, 26});
    row(u"Rechts"_s, {}, {1, 26, 2, 38});
    row(u"Links"_s, {}, {1, 26, 3, 38});
    row(u"Face On/Off"_s, {}, {1, 50, 1, 26}, u"Faces ON|Face On"_s);
    row(u"Face On/Off"_s, {}, {2, 50, 2, 38}, u"Faces ON|Face On"_s);
    row(u"Face On/Off"_s, {}, {1, 26, 1, 50}, u"Faces OFF|Face Off"_s);
    row(u"Face On/Off"_s, {}, {2, 38, 2, 50}, u"Faces OFF|Face Off"_s);
    for (const QString &unknown : {u"rechts"_s, u"Face On"_s})
        row(unknown, {}, {1, 26, 1, 26});
}

void TestSettings::changes()
{
    QFETCH(QString, command);
    QFETCH(QString, answer);
    QFETCH(QList<int>, settings);
    QFETCH(QString, dialogs);

    TestSession t;
    t.state.AusrichtungsModus = qint16(settings[0]);
    t.state.Zeilenbreite = qint16(settings[1]);
    t.dialogs.answers = {answer};
    if (command == u"Ausrichtung")
        askAlignment(t.session);
    else if (command == u"Face")
        toggleFaceFromMenu(t.session);
    else
        toolbarButtonClicked(t.session, command);

    QCOMPARE(QList<int>({t.state.AusrichtungsModus, t.state.Zeilenbreite}), settings.mid(2));
    QStringList shown;
    for (const auto &q : t.dialogs.questions)
        shown << q.prompt + u'|' + q.title + u'|' + q.defaultAnswer;
    for (const auto &m : t.dialogs.messages)
        shown << m.text + u'|' + m.title;
    QCOMPARE(shown.join(u';'), dialogs);
    QCOMPARE(t.window.ausgabeWrites, 0);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"

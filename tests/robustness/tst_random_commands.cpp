#include "command_model.h"
#include "random_steps.h"
#include "test_session.h"

#include "codes/alignment_settings.h"
#include "codes/colour_speed.h"
#include "codes/delay_close.h"
#include "layout/clearing.h"
#include "layout/evaluation.h"

#include <QTest>

Q_DECLARE_METATYPE(CommandStep)

namespace {

constexpr quint32 kDefaultStart = 20261207;
constexpr int kDefaultSequences = 4000;
constexpr int kMaxSteps = 30;

void applyToSession(const CommandStep &step, TestSession &t)
{
    t.dialogs.answers.clear();
    for (const StepAnswer &answer : step.answers)
        t.dialogs.answers.append(answer.text);
    t.dialogs.questions.clear();
    t.dialogs.messages.clear();
    switch (step.command) {
    case Command::TypeLine:
        t.window.setZeile(step.index, step.text);
        break;
    case Command::Evaluate:
        evaluate(t.session);
        break;
    case Command::ClearLine:
        clearLine(t.window, step.index);
        break;
    case Command::ClearAllLines:
        clearAllLines(t.window);
        break;
    case Command::Alignment:
        askAlignment(t.session);
        break;
    case Command::MenuFace:
        toggleFaceFromMenu(t.session);
        break;
    case Command::ToolbarButton:
        toolbarButtonClicked(t.session, step.text);
        break;
    case Command::Colour:
        addColour(t.session);
        break;
    case Command::Speed:
        addSpeed(t.session);
        break;
    case Command::Pause:
        addPause(t.session);
        break;
    case Command::AutoClose:
        addAutoClose(t.session);
        break;
    }
}

QString mismatch(const QString &what, const QString &expected, const QString &actual)
{
    return QStringLiteral("%1: expected %2, got %3")
        .arg(what, printable(expected), printable(actual));
}

// The first way in which the program differs from the model after a step; empty if none.
QString firstDifference(const CommandModel &model, const TestSession &t, int writesBefore)
{
    for (int i = 0; i < 4; ++i) {
        if (t.window.lines[i] != model.input[i])
            return mismatch(QStringLiteral("input line %1").arg(i), model.input[i],
                            t.window.lines[i]);
    }
    for (int n = 0; n <= 4; ++n) {
        if (t.state.MsgZeilen[n] != model.stored[n])
            return mismatch(QStringLiteral("MsgZeilen(%1)").arg(n), model.stored[n],
                            t.state.MsgZeilen[n]);
    }
    if (t.state.AusrichtungsModus != model.mode || t.state.Zeilenbreite != model.width)
        return QStringLiteral("settings: expected mode %1 width %2, got mode %3 width %4")
            .arg(model.mode)
            .arg(model.width)
            .arg(t.state.AusrichtungsModus)
            .arg(t.state.Zeilenbreite);
    if (t.window.ausgabe != model.output)
        return mismatch(QStringLiteral("output"), model.output, t.window.ausgabe);
    if ((t.window.ausgabeWrites > writesBefore) != model.outputRebuilt)
        return model.outputRebuilt ? QStringLiteral("output was not rebuilt")
                                   : QStringLiteral("output was rebuilt");
    const auto &questions = t.dialogs.questions;
    for (qsizetype q = 0; q < std::max(questions.size(), model.questions.size()); ++q) {
        if (q >= questions.size() || q >= model.questions.size())
            return QStringLiteral("questions: expected %1, got %2")
                .arg(model.questions.size())
                .arg(questions.size());
        const auto &expected = model.questions[q];
        const auto &actual = questions[q];
        if (actual.prompt != expected.prompt || actual.title != expected.title ||
            actual.defaultAnswer != expected.defaultAnswer)
            return mismatch(QStringLiteral("question %1").arg(q),
                            expected.title + u'|' + expected.prompt + u'|' + expected.defaultAnswer,
                            actual.title + u'|' + actual.prompt + u'|' + actual.defaultAnswer);
    }
    const auto &messages = t.dialogs.messages;
    for (qsizetype m = 0; m < std::max(messages.size(), model.messages.size()); ++m) {
        if (m >= messages.size() || m >= model.messages.size())
            return QStringLiteral("messages: expected %1, got %2")
                .arg(model.messages.size())
                .arg(messages.size());
        const auto &expected = model.messages[m];
        const auto &actual = messages[m];
        if (actual.text != expected.text || actual.title != expected.title)
            return mismatch(QStringLiteral("message %1").arg(m),
                            expected.title + u'|' + expected.text,
                            actual.title + u'|' + actual.text);
    }
    return QString();
}

// Runs the steps on the program and on the model. On the first difference it prints the steps
// that led to it and returns the difference; empty if there was none.
QString runSideBySide(const QList<CommandStep> &steps, TestSession &t, CommandModel &model)
{
    model.input = t.window.lines;
    for (qsizetype s = 0; s < steps.size(); ++s) {
        const int writesBefore = t.window.ausgabeWrites;
        applyToSession(steps[s], t);
        model.apply(steps[s]);
        const QString difference = firstDifference(model, t, writesBefore);
        if (difference.isEmpty())
            continue;
        for (qsizetype done = 0; done <= s; ++done)
            qWarning("step %lld: %s", qlonglong(done), qPrintable(describe(steps[done])));
        return QStringLiteral("after step %1: %2").arg(s).arg(difference);
    }
    return QString();
}

StepAnswer answer(const QString &text, std::optional<qint64> hundredths)
{
    return {text, hundredths};
}

CommandStep step(Command command, QList<StepAnswer> answers = {})
{
    return {command, 0, QString(), answers};
}

CommandStep typeLine(int index, const QString &text)
{
    return {Command::TypeLine, index, text, {}};
}

CommandStep toolbar(const QString &text)
{
    return {Command::ToolbarButton, 0, text, {}};
}

QString blanks(int count)
{
    return QString(count, u' ');
}

quint32 environmentNumber(const char *name, quint32 fallback)
{
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

} // namespace

class TestRandomCommands : public QObject {
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void randomSequences_data();
    void randomSequences();
};

// Fixed stories with known results keep the model itself honest.
void TestRandomCommands::workedExamples_data()
{
    QTest::addColumn<QList<CommandStep>>("steps");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("lastMessages");

    const QString crlf = QStringLiteral("\r\n");
    const auto empties = [](QList<CommandStep> steps) {
        for (int i = 3; i >= 0; --i)
            steps.prepend(typeLine(i, QString()));
        return steps;
    };

    QTest::newRow("typical message")
        << empties({typeLine(0, QStringLiteral("Hallo Welt!")), step(Command::Evaluate),
                    step(Command::Colour, {answer("1", 100), answer("4", 400)}),
                    step(Command::AutoClose, {answer("2", 200)})})
        << QStringLiteral("\\C[4]") + blanks(20) + QStringLiteral("Hallo Welt!\\C[0]") + crlf +
               blanks(25) + crlf + blanks(25) + crlf + blanks(25) + QStringLiteral("\\.\\.\\^")
        << QStringList();
    QTest::newRow("centred face width 26")
        << empties({toolbar(QStringLiteral("Face On/Off")), typeLine(0, QString(20, u'a')),
                    typeLine(1, QString(27, u'b')), typeLine(2, QString(38, u'c')),
                    typeLine(3, QString(40, u'd')), step(Command::Evaluate)})
        << blanks(3) + QString(20, u'a') + crlf + blanks(6) + QString(27, u'b') + crlf + blanks(1) +
               QString(38, u'c') + crlf + blanks(1) + QString(40, u'd')
        << QStringList{QStringLiteral("Die  4. Zeile ist  2 Zeichen zu lang.")};
    QTest::newRow("right aligned never warns")
        << empties({toolbar(QStringLiteral("Rechts")), typeLine(0, QString(30, u'x')),
                    typeLine(1, QString(70, u'y')), step(Command::Evaluate)})
        << blanks(20) + QString(30, u'x') + crlf + blanks(1) + QString(70, u'y') + crlf +
               blanks(50) + crlf + blanks(50)
        << QStringList();
    QTest::newRow("speed on line 6 ends the command")
        << empties({step(Command::Speed, {answer("6", 600), answer("15", 1500)})}) << QString()
        << QStringList();
    QTest::newRow("halves go to the even neighbour")
        << empties({step(Command::Colour, {answer("2,5", 250), answer("3,5", 350)})})
        << crlf + QStringLiteral("\\C[4]\\C[0]") + crlf + crlf << QStringList();
    QTest::newRow("out-of-range answers ask both again")
        << empties({step(Command::Colour,
                         {answer("5", 500), answer("1", 100), answer("2", 200), answer("20", 2000),
                          answer("0", 0), answer("3", 300), answer("2", 200), answer("5", 500)})})
        << crlf + QStringLiteral("\\C[5]\\C[0]") + crlf + crlf << QStringList();
    QTest::newRow("any alignment number is kept")
        << empties({toolbar(QStringLiteral("Face On/Off")),
                    step(Command::Alignment, {answer("9", 900)}), typeLine(0, QString(60, u'z')),
                    step(Command::Evaluate)})
        << QString(60, u'z') + crlf + crlf + crlf << QStringList();
    QTest::newRow("menu face turns on width 38")
        << empties(
               {step(Command::MenuFace), typeLine(0, QString(40, u'q')), step(Command::Evaluate)})
        << blanks(1) + QString(40, u'q') + crlf + blanks(19) + crlf + blanks(19) + crlf + blanks(19)
        << QStringList{QStringLiteral("Die  1. Zeile ist  2 Zeichen zu lang.")};
}

void TestRandomCommands::workedExamples()
{
    QFETCH(QList<CommandStep>, steps);
    QFETCH(QString, output);
    QFETCH(QStringList, lastMessages);

    TestSession t;
    CommandModel model;
    const QString difference = runSideBySide(steps, t, model);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QCOMPARE(t.window.ausgabe, output);
    QCOMPARE(model.output, output);
    QStringList shown;
    for (const auto &message : model.messages)
        shown << message.text;
    QCOMPARE(shown, lastMessages);
}

void TestRandomCommands::randomSequences_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QChar>("decimalPoint");
    QTest::addColumn<QChar>("groupSeparator");

    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << QChar(u',')
                            << QChar(u'.');
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << QChar(u'.')
                             << QChar(u',');
}

// Replay one failing sequence with TARVOLIN_ORACLE_START and TARVOLIN_ORACLE_ONLY.
void TestRandomCommands::randomSequences()
{
    QFETCH(QLocale, locale);
    QFETCH(QChar, decimalPoint);
    QFETCH(QChar, groupSeparator);

    const quint32 start = environmentNumber("TARVOLIN_ORACLE_START", kDefaultStart);
    quint32 first = 0;
    quint32 end = environmentNumber("TARVOLIN_ORACLE_SEQUENCES", kDefaultSequences);
    if (qEnvironmentVariableIsSet("TARVOLIN_ORACLE_ONLY")) {
        first = environmentNumber("TARVOLIN_ORACLE_ONLY", 0);
        end = first + 1;
    }

    qint64 steps = 0;
    for (quint32 index = first; index < end; ++index) {
        // The locale takes part, so that each locale row runs sequences of its own.
        std::seed_seq state{start, index, quint32(decimalPoint.unicode())};
        std::mt19937 rng(state);
        StepGenerator generator(rng, {decimalPoint, groupSeparator});
        QList<CommandStep> sequence;
        for (int i = 0; i < 4; ++i)
            sequence.append(typeLine(i, generator.randomLine()));
        const int count = generator.uniform(1, kMaxSteps);
        for (int i = 0; i < count; ++i)
            sequence.append(generator.randomStep());
        steps += sequence.size();

        TestSession t;
        t.session.locale = locale;
        CommandModel model;
        const QString difference = runSideBySide(sequence, t, model);
        QVERIFY2(difference.isEmpty(),
                 qPrintable(QStringLiteral("start value %1, sequence %2 (replay with "
                                           "TARVOLIN_ORACLE_START=%1 TARVOLIN_ORACLE_ONLY=%2), %3")
                                .arg(start)
                                .arg(index)
                                .arg(difference)));
    }
    qInfo("%u sequences, %lld steps, start value %u", end - first, steps, start);
}

QTEST_GUILESS_MAIN(TestRandomCommands)
#include "tst_random_commands.moc"

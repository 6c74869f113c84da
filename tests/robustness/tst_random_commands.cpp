#include "command_model.h"
#include "test_session.h"

#include "codes/alignment_settings.h"
#include "codes/colour_speed.h"
#include "codes/delay_close.h"
#include "layout/clearing.h"
#include "layout/evaluation.h"

#include <QTest>

// The program's side of each command, in the order of Command.
constexpr void (*kProgram[])(TestSession &, const CommandStep &) = {
    [](auto &t, auto &s) { t.window.setZeile(s.index, s.text); },
    [](auto &t, auto &) { evaluate(t.session); },
    [](auto &t, auto &s) { clearLine(t.window, s.index); },
    [](auto &t, auto &) { clearAllLines(t.window); },
    [](auto &t, auto &) { askAlignment(t.session); },
    [](auto &t, auto &) { toggleFaceFromMenu(t.session); },
    [](auto &t, auto &s) { toolbarButtonClicked(t.session, s.text); },
    [](auto &t, auto &) { addColour(t.session); },
    [](auto &t, auto &) { addSpeed(t.session); },
    [](auto &t, auto &) { addPause(t.session); },
    [](auto &t, auto &) { addAutoClose(t.session); },
};

static Observed observe(const TestSession &t, int writesBefore)
{
    const auto &[lines, stored] = std::tie(t.window.lines, t.state.MsgZeilen);
    Observed seen{QStringList(lines.begin(), lines.end()),
                  QStringList(stored.begin(), stored.end()),
                  t.state.AusrichtungsModus,
                  t.state.Zeilenbreite,
                  t.window.ausgabe,
                  t.window.ausgabeWrites > writesBefore,
                  t.dialogs.questions.size(),
                  {}};
    for (const auto &message : t.dialogs.messages)
        seen.messages << message.title + u'|' + message.text;
    return seen;
}

class TestRandomCommands : public QObject {
    Q_OBJECT

private slots:
    void randomSequences_data();
    void randomSequences();
};

void TestRandomCommands::randomSequences_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates);
}

// TARVOLIN_ORACLE_START and TARVOLIN_ORACLE_ONLY replay a failed sequence.
void TestRandomCommands::randomSequences()
{
    QFETCH(QLocale, locale);
    const QChar point = locale.decimalPoint().at(0);
    const auto env = [](const char *name, quint32 fallback) {
        return qEnvironmentVariable(name, QString::number(fallback)).toUInt();
    };
    const quint32 start = env("TARVOLIN_ORACLE_START", 20261207);
    // Just the one sequence TARVOLIN_ORACLE_ONLY, or the first TARVOLIN_ORACLE_SEQUENCES.
    const quint32 first = env("TARVOLIN_ORACLE_ONLY", 0);
    const quint32 end = env("TARVOLIN_ORACLE_ONLY", env("TARVOLIN_ORACLE_SEQUENCES", 4000) - 1) + 1;
    for (quint32 index = first; index < end; ++index) {
        // The locale takes part, so that each locale row runs sequences of its own.
        std::seed_seq state{start, index, quint32(point.unicode())};
        const auto steps = randomSequence(state, point, locale.groupSeparator().at(0));
        TestSession t;
        t.session.locale = locale;
        Observed model = observe(t, 0);
        for (qsizetype s = 0; s < steps.size(); ++s) {
            t.dialogs = ScriptedDialogs();
            t.dialogs.answers = steps[s].answers;
            const int writes = t.window.ausgabeWrites;
            kProgram[int(steps[s].command)](t, steps[s]);
            applyToModel(model, steps[s]);
            const Observed seen = observe(t, writes);
            if (seen == model)
                continue;
            for (const CommandStep &step : steps.first(s + 1))
                qWarning() << int(step.command) << step.index << step.text << step.answers;
            QString failure;
            QDebug(&failure).nospace()
                << "start value " << start << ", sequence " << index << ", step " << s
                << " (replay with TARVOLIN_ORACLE_START=" << start
                << " TARVOLIN_ORACLE_ONLY=" << index << "), expected, then got:";
            for (const Observed &o : {model, seen})
                QDebug(&failure) << "\n"
                                 << o.input << o.stored << o.mode << o.width << o.output
                                 << o.rebuilt << o.questions << o.messages;
            QFAIL(qPrintable(failure));
        }
    }
}

QTEST_GUILESS_MAIN(TestRandomCommands)
#include "tst_random_commands.moc"

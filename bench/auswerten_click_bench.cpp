// The whole "Auswerten" click in the real main window, the repaint of the output box included.
#include "app/form1.h"
#include "report_row.h"
#include "scripted_dialogs.h"
#include "stopwatch.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

namespace {

constexpr qsizetype kDefaultLineLength = 10000;
constexpr int kRuns = 20;

bool waitUntilExposed(QWidget &window)
{
    for (int round = 0; round < 1000; ++round) {
        if (window.windowHandle() && window.windowHandle()->isExposed())
            return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A longer line can be given to see how the output box copes with it.
    const qsizetype lineLength = argc > 1 ? QByteArray(argv[1]).toLongLong() : kDefaultLineLength;

    Module1 state;
    // Centred at width 50 each line is too long: the warnings are recorded, not shown.
    ScriptedDialogs dialogs;
    Form1 form(state, dialogs, QLocale::system());
    form.show();
    if (!waitUntilExposed(form)) {
        std::fprintf(stderr, "the main window never became visible\n");
        return 1;
    }
    for (int i = 0; i < 4; ++i)
        form.findChild<QLineEdit *>(QStringLiteral("t_Zeile1_%1").arg(i))
            ->setText(QString(lineLength, QChar(u'a' + i)));
    auto *auswerten = form.findChild<QPushButton *>(QStringLiteral("bt_Auswerten"));
    QCoreApplication::processEvents();

    std::vector<double> handlerMs, totalMs;
    for (int run = 0; run < kRuns; ++run) {
        double handler = 0.0;
        totalMs.push_back(millisecondsOf([&] {
            handler = millisecondsOf([&] { auswerten->click(); });
            // The output box repaints from the update the new text posted.
            QCoreApplication::processEvents();
        }));
        handlerMs.push_back(handler);
        dialogs.messages.clear();
    }
    if (form.ausgabe().size() != 4 * (lineLength + 1) + 6) {
        std::fprintf(stderr, "the click produced an unexpected output\n");
        return 1;
    }

    printReportRow("Auswerten click in Form1, 4 x " + std::to_string(lineLength) + " chars",
                   formatNumber("%.2f ms", median(totalMs)),
                   formatNumber("%.2f ms (handler)", median(handlerMs)), "-", "-", "-");
    return 0;
}

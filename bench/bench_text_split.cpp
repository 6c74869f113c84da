// Times what "Text verteilen" does with 1 MiB of text, in milliseconds, as the median of several
// runs: the split alone, a keystroke in the text with the view, "Übernehmen", the text kept between
// runs and text files.
#include "app/form1.h"
#include "app/startup.h"
#include "text_file/text_file.h"
#include "text_split/text_split.h"

#include <QtTest>
#include <QtWidgets>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Prose of about 1 MiB: sentences of words of every length, a text line ending after every seventh
// sentence and a paragraph after every fourteenth, each with the separator given.
QString prose(const QString &lineEnd, const QString &paragraphEnd)
{
    const QStringList sentences{
        "Der alte Wächter am Tor hebt langsam seine Laterne und sagt: Ihr kommt spät, Reisende.",
        "Die Brücke über den Fluss ist seit dem Sturm gesperrt, und der Fährmann wartet nur bis "
        "Sonnenuntergang.",
        "Wer das Schwert aus dem Stein zieht, wird König über das ganze Land.",
        "Hmm.",
        "Im Keller des Gasthauses liegen drei Fässer, zwei Kisten und ein verschlossenes Buch.",
    };
    QString text;
    for (int i = 0; text.size() < (1 << 20); ++i) {
        text += sentences[i % sentences.size()];
        text += i % 7 == 6 ? (i % 14 == 13 ? paragraphEnd : lineEnd) : " ";
    }
    return text.left(1 << 20);
}

struct Text {
    const char *name;
    QString text;
};

double median(int runs, const std::function<void()> &run)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        run();
        times << clock.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

struct NoDialogs final : Dialogs {
    QString ask(const QString &, const QString &, const QString &) override { return {}; }
    void inform(const QString &, const QString &) override {}
    QString fileName(FileUse, const QString &, const QString &) override { return {}; }
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication();

    const QList<Text> texts{{"prose in paragraphs", prose("\n", "\n\n")},
                            {"prose in one paragraph of text lines", prose("\n", "\n")},
                            {"prose in one line", prose(" ", " ")}};
    const QList<Text> splitOnly{{"one-letter words in one line", QString("a ").repeated(1 << 19)},
                                {"a word without a blank", QString(1 << 20, u'x')}};
    for (const Text &text : texts + splitOnly)
        std::printf("1 MiB of %s: split for the view %.2f ms, the whole split %.2f ms\n", text.name,
                    median(21, [&] { splitText(text.text, 49, 25); }),
                    median(5, [&] { splitText(text.text, 49, 1 << 20); }));

    Module1 state;
    NoDialogs dialogs;
    const QTemporaryDir folder;
    double made = median(11, [&] { Form1 window(state, dialogs, folder.path()); });
    std::printf("main window made in %.2f ms\n", made);

    // The text kept between runs and text files, with 1 MiB of prose in paragraphs: the delayed
    // write, the first opening of "Text verteilen" on a kept text, opening a file.
    const QString scene = texts.first().text;
    const QString file = folder.filePath("szene.txt");
    std::printf("1 MiB written as the delayed write does it in %.2f ms\n",
                median(11, [&] { writeTextFile(file, scene); }));
    for (const QString &kept : {QString("Hallo Welt"), scene}) {
        const QTemporaryDir keptIn;
        writeTextFile(keptIn.filePath("Text verteilen.txt"), kept);
        std::printf("main window with %s kept made and Text verteilen first opened in %.2f ms\n",
                    kept == scene ? "1 MiB" : "a line", median(5, [&] {
                        Form1 window(state, dialogs, keptIn.path());
                        window.findChild<QAction *>("TextVerteilen")->trigger();
                        QCoreApplication::processEvents();
                    }));
    }

    Form1 form(state, dialogs, folder.path());
    form.show();
    std::printf("a file of 1 MiB opened in Text verteilen in %.1f ms\n", median(5, [&] {
                    form.openTextFile(file);
                    QCoreApplication::processEvents();
                }));
    form.findChild<QAction *>("TextVerteilen")->trigger();
    QWidget *window = nullptr;
    for (QWidget *shown : QApplication::topLevelWidgets())
        if (shown->objectName() == "TextVerteilen")
            window = shown;
    auto *box = window->findChild<QPlainTextEdit *>("Text");
    for (const Text &text : texts) {
        QApplication::clipboard()->setText(text.text);
        box->selectAll();
        const double pasted = median(1, [&] {
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QCoreApplication::processEvents();
        });
        box->moveCursor(QTextCursor::Start);
        const double key = median(21, [&] {
            QTest::keyClick(box, Qt::Key_A);
            QCoreApplication::processEvents();
        });
        const double take = median(11, [&] {
            window->findChild<QPushButton *>("bt_Übernehmen")->click();
            QCoreApplication::processEvents();
        });
        std::printf("%s: paste %.1f ms, keystroke with the view %.2f ms, Übernehmen %.2f ms\n",
                    text.name, pasted, key, take);
    }
    const QString word(1 << 20, u'x');
    for (const QString &bad : {word, QString(" \n").repeated(1 << 19)}) {
        QApplication::clipboard()->setText(bad);
        box->selectAll();
        std::printf("%s pasted in %.1f ms\n",
                    bad == word ? "1 MiB without a blank" : "1 MiB of blanks and line breaks",
                    median(1, [&] {
                        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
                        QCoreApplication::processEvents();
                    }));
    }
}

#include "app/qt_dialogs.h"
#include "app/toolkit_translation.h"
#include "main_window.h"

#include <QClipboard>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

namespace {

// Runs the checks on the modal boxes that open next, in turn. A box that a check leaves open
// (say, after a failure) is rejected, so the test never hangs on it.
void answerBoxes(QList<std::function<void(QWidget *)>> checks)
{
    QTimer::singleShot(10, [checks]() mutable {
        QWidget *box = QApplication::activeModalWidget();
        if (box && !box->property("answered").toBool()) {
            box->setProperty("answered", true);
            checks.takeFirst()(box);
            if (box->isVisible())
                qobject_cast<QDialog *>(box)->reject();
        }
        if (!checks.isEmpty())
            answerBoxes(checks);
    });
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

public:
    // Headless, with German as the user's own number format.
    static void initMain()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("LC_ALL", "de_DE.UTF-8");
    }

private slots:
    // A message typed and evaluated, centred at width 50 as after start-up, then decorated from
    // the menu and the toolbar, and copied. Enter and Esc in a line do nothing.
    void typedMessageToCopy()
    {
        MainWindow f;
        for (const char *refresh : {"bt_Refresh_0", "bt_Refresh_1", "bt_Refresh_2", "bt_Refresh"})
            f.click(refresh);
        auto *line1 = f.find<QLineEdit>("t_Zeile1_0");
        QTest::keyClicks(line1, "Hallo Welt!");
        QTest::keyClick(line1, Qt::Key_Return);
        QTest::keyClick(line1, Qt::Key_Escape);
        QCOMPARE(f.output(), QString());
        f.click("bt_Auswerten");
        f.dialogs.answers = {"1", "4", "2", "20", "3", "2"};
        for (const char *command : {"Farbe", "Geschwindigkeit", "Pünktchen", "Schließen"})
            f.trigger(command);
        auto *toolbar = f.find<QToolBar>("Toolbar1");
        QTest::mouseClick(toolbar->widgetForAction(toolbar->actions().last()), Qt::LeftButton);
        QCOMPARE(f.dialogs.shown.last(), "Face On: Faces ON");

        auto *output = f.find<QPlainTextEdit>("Zindral");
        QVERIFY(!output->isReadOnly());
        QTest::keyClick(output, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(output, Qt::Key_C, Qt::ControlModifier);
        const QString blanks(25, u' ');
        const QString copied = R"(\C[4])" + blanks.left(20) +
                               R"(Hallo Welt!\C[0])"
                               "\n" +
                               R"(\S[20])" + blanks + "\n" + blanks +
                               R"(\..\..\..)"
                               "\n" +
                               blanks + R"(\.\.\^)";
        QCOMPARE(QApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
        QCOMPARE(QApplication::clipboard()->text(), copied);

        // Clearing touches only the input lines.
        f.click("bt_Refresh_All");
        for (int i = 0; i < 4; ++i)
            QCOMPARE(f.find<QLineEdit>(QString("t_Zeile1_%1").arg(i))->text(), QString());
        QCOMPARE(f.output(), copied);
    }

    // The toolkit's own boxes, in German: a question answered in the user's number format, one
    // cancelled, and a message.
    void realBoxes()
    {
        QVERIFY(installToolkitTranslation());
        Module1 state;
        QtDialogs dialogs;
        Form1 form(state, dialogs);
        form.show();
        const auto answer = [](const QString &text) {
            return [=](QWidget *box) {
                auto *input = qobject_cast<QInputDialog *>(box);
                QCOMPARE(input->windowTitle(), "Ausrichtung");
                QCOMPARE(input->labelText(),
                         "Ausrichtung: 1 = Zentriert ; 2 = Rechtsbündig ; 3 = Linksbündig");
                QCOMPARE(input->textValue(), "1");
                QCOMPARE(input->cancelButtonText(), "Abbrechen");
                if (text.isNull())
                    return input->reject();
                QTest::keyClicks(input->findChild<QLineEdit *>(), text);
                QTest::keyClick(input->findChild<QLineEdit *>(), Qt::Key_Return);
            };
        };
        bool informed = false;
        answerBoxes({answer("2,5"), answer(QString()), [&](QWidget *box) {
                         auto *message = qobject_cast<QMessageBox *>(box);
                         QCOMPARE(message->windowTitle(), "Face On");
                         QCOMPARE(message->text(), "Messages mit Faces");
                         QCOMPARE(message->icon(), QMessageBox::Information);
                         QCOMPARE(message->textFormat(), Qt::PlainText);
                         QCOMPARE(message->buttons().size(), 1);
                         QTest::mouseClick(message->button(QMessageBox::Ok), Qt::LeftButton);
                         informed = true;
                     }});
        for (const char *command : {"Ausrichtung", "Ausrichtung", "Face"})
            form.findChild<QAction *>(command)->trigger();
        QCOMPARE(state.AusrichtungsModus, 2);
        QCOMPARE(state.Zeilenbreite, 38);
        QVERIFY(informed);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"

#include "app/form1.h"
#include "app/qt_dialogs.h"
#include "app/toolkit_translation.h"
#include "modal_answerer.h"

#include <QAction>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Checks one input box and answers it (or cancels it, for a null answer).
ModalAnswerer::Handler answerInput(const QString &title, const QString &prompt,
                                   const QString &defaultAnswer, const QString &answer)
{
    return [=](QWidget *box) {
        auto *input = qobject_cast<QInputDialog *>(box);
        QVERIFY(input);
        QCOMPARE(input->windowTitle(), title);
        QCOMPARE(input->labelText(), prompt);
        QCOMPARE(input->textValue(), defaultAnswer);
        // The toolkit's own button speaks German too.
        QCOMPARE(input->cancelButtonText(), u"Abbrechen"_s);
        if (answer.isNull()) {
            input->reject();
            return;
        }
        QTest::keyClick(input->findChild<QLineEdit *>(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(input->findChild<QLineEdit *>(), answer);
        QTest::keyClick(input->findChild<QLineEdit *>(), Qt::Key_Return);
    };
}

ModalAnswerer::Handler confirmMessage(const QString &title, const QString &text)
{
    return [=](QWidget *box) {
        auto *message = qobject_cast<QMessageBox *>(box);
        QVERIFY(message);
        QCOMPARE(message->windowTitle(), title);
        QCOMPARE(message->text(), text);
        QCOMPARE(message->icon(), QMessageBox::Information);
        QCOMPARE(message->textFormat(), Qt::PlainText);
        QCOMPARE(message->buttons().size(), 1);
        QTest::mouseClick(message->button(QMessageBox::Ok), Qt::LeftButton);
    };
}

} // namespace

class TestRealBoxes : public QObject {
    Q_OBJECT

public:
    static void initMain() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

private slots:
    void initTestCase() { QVERIFY(installToolkitTranslation()); }
    void colourThroughRealInputBoxes();
    void cancelInRealInputBoxChangesNothing();
    void faceToggleThroughRealMessageBox();

private:
    Module1 m_state;
    QtDialogs m_dialogs;
};

void TestRealBoxes::colourThroughRealInputBoxes()
{
    m_state = Module1{};
    Form1 form(m_state, m_dialogs, QLocale(QLocale::German));
    form.show();
    ModalAnswerer answerer({
        answerInput(u"Zeile"_s, u"Welche Zeile soll die Farbe ändern? (1 - 4)"_s, u"1"_s, u"9"_s),
        answerInput(u"Textfarbe"_s, u"Eine Zahl zwischen 0 und 19"_s, u"0"_s, u"7"_s),
        // Line 9 is out of range: both questions again, with their defaults.
        answerInput(u"Zeile"_s, u"Welche Zeile soll die Farbe ändern? (1 - 4)"_s, u"1"_s, u"2"_s),
        answerInput(u"Textfarbe"_s, u"Eine Zahl zwischen 0 und 19"_s, u"0"_s, u"7"_s),
    });
    form.findChild<QAction *>(u"Farbe"_s)->trigger();
    QVERIFY(answerer.allAnswered());
    QCOMPARE(m_state.MsgZeilen[2], u"\\C[7]\\C[0]"_s);
    QCOMPARE(form.ausgabe(), u"\r\n\\C[7]\\C[0]\r\n\r\n"_s);
}

void TestRealBoxes::cancelInRealInputBoxChangesNothing()
{
    m_state = Module1{};
    Form1 form(m_state, m_dialogs, QLocale(QLocale::German));
    form.show();
    ModalAnswerer answerer({
        answerInput(u"Zeile"_s,
                    u"Von welcher Zeile an soll sich die Geschwindigkeit verändern? (1 - 4)"_s,
                    u"1"_s, u"3"_s),
        answerInput(u"Textgeschwindigkeit"_s, u"Eine Zahl zwischen 1 = Schnell und 20 = Langsam"_s,
                    u"15"_s, QString()),
    });
    form.findChild<QAction *>(u"Geschwindigkeit"_s)->trigger();
    QVERIFY(answerer.allAnswered());
    QCOMPARE(m_state.MsgZeilen, Module1{}.MsgZeilen);
    QCOMPARE(form.ausgabe(), QString());
}

void TestRealBoxes::faceToggleThroughRealMessageBox()
{
    m_state = Module1{};
    Form1 form(m_state, m_dialogs, QLocale(QLocale::German));
    form.show();
    ModalAnswerer answerer({confirmMessage(u"Face On"_s, u"Messages mit Faces"_s),
                            confirmMessage(u"Face Off"_s, u"Messages ohne Faces"_s)});
    form.findChild<QAction *>(u"Face"_s)->trigger();
    QCOMPARE(m_state.Zeilenbreite, 38);
    form.findChild<QAction *>(u"Face"_s)->trigger();
    QCOMPARE(m_state.Zeilenbreite, 50);
    QVERIFY(answerer.allAnswered());
}

QTEST_MAIN(TestRealBoxes)
#include "tst_real_boxes.moc"

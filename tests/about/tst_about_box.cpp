#include "app/dialog1.h"
#include "app/secondary_window.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// The about box as the main window opens it.
class TestAboutBox : public QObject {
    Q_OBJECT

    QPointer<Dialog1> m_box;

public:
    static void initMain() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

private slots:
    void init()
    {
        showSecondaryWindow(m_box);
        QVERIFY(QTest::qWaitForWindowActive(m_box));
    }
    void cleanup() { delete m_box.data(); }

    // Each row is named for its label.
    void fixedContents_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qreal>("pointSize");
        QTest::addColumn<bool>("bold");
        QTest::newRow("Label1") << u"Tarvolin 2000\u2122"_s << 20.25 << true;
        QTest::newRow("Label2") << u"v. 3.00.00"_s << 8.25 << false;
    }
    void fixedContents()
    {
        QFETCH(QString, text);
        QFETCH(qreal, pointSize);
        QFETCH(bool, bold);
        QCOMPARE(m_box->windowTitle(), u"About"_s);
        QCOMPARE(m_box->windowType(), Qt::Tool); // no task-bar button
        QCOMPARE(m_box->minimumSize(), QSize(347, 142));
        QCOMPARE(m_box->maximumSize(), QSize(347, 142));
        QCOMPARE(m_box->findChild<QLabel *>(u"Image1"_s)->pixmap().size(), QSize(32, 32));
        const auto *label = m_box->findChild<QLabel *>(QTest::currentDataTag());
        QCOMPARE(label->text(), text);
        // What the font database hands out: Times, or Liberation Serif with the same metrics.
        const QFontInfo font(label->font());
        QVERIFY2(QStringList({u"Times New Roman"_s, u"Liberation Serif"_s}).contains(font.family()),
                 qPrintable(font.family()));
        QCOMPARE(label->font().pointSizeF(), pointSize); // as asked: 8 and 8.25 both give 11 px
        QCOMPARE(font.bold(), bold);
    }

    // OK has the focus without being the default button: Esc does nothing, the keys that press
    // OK hide the box and keep it for the next "About"; only the close box discards it.
    void dismissing_data()
    {
        QTest::addColumn<int>("key"); // 0: the close box
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("close box") << 0;
    }
    void dismissing()
    {
        QFETCH(int, key);
        auto *ok = m_box->findChild<QPushButton *>(u"OKButton"_s);
        QCOMPARE(m_box->focusWidget(), ok);
        QVERIFY(!ok->isDefault());
        key ? QTest::keyClick(ok, Qt::Key(key)) : void(m_box->close());
        QCOMPARE(m_box->isHidden(), key != Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(m_box.isNull(), key == 0);
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_about_box.moc"

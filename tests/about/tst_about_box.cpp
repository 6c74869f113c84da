#include "app/dialog1.h"
#include "app/secondary_window.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The box is drawn 5205 x 2130 twips, 15 twips to the pixel.
constexpr QSize kClientArea(347, 142);

int darkPixels(const QImage &image, const QRect &area)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(image.pixel(x, y)) < 96)
                ++count;
    return count;
}

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT

public:
    static void initMain() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

private slots:
    void cleanup();
    void isAFixedToolWindowWithoutOwner();
    void controlsStandWhereDrawn_data();
    void controlsStandWhereDrawn();
    void labelFonts_data();
    void labelFonts();
    void bothTextLinesAreVisible();
    void pictureIsTheSmallIconStretched();
    void okHasTheFocusAndIsNoDefault();
    void escapeLeavesTheBoxOpen();
    void keysOnTheFocusedButtonHide_data();
    void keysOnTheFocusedButtonHide();
    void okHidesAndTheNextShowKeepsTheBox();
    void closeBoxDiscardsAndTheNextShowStartsAfresh();

private:
    Dialog1 *showBox();
    template <typename T> T *control(const QString &name) const
    {
        T *widget = m_box->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }

    QPointer<Dialog1> m_box;
};

Dialog1 *TestAboutBox::showBox()
{
    showSecondaryWindow(m_box);
    if (!QTest::qWaitForWindowActive(m_box))
        qWarning("the about box did not become active");
    return m_box;
}

void TestAboutBox::cleanup()
{
    delete m_box.data();
}

void TestAboutBox::isAFixedToolWindowWithoutOwner()
{
    Dialog1 *box = showBox();
    QCOMPARE(box->windowTitle(), u"About"_s);
    QVERIFY(box->isWindow());
    QCOMPARE(box->parentWidget(), nullptr);
    // A tool window has no task-bar button.
    QCOMPARE(box->windowType(), Qt::Tool);
    const Qt::WindowFlags flags = box->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(box->size(), kClientArea);
    QCOMPARE(box->minimumSize(), kClientArea);
    QCOMPARE(box->maximumSize(), kClientArea);
}

void TestAboutBox::controlsStandWhereDrawn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("OKButton") << u"OKButton"_s << u"OK"_s << QRect(256, 8, 81, 25);
    QTest::newRow("Image1") << u"Image1"_s << QString() << QRect(120, 8, 88, 80);
    QTest::newRow("Label1") << u"Label1"_s << u"Tarvolin 2000™"_s << QRect(16, 96, 321, 57);
    QTest::newRow("Label2") << u"Label2"_s << u"v. 3.00.00"_s << QRect(112, 128, 193, 33);
}

void TestAboutBox::controlsStandWhereDrawn()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    showBox();
    auto *widget = control<QWidget>(name);
    QCOMPARE(widget->geometry(), geometry);
    QVERIFY(widget->isVisible());
    if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), text);
    else
        QCOMPARE(qobject_cast<QLabel *>(widget)->text(), text);
}

void TestAboutBox::labelFonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::newRow("Label1") << u"Label1"_s << 20.25 << true;
    QTest::newRow("Label2") << u"Label2"_s << 8.25 << false;
}

void TestAboutBox::labelFonts()
{
    QFETCH(QString, name);
    QFETCH(qreal, pointSize);
    QFETCH(bool, bold);
    showBox();
    auto *label = control<QLabel>(name);
    // What the font database really hands out, not merely what was asked for.
    const QFontInfo font(label->font());
    const QStringList timesOrSameMetrics{u"Times New Roman"_s, u"Liberation Serif"_s};
    QVERIFY2(timesOrSameMetrics.contains(font.family()), qPrintable(font.family()));
    QCOMPARE(font.pointSizeF(), pointSize);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.italic(), false);
    QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
}

void TestAboutBox::bothTextLinesAreVisible()
{
    Dialog1 *box = showBox();
    auto *name = control<QLabel>(u"Label1"_s);
    auto *version = control<QLabel>(u"Label2"_s);
    const QFontMetrics nameMetrics(name->font());
    const QFontMetrics versionMetrics(version->font());

    // The version sits in Label1's rectangle, just below its line of text, and the window
    // clips the version's rectangle but not its line.
    QVERIFY(name->geometry().contains(version->geometry().topLeft()));
    QCOMPARE_LE(name->y() + nameMetrics.height(), version->y());
    QCOMPARE_GT(version->geometry().bottom(), box->height());
    QCOMPARE_LE(version->y() + versionMetrics.height(), box->height());
    QCOMPARE_LE(nameMetrics.horizontalAdvance(name->text()), name->width());
    QCOMPARE_LE(versionMetrics.horizontalAdvance(version->text()), version->width());

    // And on screen both lines show: neither label paints over the other.
    const QImage shot = box->grab().toImage();
    const QRect nameLine(name->x(), name->y(), nameMetrics.horizontalAdvance(name->text()),
                         nameMetrics.height());
    const QRect versionLine(version->x(), version->y(),
                            versionMetrics.horizontalAdvance(version->text()),
                            box->height() - version->y());
    QCOMPARE_GT(darkPixels(shot, nameLine), 200);
    QCOMPARE_GT(darkPixels(shot, versionLine), 30);
}

void TestAboutBox::pictureIsTheSmallIconStretched()
{
    showBox();
    auto *image = control<QLabel>(u"Image1"_s);
    QVERIFY(image->hasScaledContents());
    const QPixmap picture = image->pixmap();
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), QSize(32, 32));
    // Purple background around the figure.
    const QColor corner = picture.toImage().pixelColor(0, 0);
    QCOMPARE_GT(corner.blue(), corner.green() + 40);
    QCOMPARE_GT(corner.red(), corner.green() + 20);
}

void TestAboutBox::okHasTheFocusAndIsNoDefault()
{
    Dialog1 *box = showBox();
    auto *ok = control<QPushButton>(u"OKButton"_s);
    QCOMPARE(QApplication::focusWidget(), ok);
    QVERIFY(!ok->isDefault());
    QVERIFY(!ok->autoDefault());
    for (QWidget *other : {control<QWidget>(u"Image1"_s), control<QWidget>(u"Label1"_s),
                           control<QWidget>(u"Label2"_s)})
        QCOMPARE(other->focusPolicy(), Qt::NoFocus);

    // Tab has nowhere else to go.
    QTest::keyClick(ok, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ok);

    // Shown again after hiding, the button is where the focus goes. (The offscreen platform
    // does not deactivate a hidden window, so it never reports the second activation.)
    ok->click();
    showBox();
    QCOMPARE(box->focusWidget(), ok);
}

void TestAboutBox::escapeLeavesTheBoxOpen()
{
    Dialog1 *box = showBox();
    QTest::keyClick(control<QPushButton>(u"OKButton"_s), Qt::Key_Escape);
    QTest::keyClick(box, Qt::Key_Escape);
    QVERIFY(box->isVisible());
    QCOMPARE(m_box.data(), box);
}

void TestAboutBox::keysOnTheFocusedButtonHide_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestAboutBox::keysOnTheFocusedButtonHide()
{
    QFETCH(int, key);
    Dialog1 *box = showBox();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QVERIFY(box->isHidden());
    QCOMPARE(m_box.data(), box);
}

void TestAboutBox::okHidesAndTheNextShowKeepsTheBox()
{
    Dialog1 *box = showBox();
    QTest::mouseClick(control<QPushButton>(u"OKButton"_s), Qt::LeftButton);
    QVERIFY(box->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m_box.data(), box);

    QCOMPARE(showBox(), box);
    QVERIFY(box->isVisible());
    QCOMPARE(control<QLabel>(u"Label1"_s)->text(), u"Tarvolin 2000™"_s);
}

void TestAboutBox::closeBoxDiscardsAndTheNextShowStartsAfresh()
{
    Dialog1 *box = showBox();
    const QPointer<Dialog1> first = box;
    QVERIFY(box->close());
    QTRY_VERIFY(first.isNull());
    QVERIFY(m_box.isNull());

    Dialog1 *again = showBox();
    QVERIFY(again);
    QVERIFY(again->isVisible());
    QCOMPARE(control<QLabel>(u"Label2"_s)->text(), u"v. 3.00.00"_s);
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(u"OKButton"_s));
    int boxes = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        boxes += qobject_cast<Dialog1 *>(window) != nullptr;
    QCOMPARE(boxes, 1);
}

QTEST_MAIN(TestAboutBox)
#include "tst_about_box.moc"

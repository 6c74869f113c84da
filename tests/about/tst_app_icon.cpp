#include "application_icon.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kIconFile = QStringLiteral(TARVOLIN_RESOURCES_DIR "/tarvolin.ico");

quint16 word(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

quint32 dword(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

// Bytes of one bottom-up bitmap: each row padded to a multiple of four bytes.
int bitmapBytes(int size, int bitsPerPixel)
{
    return ((size * bitsPerPixel + 31) / 32) * 4 * size;
}

} // namespace

class TestAppIcon : public QObject {
    Q_OBJECT

public:
    static void initMain() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

private slots:
    void initTestCase();
    void icoHoldsThreeImages();
    void icoImage_data();
    void icoImage();
    void icoDecodesWithTransparentCorners();
    void windowIconHasEverySize_data();
    void windowIconHasEverySize();

private:
    QByteArray m_ico;
};

void TestAppIcon::initTestCase()
{
    QFile file(kIconFile);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(kIconFile));
    m_ico = file.readAll();
}

void TestAppIcon::icoHoldsThreeImages()
{
    QCOMPARE_GE(m_ico.size(), 6 + 3 * 16);
    QCOMPARE(word(m_ico, 0), 0); // reserved
    QCOMPARE(word(m_ico, 2), 1); // an icon, not a cursor
    QCOMPARE(word(m_ico, 4), 3);
}

void TestAppIcon::icoImage_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("bitsPerPixel");
    QTest::newRow("32x32, 16 colours") << 0 << 32 << 4;
    QTest::newRow("16x16, 16 colours") << 1 << 16 << 4;
    QTest::newRow("32x32, 256 colours") << 2 << 32 << 8;
}

void TestAppIcon::icoImage()
{
    QFETCH(int, entry);
    QFETCH(int, size);
    QFETCH(int, bitsPerPixel);
    const qsizetype at = 6 + 16 * entry;
    QCOMPARE_LE(at + 16, m_ico.size());

    // The directory entry.
    QCOMPARE(quint8(m_ico[at]), size);
    QCOMPARE(quint8(m_ico[at + 1]), size);
    QCOMPARE(quint8(m_ico[at + 2]), bitsPerPixel == 4 ? 16 : 0); // 0 stands for 256 and more
    QCOMPARE(word(m_ico, at + 4), 1);                            // planes
    QCOMPARE(word(m_ico, at + 6), bitsPerPixel);
    const quint32 bytes = dword(m_ico, at + 8);
    const quint32 offset = dword(m_ico, at + 12);
    QCOMPARE_LE(qsizetype(offset) + qsizetype(bytes), m_ico.size());

    // The image itself: header, a full palette, the colour bitmap and the 1-bit AND mask.
    QCOMPARE(dword(m_ico, offset), 40u);
    QCOMPARE(qint32(dword(m_ico, offset + 4)), size);
    QCOMPARE(qint32(dword(m_ico, offset + 8)), 2 * size); // colour bitmap and mask
    QCOMPARE(word(m_ico, offset + 12), 1);
    QCOMPARE(word(m_ico, offset + 14), bitsPerPixel);
    QCOMPARE(dword(m_ico, offset + 16), 0u); // uncompressed
    const int palette = 4 * (1 << bitsPerPixel);
    QCOMPARE(int(bytes), 40 + palette + bitmapBytes(size, bitsPerPixel) + bitmapBytes(size, 1));
}

void TestAppIcon::icoDecodesWithTransparentCorners()
{
    QImageReader reader(kIconFile);
    QCOMPARE(reader.imageCount(), 3);
    const QList<QSize> sizes{{32, 32}, {16, 16}, {32, 32}};
    for (int i = 0; i < 3; ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), sizes[i]);
        QVERIFY(image.hasAlphaChannel());
        // The rays leave the bottom corners empty; the bulb fills the middle.
        QCOMPARE(image.pixelColor(0, image.height() - 1).alpha(), 0);
        QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1).alpha(), 0);
        const QColor middle = image.pixelColor(image.width() / 2, image.height() / 3);
        QCOMPARE(middle.alpha(), 255);
        QCOMPARE_GT(middle.red(), 200); // yellow glass
        QCOMPARE_GT(middle.green(), 200);
        QCOMPARE_LT(middle.blue(), 128);
    }
}

void TestAppIcon::windowIconHasEverySize_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", size, size) << size;
}

void TestAppIcon::windowIconHasEverySize()
{
    QFETCH(int, size);
    const QIcon icon = applicationIcon();
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    // Drawn from its own picture, not scaled from another size.
    const QImage image = icon.pixmap(QSize(size, size)).toImage();
    QCOMPARE(image.size(), QSize(size, size));
    QCOMPARE(image.pixelColor(0, size - 1).alpha(), 0);
    QCOMPARE(image.pixelColor(size / 2, size / 3).alpha(), 255);
}

QTEST_MAIN(TestAppIcon)
#include "tst_app_icon.moc"

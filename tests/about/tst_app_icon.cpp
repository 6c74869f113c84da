#include "application_icon.h"

#include <QFile>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

// The Windows icon group that the version resource embeds, and the window icon beside it.
class TestAppIcon : public QObject {
    Q_OBJECT

public:
    static void initMain() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

private slots:
    void icoImage_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("bitsPerPixel");
        QTest::newRow("32x32, 16 colours") << 0 << 32 << 4;
        QTest::newRow("16x16, 16 colours") << 1 << 16 << 4;
        QTest::newRow("32x32, 256 colours") << 2 << 32 << 8;
    }
    void icoImage()
    {
        QFETCH(int, entry);
        QFETCH(int, size);
        QFETCH(int, bitsPerPixel);
        QImageReader reader(QStringLiteral(TARVOLIN_RESOURCES_DIR "/tarvolin.ico"));
        QCOMPARE(reader.imageCount(), 3);
        QVERIFY(reader.jumpToImage(entry));
        const QImage image = reader.read();
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(image.pixelColor(0, size - 1).alpha(), 0); // transparent background
        QVERIFY(applicationIcon().availableSizes().contains(image.size()));
        // Once decoded, the image is known to lie inside the file: its directory entry and its
        // bitmap header both give the depth.
        QFile file(reader.fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray ico = file.readAll();
        const char *const entryData = ico.constData() + 6 + 16 * entry;
        QCOMPARE(qFromLittleEndian<quint16>(entryData + 6), bitsPerPixel);
        const auto header = qFromLittleEndian<quint32>(entryData + 12);
        QCOMPARE(qFromLittleEndian<quint16>(ico.constData() + header + 14), bitsPerPixel);
    }
};

QTEST_MAIN(TestAppIcon)
#include "tst_app_icon.moc"

#include "text_file/text_file.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

// The user's text files read and written, without any window.
class TestTextFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;

    QString path(const char *name) const { return m_folder.filePath(name); }
    static QByteArray bytesOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "(unreadable)";
    }
    static void put(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:

    // How each kind of file is read, or why it is refused; a row without bytes names no file, one
    // with "/" names a folder.
    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("failure");
        const auto row = [](const char *name, const QByteArray &bytes, const QString &text,
                            const QString &failure = QString()) {
            QTest::newRow(name) << bytes << text << failure;
        };
        const QString german = "„Grüße aus Köln“ – 5 €… ß";
        row("UTF-8", german.toUtf8(), german);
        row("UTF-8 with a byte order mark", "\xef\xbb\xbf" + german.toUtf8(), german);
        for (const auto order : {QStringEncoder::Utf16LE, QStringEncoder::Utf16BE}) {
            QStringEncoder encoder(order, QStringEncoder::Flag::WriteBom);
            QTest::addRow("UTF-16 %s with a byte order mark",
                          order == QStringEncoder::Utf16LE ? "LE" : "BE")
                << QByteArray(encoder(german)) << german << QString();
        }
        row("Windows-1252", "\x84Gr\xfc\xdf\x65 aus K\xf6ln\x93 \x96 5 \x80\x85 \xdf", german);
        // The five bytes it leaves free are C1 control characters, on Linux as on Windows.
        row("Windows-1252 from 0x80 to 0x9f",
            "\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8a\x8b\x8c\x8d\x8e\x8f"
            "\x90\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9a\x9b\x9c\x9d\x9e\x9f",
            "€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008dŽ\u008f\u0090‘’“”•–—˜™š›œ\u009džŸ");
        row("line ends", "a\r\nb\rc\nd", "a\nb\nc\nd");
        row("empty", "", "");
        row("a NUL byte", QByteArray("Text\0mit Null", 13), "",
            "Die Datei enthält ein Nullzeichen: Sie ist keine Textdatei.");
        row("16 MiB", QByteArray(16 << 20, 'x'), QString(16 << 20, u'x'));
        row("over 16 MiB", QByteArray((16 << 20) + 1, 'x'), "", "Die Datei ist größer als 16 MiB.");
        row("missing", QByteArray(), "", "Die Datei gibt es nicht.");
        row("a folder", "/", "", "Das ist ein Ordner, keine Datei.");
    }
    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(QString, failure);
        const QString file = path(QTest::currentDataTag());
        if (bytes == "/")
            QVERIFY(QDir().mkdir(file));
        else if (!bytes.isNull())
            put(file, bytes);
        const TextFileContents read = readTextFile(file);
        QCOMPARE(read.failure, failure);
        QCOMPARE(read.text, text);
    }

    // Saved as UTF-8 without a byte order mark, with the platform's line ends, and read back as it
    // was; saved again over the old file.
    void roundTrip()
    {
        const QString file = path("kapitel3.txt");
        for (const QString &text : {QString("alt"), QString("„Grüße“\n\nÜbermorgen 😀 €\n")}) {
            QCOMPARE(writeTextFile(file, text), "");
            QCOMPARE(readTextFile(file).text, text);
        }
        const QByteArray lineEnd = QSysInfo::productType() == "windows" ? "\r\n" : "\n";
        QCOMPARE(bytesOf(file), QByteArray("„Grüße“\n\nÜbermorgen 😀 €\n").replace("\n", lineEnd));
    }

    // A write that fails says why, and leaves what was there as it was.
    void writeFails_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("failure");
        QTest::newRow("its folder is a file") << "datei.txt/text.txt"
                                              << "Den Ordner „datei.txt“ gibt es nicht.";
        QTest::newRow("the name is a folder") << "ordner"
                                              << "Das ist ein Ordner, keine Datei.";
    }
    void writeFails()
    {
        QFETCH(QString, name);
        QFETCH(QString, failure);
        put(path("datei.txt"), "alt");
        QVERIFY(QDir(m_folder.path()).mkpath("ordner"));
        QCOMPARE(writeTextFile(m_folder.filePath(name), u"neu"), failure);
        QCOMPARE(bytesOf(path("datei.txt")), "alt");
        QVERIFY(QFileInfo(path("ordner")).isDir());
    }
};

QTEST_APPLESS_MAIN(TestTextFile)
#include "tst_text_file.moc"

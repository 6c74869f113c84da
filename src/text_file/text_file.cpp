#include "text_file/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <optional>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {

// Windows-1252, the "ANSI" of German Windows editors, from the platform's own decoder: ICU here,
// Windows itself there, where Qt is built without ICU. Both give the five bytes that Windows-1252
// leaves free their C1 control characters.
std::optional<QString> fromWindows1252(const QByteArray &bytes)
{
#ifdef Q_OS_WIN
    const int size = MultiByteToWideChar(1252, 0, bytes.constData(), int(bytes.size()), nullptr, 0);
    QString text(size, Qt::Uninitialized);
    if (MultiByteToWideChar(1252, 0, bytes.constData(), int(bytes.size()),
                            reinterpret_cast<wchar_t *>(text.data()), size) != size)
        return std::nullopt;
    return text;
#else
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        return std::nullopt;
    return decoder(bytes);
#endif
}

std::optional<QString> decode(const QByteArray &bytes)
{
    // A byte order mark names the encoding; the decoder drops the mark.
    if (const auto marked = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked);
        return decoder(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return fromWindows1252(bytes);
}

TextFileContents refused(const QString &why)
{
    return {QString(), why};
}

} // namespace

TextFileContents readTextFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return refused(u"Das ist ein Ordner, keine Datei."_s);
    if (!info.exists())
        return refused(u"Die Datei gibt es nicht."_s);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(info.isReadable()
                           ? u"Die Datei kann nicht gelesen werden (%1)."_s.arg(file.errorString())
                           : u"Die Datei darf nicht gelesen werden."_s);
    // Read, not asked for its size: a device or a pipe tells none.
    const QByteArray bytes = file.read(kLargestTextFile + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(u"Die Datei kann nicht gelesen werden (%1)."_s.arg(file.errorString()));
    if (bytes.size() > kLargestTextFile)
        return refused(u"Die Datei ist größer als %1 MiB."_s.arg(kLargestTextFile >> 20));
    std::optional<QString> text = decode(bytes);
    if (!text)
        return refused(
            u"Die Datei ist nicht in UTF-8 geschrieben, und Windows-1252 kann hier nicht gelesen werden."_s);
    if (text->contains(QChar::Null))
        return refused(u"Die Datei enthält ein Nullzeichen: Sie ist keine Textdatei."_s);
    return {text->replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n'), QString()};
}

QString writeTextFile(const QString &path, QStringView text)
{
    const QFileInfo info(path);
    if (info.isDir())
        return u"Das ist ein Ordner, keine Datei."_s;
    QSaveFile file(path);
    // Text mode writes the platform's line ends.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        const QFileInfo folder(info.absolutePath());
        if (!folder.isDir())
            return u"Den Ordner „%1“ gibt es nicht."_s.arg(folder.fileName());
        return u"In den Ordner „%1“ kann nicht geschrieben werden (%2)."_s.arg(folder.fileName(),
                                                                               file.errorString());
    }
    file.write(text.toUtf8());
    // A failed write makes the commit fail, and leaves the old file as it was.
    if (!file.commit())
        return u"Die Datei kann nicht geschrieben werden (%1)."_s.arg(file.errorString());
    return QString();
}

#include "between_runs/kept_text.h"

#include "between_runs/settings_file.h"
#include "text_file/text_file.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kCursorKey = u"Text verteilen/Cursor"_s;

// Typing goes on for a while; a kill a second or two after the last key loses nothing.
constexpr int kWriteDelayMs = 1000;
constexpr int kRetryMs = 5000;

QString textFile(const QString &folder)
{
    return folder + u"/Text verteilen.txt"_s;
}

} // namespace

KeptText::KeptText(const QString &dataFolder)
    : m_folder(dataFolder), m_lock(textFile(dataFolder) + u".lock"_s)
{
    // Only a copy that has died leaves its lock behind; a live one keeps it however long it runs.
    m_lock.setStaleLockTime(0);
    m_delay.setSingleShot(true);
    connect(&m_delay, &QTimer::timeout, this, &KeptText::write);

    if (!makeFolder() || (!lock() && m_keepsNothing))
        return;
    const QString file = textFile(m_folder);
    if (!QFileInfo::exists(file))
        return;
    const TextFileContents kept = readTextFile(file);
    if (!kept.failure.isEmpty()) {
        // Overwriting it would lose what it holds.
        m_keepsNothing = true;
        setProblem(u"Der gesicherte Text in „%1“ kann nicht gelesen werden und wird nicht "
                   u"überschrieben: %2"_s.arg(QDir::toNativeSeparators(file), kept.failure));
        return;
    }
    m_written = m_text = kept.text;
    m_cursor = qBound(0, settingsIn(m_folder).value(kCursorKey).toInt(), int(m_text.size()));
}

KeptText::~KeptText()
{
    write();
}

void KeptText::setText(const QString &text, int cursor)
{
    m_text = text;
    setCursor(cursor);
    m_delay.start(kWriteDelayMs);
}

void KeptText::setCursor(int cursor)
{
    m_cursorMoved = m_cursorMoved || cursor != m_cursor;
    m_cursor = cursor;
}

bool KeptText::makeFolder()
{
    if (QDir().mkpath(m_folder))
        return true;
    setProblem(u"Der Text kann nicht gesichert werden: Der Ordner „%1“ kann nicht angelegt "
               u"werden."_s.arg(QDir::toNativeSeparators(m_folder)));
    return false;
}

bool KeptText::lock()
{
    if (m_lock.isLocked() || m_lock.tryLock(0))
        return true;
    if (m_lock.error() == QLockFile::LockFailedError) {
        m_keepsNothing = true;
        setProblem(u"Dieser Text wird nicht gesichert: Tarvolin 2000 läuft bereits."_s);
    } else {
        setProblem(u"Der Text kann nicht gesichert werden: Die Sperrdatei „%1“ kann nicht "
                   u"angelegt werden."_s.arg(QDir::toNativeSeparators(m_lock.fileName())));
    }
    return false;
}

void KeptText::write()
{
    m_delay.stop();
    if (m_keepsNothing || (m_text == m_written && !m_cursorMoved))
        return;
    if (!makeFolder() || !lock() || !writeText()) {
        // Tried again, so that the text is kept once the folder can be made or the disk has room.
        m_delay.start(kRetryMs);
        return;
    }
    QSettings settings = settingsIn(m_folder);
    settings.setValue(kCursorKey, m_cursor);
    m_cursorMoved = false;
    setProblem(QString());
}

bool KeptText::writeText()
{
    if (m_text == m_written)
        return true;
    const QString failure = writeTextFile(textFile(m_folder), m_text);
    if (!failure.isEmpty()) {
        setProblem(u"Der Text kann nicht gesichert werden: %1"_s.arg(failure));
        return false;
    }
    m_written = m_text;
    return true;
}

void KeptText::setProblem(const QString &problem)
{
    if (problem == m_problem)
        return;
    m_problem = problem;
    emit problemChanged(problem);
}

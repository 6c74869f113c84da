#include "layout/evaluation.h"

#include "state/output_text.h"

#include <algorithm>

namespace {

// How many blanks go in front of a line of the given length (UTF-16 code units).
qsizetype leadingBlanks(qint16 alignment, qint16 width, qsizetype length)
{
    if (alignment == kCentred) {
        // The centred face width takes lines that do not fit it at the full face width.
        const qint16 target =
            width == kCentredFaceWidth && length > kCentredFaceWidth ? kFaceWidth : width;
        // Half the room, rounded up; at least one blank even when the line does not fit.
        return std::max<qsizetype>(1, (target - length + 1) / 2);
    }
    if (alignment == kRightAligned)
        return std::max<qsizetype>(1, width - length);
    return 0;
}

// Only centred lines are checked, all of them before anything is stored or shown.
void warnAboutLongLines(Session &session)
{
    const Module1 &state = session.state;
    if (state.AusrichtungsModus != kCentred)
        return;
    const qint16 limit = state.Zeilenbreite == kCentredFaceWidth ? kFaceWidth : state.Zeilenbreite;
    for (int line = 1; line <= kLineCount; ++line) {
        const qsizetype length = session.window.zeile(line - 1).size();
        // Each number keeps the blank of its sign position, hence two blanks before it.
        if (length > limit)
            session.dialogs.inform(QStringLiteral("Die  %1. Zeile ist  %2 Zeichen zu lang.")
                                       .arg(line)
                                       .arg(length - limit),
                                   QStringLiteral("Zeilenlänge"));
    }
}

} // namespace

void evaluate(Session &session)
{
    Module1 &state = session.state;
    session.window.setAusgabe(QString());
    warnAboutLongLines(session);
    for (int line = 1; line <= kLineCount; ++line) {
        const QString text = session.window.zeile(line - 1);
        state.MsgZeilen[line] =
            QString(leadingBlanks(state.AusrichtungsModus, state.Zeilenbreite, text.size()), u' ') +
            text;
    }
    AusgabeAktualisieren(session);
}

#include "layout/evaluation.h"

#include "state/output_text.h"

#include <algorithm>

namespace {

constexpr qint16 kCentred = 1;
constexpr qint16 kRightAligned = 2;
// Width 26 is the centred face layout; lines that do not fit it are centred in 38 instead.
constexpr qint16 kNarrowFaceWidth = 26;
constexpr qint16 kFaceWidth = 38;

} // namespace

qsizetype leadingBlanks(qint16 alignment, qint16 width, qsizetype length)
{
    if (alignment == kCentred) {
        const qint16 target =
            (width == kNarrowFaceWidth && length > kNarrowFaceWidth) ? kFaceWidth : width;
        const qsizetype room = target - length;
        // Half the room, rounded up; at least one blank even when the line does not fit.
        return room > 2 ? (room + 1) / 2 : 1;
    }
    if (alignment == kRightAligned)
        return std::max<qsizetype>(1, width - length);
    return 0;
}

std::optional<qsizetype> lengthExcess(qint16 alignment, qint16 width, qsizetype length)
{
    if (alignment != kCentred)
        return std::nullopt;
    const qint16 limit = width == kNarrowFaceWidth ? kFaceWidth : width;
    if (length > limit)
        return length - limit;
    return std::nullopt;
}

QString lengthWarningText(int lineNumber, qsizetype excess)
{
    // Each number keeps the blank of its sign position, hence two blanks before it.
    return QStringLiteral("Die  %1. Zeile ist  %2 Zeichen zu lang.").arg(lineNumber).arg(excess);
}

void evaluate(Session &session)
{
    Module1 &state = session.state;
    session.window.setAusgabe(QString());

    for (int i = 0; i < 4; ++i) {
        const auto excess = lengthExcess(state.AusrichtungsModus, state.Zeilenbreite,
                                         session.window.zeile(i).size());
        if (excess)
            session.dialogs.inform(lengthWarningText(i + 1, *excess),
                                   QStringLiteral("Zeilenlänge"));
    }

    for (int i = 0; i < 4; ++i) {
        const QString text = session.window.zeile(i);
        const qsizetype blanks =
            leadingBlanks(state.AusrichtungsModus, state.Zeilenbreite, text.size());
        QString line;
        line.reserve(blanks + text.size());
        line.fill(u' ', blanks);
        line += text;
        state.MsgZeilen[i + 1] = std::move(line);
    }
    AusgabeAktualisieren(session);
}

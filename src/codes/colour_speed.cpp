#include "codes/colour_speed.h"

#include "codes/numeric_answer.h"
#include "state/output_text.h"

namespace {

const QString kLineTitle = QStringLiteral("Zeile");

} // namespace

void addColour(Session &session)
{
    for (;;) {
        const auto line = askNumber(
            session, QStringLiteral("Welche Zeile soll die Farbe ändern? (1 - 4)"), kLineTitle, 1);
        if (!line)
            return;
        const auto colour = askNumber(session, QStringLiteral("Eine Zahl zwischen 0 und 19"),
                                      QStringLiteral("Textfarbe"), 0);
        if (!colour)
            return;
        if (*colour < 0 || *colour > 19 || !isLineNumber(*line))
            continue;
        QString &entry = session.state.MsgZeilen[*line];
        entry = QStringLiteral("\\C[%1]").arg(*colour) + entry + QStringLiteral("\\C[0]");
        AusgabeAktualisieren(session);
        return;
    }
}

void addSpeed(Session &session)
{
    for (;;) {
        const auto line = askNumber(
            session,
            QStringLiteral("Von welcher Zeile an soll sich die Geschwindigkeit verändern? (1 - 4)"),
            kLineTitle, 1);
        if (!line)
            return;
        const auto speed =
            askNumber(session, QStringLiteral("Eine Zahl zwischen 1 = Schnell und 20 = Langsam"),
                      QStringLiteral("Textgeschwindigkeit"), 15);
        if (!speed)
            return;
        if (*speed < 1 || *speed > 20)
            continue;
        // Unlike the speed, a line out of range is not asked again: the command just ends.
        if (!isLineNumber(*line))
            return;
        QString &entry = session.state.MsgZeilen[*line];
        entry = QStringLiteral("\\S[%1]").arg(*speed) + entry;
        AusgabeAktualisieren(session);
        return;
    }
}

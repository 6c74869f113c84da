#include "codes/delay_close.h"

#include "codes/numeric_answer.h"
#include "state/output_text.h"

void addPause(Session &session)
{
    for (;;) {
        const auto line = askNumber(
            session,
            QStringLiteral("Welcher Zeile soll \"\\..\\..\\..\" hinzugefügt werden? (1 - 4)"),
            QStringLiteral("Zeile"), 1);
        if (!line)
            return;
        if (!isLineNumber(*line))
            continue;
        session.state.MsgZeilen[*line] += QStringLiteral("\\..\\..\\..");
        AusgabeAktualisieren(session);
        return;
    }
}

void addAutoClose(Session &session)
{
    for (;;) {
        const auto delays = askNumber(
            session, QStringLiteral("Wie viele Verzögerungen? (1 - 20) (1 = \\. ; 2 = \\.\\. )"),
            QStringLiteral("Automatisches Schließen"), 0);
        if (!delays)
            return;
        if (*delays < 1 || *delays > 20)
            continue;
        session.state.MsgZeilen[kLineCount] +=
            QStringLiteral("\\.").repeated(*delays) + QStringLiteral("\\^");
        AusgabeAktualisieren(session);
        return;
    }
}

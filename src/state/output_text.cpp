#include "state/output_text.h"

QString ausgabeText(const std::array<QString, 5> &msgZeilen)
{
    qsizetype size = 3 * kLineBreak.size();
    for (int n = 1; n <= 4; ++n)
        size += msgZeilen[n].size();
    QString text;
    text.reserve(size);
    for (int n = 1; n <= 4; ++n) {
        if (n > 1)
            text += kLineBreak;
        text += msgZeilen[n];
    }
    return text;
}

void AusgabeAktualisieren(Session &session)
{
    session.window.setAusgabe(ausgabeText(session.state.MsgZeilen));
}

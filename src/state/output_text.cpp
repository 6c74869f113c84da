#include "state/output_text.h"

#include <QStringList>

void AusgabeAktualisieren(Session &session)
{
    const auto &lines = session.state.MsgZeilen;
    session.window.setAusgabe(QStringList(lines.begin() + 1, lines.end()).join(u"\r\n"));
}

#include "text_split/take_message.h"

#include "layout/evaluation.h"

void takeMessage(Session &session, const QStringList &lines)
{
    for (int line = 0; line < kLineCount; ++line)
        session.window.setZeile(line, lines.value(line));
    evaluate(session);
}

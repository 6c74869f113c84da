#include "codes/numeric_answer.h"

#include <cmath>
#include <limits>

namespace {

std::optional<qint16> parseNumericAnswer(QString answer, const QLocale &locale)
{
    // Some locales write the sign with direction marks (Arabic, Persian, Hebrew, Urdu), which Qt
    // does not read back.
    answer.replace(locale.negativeSign(), QStringLiteral("-"));
    answer.replace(locale.positiveSign(), QStringLiteral("+"));
    // toDouble ignores blanks, tabs and no-break spaces around the number by itself.
    bool ok = false;
    const double value = locale.toDouble(answer, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    // The default rounding mode takes a half to the even neighbour.
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

} // namespace

std::optional<qint16> askNumber(Session &session, const QString &prompt, const QString &title,
                                int defaultAnswer)
{
    return parseNumericAnswer(session.dialogs.ask(prompt, title, QString::number(defaultAnswer)),
                              session.locale);
}

bool isLineNumber(qint16 number)
{
    return number >= 1 && number <= kLineCount;
}

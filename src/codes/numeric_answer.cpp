#include "codes/numeric_answer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The answer with the locale's number symbols replaced by the C locale's ("-1234.5e-1"). Qt has
// read it as a number, so every other character (group separators, blanks, direction marks)
// carries no value and is dropped.
QString cNotation(QString text, const QLocale &locale)
{
    text.remove(locale.groupSeparator());
    text.replace(locale.decimalPoint(), QStringLiteral("."));
    text.replace(locale.exponential(), QStringLiteral("e"), Qt::CaseInsensitive);
    const char32_t zero = locale.zeroDigit().toUcs4().value(0, U'0');
    QString c;
    for (const char32_t ch : text.toUcs4()) {
        if (ch >= zero && ch <= zero + 9)
            c += QChar(u'0' + (ch - zero));
        else if (ch < 128 && QByteArrayView("0123456789.e+-").contains(char(ch)))
            c += QChar(ch);
    }
    return c;
}

// Rounds a number in C notation to the nearest integer by its decimal digits, however many follow
// the point: a half to the even neighbour, anything below down, anything above up.
std::optional<qint16> roundDecimal(const QString &c)
{
    const qsizetype e = c.indexOf(u'e');
    QString digits = e < 0 ? c : c.first(e);
    const bool negative = digits.startsWith(u'-');
    digits.remove(u'-').remove(u'+');
    qsizetype point = digits.indexOf(u'.');
    if (point < 0)
        point = digits.size();
    else
        digits.remove(point, 1);
    if (e >= 0) {
        bool ok = false;
        const qlonglong exponent = QStringView(c).sliced(e + 1).toLongLong(&ok);
        // Read as finite, a number whose exponent does not fit 64 bits has no digit that counts.
        if (!ok)
            return qint16(0);
        point += qBound(-100000LL, exponent, 100000LL);
    }
    const auto zeros = std::ranges::find_if(digits, [](QChar ch) { return ch != u'0'; });
    point -= zeros - digits.begin();
    digits.remove(0, zeros - digits.begin());
    if (point > 5)
        return std::nullopt;

    int whole = 0;
    QStringView fraction;
    if (point >= 0) {
        whole = digits.left(point).leftJustified(point, u'0').toInt();
        fraction = QStringView(digits).mid(point);
    }
    const QChar first = fraction.isEmpty() ? u'0' : fraction.front();
    const bool moreThanFive =
        std::ranges::any_of(fraction.mid(1), [](QChar ch) { return ch != u'0'; });
    if (first > u'5' || (first == u'5' && (moreThanFive || whole % 2 != 0)))
        ++whole;
    if (negative)
        whole = -whole;
    if (whole < std::numeric_limits<qint16>::min() || whole > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(whole);
}

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
    // The double has squeezed the digits already (1,4999999999999999999 is 1.5 there).
    return roundDecimal(cNotation(answer, locale));
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

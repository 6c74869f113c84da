#include "codes/numeric_answer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr char32_t kNone = 0xFFFFFFFF; // matches no character

// The one character a locale symbol consists of, or kNone for a longer one, which Qt's reading
// never matches.
char32_t single(const QString &symbol)
{
    const QList<uint> ucs4 = symbol.toUcs4();
    return ucs4.size() == 1 ? ucs4.front() : kNone;
}

// The answer in C notation ("-12.5e-1"), each character taken as QLocale::toDouble takes it;
// nothing for a character whose meaning there is not known here.
std::optional<QString> cNotation(QStringView answer, const QLocale &locale)
{
    const char32_t plus = single(locale.positiveSign());
    const char32_t minus = single(locale.negativeSign());
    const char32_t point = single(locale.decimalPoint());
    const char32_t exponent = QChar::toCaseFolded(single(locale.exponential()));
    const char32_t group = single(locale.groupSeparator());
    const bool blankGroups = group == U'\u00a0' || group == U'\u202f';
    const char32_t zero = single(locale.zeroDigit());

    QString c;
    c.reserve(answer.size());
    for (const char32_t ch : answer.trimmed().toUcs4()) {
        if (ch == u'+' || ch == plus)
            c += u'+';
        else if (ch == u'-' || ch == U'\u2212' || ch == minus)
            c += u'-';
        else if (ch == point)
            c += u'.';
        else if (ch == u'e' || ch == u'E' || QChar::toCaseFolded(ch) == exponent)
            c += u'e';
        else if (ch == group || (blankGroups && ch == u' '))
            continue;
        else if (ch >= zero && ch - zero < 10)
            c += QChar(u'0' + (ch - zero));
        else if (ch >= u'0' && ch <= u'9')
            c += QChar(ch);
        else
            return std::nullopt;
    }
    return c;
}

// The significant digits of a number in C notation: "-0.0250e1" gives "25".
QString significantDigits(QStringView number)
{
    QString digits = number.left(number.indexOf(u'e')).toString();
    digits.remove(u'-').remove(u'+').remove(u'.');
    while (digits.endsWith(u'0'))
        digits.chop(1);
    const auto zeros = std::ranges::find_if(digits, [](QChar ch) { return ch != u'0'; });
    return digits.sliced(zeros - digits.begin());
}

// Whether the answer, which Qt read as the half `half`, is above it (1), below it (-1) or exactly
// it (0) in magnitude: a double keeps only about 16 significant digits, so 1,4999999999999999999
// and 1,50000000000000000001 are both 1.5 there. Nothing when the digits cannot be read as Qt read
// them.
std::optional<int> compareWithHalf(QStringView answer, const QLocale &locale, double half)
{
    const std::optional<QString> c = cNotation(answer, locale);
    bool ok = false;
    // Our reading must agree with Qt's wherever a double can tell; otherwise Qt's decides.
    if (!c || QLocale::c().toDouble(*c, &ok) != half || !ok)
        return std::nullopt;
    // Both numbers are that close to the half that their points stand at the same place: no power
    // of ten lies between them. So the digits alone decide.
    const int order =
        significantDigits(*c).compare(significantDigits(QString::number(half, 'f', 1)));
    return (order > 0) - (order < 0);
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
    // Halves go to the even neighbour, unless the digits beyond the double's say otherwise.
    double rounded = std::nearbyint(value);
    if (std::abs(value - std::trunc(value)) == 0.5) {
        if (const std::optional<int> order = compareWithHalf(answer, locale, value);
            order && *order)
            rounded = value + std::copysign(0.5, value) * *order;
    }
    if (rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(rounded);
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

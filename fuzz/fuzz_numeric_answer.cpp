// Any UTF-16 text, read as a numeric answer in one of several locales.
#include "fuzz_support.h"

#include "codes/numeric_answer.h"

#include <QLocale>

#include <array>
#include <cmath>

namespace {

const std::array<QLocale, 5> &locales()
{
    static const std::array<QLocale, 5> all{QLocale(QLocale::German, QLocale::Germany),
                                            QLocale(QLocale::English, QLocale::UnitedStates),
                                            QLocale(QLocale::French, QLocale::France),
                                            QLocale(QLocale::Arabic, QLocale::Egypt), QLocale::c()};
    return all;
}

// Whether a finite value rounds, halves to even, into the 16-bit range.
bool roundsInto16Bits(double value)
{
    return value >= -32768.5 && value < 32767.5;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QLocale &locale = locales()[data[0] % locales().size()];
    const QString answer = utf16Text(data + 1, size - 1);

    const std::optional<qint16> result = parseNumericAnswer(answer, locale);

    bool ok = false;
    const double value = locale.toDouble(answer.trimmed(), &ok);
    const bool usable = ok && std::isfinite(value) && roundsInto16Bits(value);
    FUZZ_CHECK(result.has_value() == usable);
    if (!result)
        return 0;

    // The nearest whole number; of two equally near, the even one.
    const double distance = std::fabs(value - *result);
    FUZZ_CHECK(distance <= 0.5);
    if (distance == 0.5)
        FUZZ_CHECK(*result % 2 == 0);

    // Blanks around a number the locale reads as it is change nothing.
    bool untrimmedOk = false;
    const double untrimmed = locale.toDouble(answer, &untrimmedOk);
    if (untrimmedOk)
        FUZZ_CHECK(untrimmed == value);

    // A default answer, written as plain digits, reads back as itself in every locale.
    FUZZ_CHECK(parseNumericAnswer(QString::number(*result), locale) == result);
    // So does the locale's own writing of the number; Qt 6.4 cannot read its Arabic negative
    // sign (U+061C before the hyphen), so negative numbers are left out here.
    if (*result >= 0)
        FUZZ_CHECK(parseNumericAnswer(locale.toString(*result), locale) == result);
    return 0;
}

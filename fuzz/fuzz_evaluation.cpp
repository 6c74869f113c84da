// Evaluation of any four input lines in any alignment mode at any width.
//
// Input: alignment mode and width as little-endian 16-bit numbers, the lengths of lines 1 to 3
// in code units (one byte each), then UTF-16 text: lines 1 to 3 and the rest as line 4.
#include "fuzz_support.h"

#include "command_model.h"
#include "test_session.h"

#include "layout/evaluation.h"

#include <algorithm>

namespace {

constexpr std::size_t kHeaderSize = 7;

qint16 read16(const std::uint8_t *data)
{
    return qint16(quint16(data[0] | data[1] << 8));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < kHeaderSize)
        return 0;
    const qint16 mode = read16(data);
    const qint16 width = read16(data + 2);
    const QString text = utf16Text(data + kHeaderSize, size - kHeaderSize);
    std::array<QString, 4> input;
    qsizetype at = 0;
    for (int i = 0; i < 3; ++i) {
        const qsizetype length = std::min<qsizetype>(data[4 + i], text.size() - at);
        input[i] = text.mid(at, length);
        at += length;
    }
    input[3] = text.mid(at);

    TestSession t;
    t.state.AusrichtungsModus = mode;
    t.state.Zeilenbreite = width;
    const QString entry0 = QStringLiteral("never shown");
    t.state.MsgZeilen[0] = entry0;
    t.window.lines = input;

    evaluate(t.session);

    FUZZ_CHECK(t.state.AusrichtungsModus == mode && t.state.Zeilenbreite == width);
    FUZZ_CHECK(t.window.lines == input);
    FUZZ_CHECK(t.state.MsgZeilen[0] == entry0);
    FUZZ_CHECK(t.dialogs.questions.isEmpty());

    qsizetype warnings = 0;
    for (int n = 1; n <= 4; ++n) {
        const auto warning = modelLengthWarning(mode, width, n, input[n - 1].size());
        if (!warning)
            continue;
        FUZZ_CHECK(warnings < t.dialogs.messages.size());
        FUZZ_CHECK(t.dialogs.messages[warnings].text == *warning);
        FUZZ_CHECK(t.dialogs.messages[warnings].title == QStringLiteral("Zeilenlänge"));
        ++warnings;
    }
    FUZZ_CHECK(t.dialogs.messages.size() == warnings);

    for (int n = 1; n <= 4; ++n) {
        const QString &stored = t.state.MsgZeilen[n];
        const QString &line = input[n - 1];
        FUZZ_CHECK(stored.endsWith(line));
        const qsizetype added = stored.size() - line.size();
        FUZZ_CHECK(added == modelLeadingBlanks(mode, width, line.size()));
        FUZZ_CHECK(
            std::all_of(stored.begin(), stored.begin() + added, [](QChar c) { return c == u' '; }));
    }
    const auto &m = t.state.MsgZeilen;
    FUZZ_CHECK(t.window.ausgabe == m[1] + QStringLiteral("\r\n") + m[2] + QStringLiteral("\r\n") +
                                       m[3] + QStringLiteral("\r\n") + m[4]);
    return 0;
}

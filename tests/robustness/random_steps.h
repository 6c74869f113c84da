#pragma once

#include "command_step.h"

#include <QChar>

#include <random>

// The characters a locale writes numbers with.
struct NumberFormat {
    QChar decimalPoint;
    QChar groupSeparator;
};

// Draws user actions: typed lines of every kind and commands answered validly, out of range,
// with fractions, with no number at all, or cancelled.
class StepGenerator {
public:
    StepGenerator(std::mt19937 &rng, NumberFormat format);

    int uniform(int low, int high);
    QString randomLine();
    CommandStep randomStep();

private:
    struct Range {
        int low;
        int high;
    };

    std::mt19937 &m_rng;
    NumberFormat m_format;

    void appendRandomCharacter(QString &text);
    StepAnswer numberAnswer(qint64 hundredths, bool grouped = false, bool blanksAround = false);
    StepAnswer randomAnswer(Range range);
    // Answers for questions that come in turn from the given ranges, again and again.
    QList<StepAnswer> randomAnswers(std::initializer_list<Range> ranges);
};

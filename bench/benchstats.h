#pragma once

// What every bench prints: a value per round, then the minimum, median and
// maximum over the rounds. Header-only; benches are single programs.

#include <QString>
#include <QVector>

#include <algorithm>
#include <cstdio>

struct RoundFigures
{
    QVector<double> values;

    void add(double v) { values.append(v); }
    double min() const { return values.isEmpty() ? 0 : *std::min_element(values.begin(), values.end()); }
    double max() const { return values.isEmpty() ? 0 : *std::max_element(values.begin(), values.end()); }
    double median() const
    {
        if (values.isEmpty())
            return 0;
        QVector<double> s = values;
        std::sort(s.begin(), s.end());
        const int n = s.size();
        return n % 2 ? s.at(n / 2) : (s.at(n / 2 - 1) + s.at(n / 2)) / 2.0;
    }
};

// "  label   min   median   max" with the given printf format for each value.
inline void printSummary(const char *label, const RoundFigures &f, const char *format)
{
    std::printf("  %-28s min ", label);
    std::printf(format, f.min());
    std::printf("  median ");
    std::printf(format, f.median());
    std::printf("  max ");
    std::printf(format, f.max());
    std::printf("\n");
}

// Rounds from the first argument that is a number (default when none), at
// least 5: fewer leave the median and the spread to a single slow round.
inline int roundsFrom(int argc, char **argv, int fallback)
{
    constexpr int MinRounds = 5;
    for (int i = 1; i < argc; ++i) {
        bool ok = false;
        const int n = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (ok && n > 0)
            return qMax(MinRounds, n);
    }
    return qMax(MinRounds, fallback);
}

#pragma once

#include <QList>
#include <QString>

#include <algorithm>
#include <chrono>

// Monotonic time and the few statistics the benchmarks report.
namespace Timing {

inline qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The value below which the given share of the samples lie (0.5: the median).
inline double quantile(QList<double> samples, double share)
{
    if (samples.isEmpty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const auto index = qsizetype(share * double(samples.size() - 1) + 0.5);
    return samples.at(std::clamp<qsizetype>(index, 0, samples.size() - 1));
}

inline double median(const QList<double> &samples)
{
    return quantile(samples, 0.5);
}

inline QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

} // namespace Timing

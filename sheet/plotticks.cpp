#include "plotticks.h"

#include <algorithm>
#include <cmath>

namespace PlotTicks {

namespace {

// mantissa × 10^exponent, computed so that 0.1 × 3 reads as 0.3.
double scaled(double count, int mantissa, int exponent)
{
    const double power = std::pow(10.0, std::abs(exponent));
    return exponent < 0 ? count * mantissa / power : count * mantissa * power;
}

// Multiples of a step a hair off the range still count as on it.
constexpr double Slack = 1e-9;

} // namespace

Axis axis(double low, double high, int most, double minimumStep, bool cover)
{
    Axis result {low, high, 0, {}};
    if (!std::isfinite(low) || !std::isfinite(high) || !(high > low) || most < 2)
        return result;
    const int mantissas[] = {1, 2, 5};
    int exponent = int(std::floor(std::log10((high - low) / most)));
    if (minimumStep > 0)
        exponent = std::max(exponent, int(std::floor(std::log10(minimumStep))));
    // A step ten times the range's share of a tick always fits: few tries.
    for (int tries = 0; tries < 4; ++tries, ++exponent) {
        for (const int mantissa : mantissas) {
            const double step = scaled(1, mantissa, exponent);
            if (step < minimumStep)
                continue;
            const double first
                = cover ? std::floor(low / step + Slack) : std::ceil(low / step - Slack);
            const double last
                = cover ? std::ceil(high / step - Slack) : std::floor(high / step + Slack);
            if (last - first + 1 > most)
                continue;
            result.step = step;
            for (double k = first; k <= last; ++k)
                result.ticks << scaled(k, mantissa, exponent);
            if (cover && !result.ticks.isEmpty()) {
                result.from = result.ticks.constFirst();
                result.to = result.ticks.constLast();
            }
            return result;
        }
    }
    return result;
}

} // namespace PlotTicks

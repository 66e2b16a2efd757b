#pragma once

#include <QList>

// The steps of a plot's axis: 1, 2 or 5 times a power of ten, so that a
// reader can count along it (0, 100, 200 fixtures; 270, 272, 274 V).
namespace PlotTicks {

struct Axis
{
    double from = 0;
    double to = 0;
    double step = 0; // 0 when the range has no ticks
    QList<double> ticks;
};

// The axis over [low, high] with the smallest step, no smaller than
// minimumStep, that puts at most `most` ticks on it. With `cover` the axis
// is widened to the nearest ticks outside the range; otherwise it is the
// range itself, with the ticks that fall within it. An empty, reversed or
// infinite range gives an axis without ticks.
Axis axis(double low, double high, int most, double minimumStep = 0, bool cover = false);

} // namespace PlotTicks

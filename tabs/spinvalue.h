#pragma once

#include <QSpinBox>

#include <cmath>
#include <limits>

// A double put into a spin box is truncated toward zero; a figure that does
// not fit an int (or is not a number) is kept within an int's range.
inline int truncatedSpinValue(double value)
{
    if (std::isnan(value))
        return 0;
    const double truncated = std::trunc(value);
    if (truncated >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (truncated <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(truncated);
}

// The most feet a leader length box offers when the catalogue sets no limit.
constexpr int LeaderLengthLimit = 999;

// Sets the maximum of a leader length box from a catalogue figure. A figure
// of 0 (or one below the box's minimum) sets no limit rather than collapsing
// the box's range.
inline void setLeaderLengthMaximum(QSpinBox &spin, double maximum)
{
    const int value = truncatedSpinValue(maximum);
    spin.setMaximum(value < spin.minimum() ? LeaderLengthLimit : value);
}

#pragma once

#include <cmath>
#include <limits>

// How the window's number boxes take catalogue figures, for every user of
// those figures: the window sets its boxes by these rules, the command line
// and the tests compute with them.

// A double put into a number box is truncated toward zero; a figure that does
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
// The fewest feet a leader length box offers.
constexpr int LeaderLengthMinimum = 1;

// The maximum a leader length box takes from a catalogue figure. A figure of
// 0 (or one below the box's minimum) sets no limit rather than collapsing the
// box's range.
inline int leaderLengthMaximum(double figure, int minimum = LeaderLengthMinimum)
{
    const int value = truncatedSpinValue(figure);
    return value < minimum ? LeaderLengthLimit : value;
}

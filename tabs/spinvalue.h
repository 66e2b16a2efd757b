#pragma once

#include "boxvalues.h"

#include <QSpinBox>

// Sets the maximum of a leader length box from a catalogue figure.
inline void setLeaderLengthMaximum(QSpinBox &spin, double maximum)
{
    spin.setMaximum(leaderLengthMaximum(maximum, spin.minimum()));
}

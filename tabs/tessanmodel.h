#pragma once

#include <QList>
#include <QString>

// One cell of a Tessan run, as the calculation sees it.
struct TessanCell
{
    enum Kind { Fixture, Jumper };

    Kind kind = Fixture;
    double length = 0; // feet
    double resistance = 0; // ohms, the whole cell
    double current = 0; // amps drawn by a fixture cell; a jumper draws none
};

// Everything one calculation of a Tessan run depends on.
struct TessanRunInput
{
    QList<TessanCell> cells; // in run order, the first next to the supply
    int fixtureCount = 0;
    double leaderLength = 0; // feet
    double leaderResistancePerFoot = 0; // ohms per foot
    double fixtureVoltage = 0; // volts
    double minVoltage = 0; // volts at the far end; 0 means no limit
    double maxPortPower = 0; // watts per port; 0 means no limit
};

struct TessanRunResult
{
    double length = 0; // feet, cells and leader
    double current = 0; // amps
    double voltageDrop = 0; // volts
    double power = 0; // watts
    bool valid = false;
};

// Adds the counted cells and then the leader into the three totals. Walking
// from the far end, every segment drops the total current beyond it, its own
// included, times its resistance.
void TS_SumRun(const TessanRunInput &input, double &length, double &current, double &voltageDrop);
// The leader carries the whole run's current.
void TS_SumLeader(const TessanRunInput &input, double &length, double current, double &voltageDrop);

// The totals, the power at the fixture voltage and the verdict on both limits.
TessanRunResult calculateTessanRun(const TessanRunInput &input);

// The calculation's line in the message log.
QString tessanLogLine(const TessanRunResult &result);

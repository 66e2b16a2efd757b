#pragma once

#include <QList>
#include <QString>

// What a run looks like along its length: the voltage each counted cell gets
// and what it drops and carries. Both line-voltage and constant-current runs
// share this shape; only the unit of the load differs.
namespace RunProfile {

struct CellProfile
{
    enum Kind { Fixture, Jumper };

    int index = 0; // position among the run's cells, 0 next to the supply
    Kind kind = Fixture;
    int fixtureNumber = 0; // 1 for the first fixture; 0 for a jumper
    double inputVoltage = 0; // volts at the cell's end towards the supply
    double drop = 0; // volts across the cell itself
    double load = 0; // what the cell carries, itself and everything beyond it
    double length = 0; // feet
    double resistance = 0; // ohms, the whole cell
    bool resolved = true; // false: a jumper without a cable type or gauge
};

// The voltage at the supply end of the leader, the leader's drop, each
// counted cell in run order and the voltage at the far end. Adding the cells'
// drops from the far end back to the supply, then the leader's, gives the
// run's total drop bit for bit; the far end is the supply voltage less that
// total, and each cell's input voltage is the far end plus the drops of the
// cell and of everything beyond it, summed in the same order.
struct Profile
{
    double supplyVoltage = 0;
    double leaderDrop = 0;
    double farEndVoltage = 0;
    QList<CellProfile> cells;
};

// "Fixture 12: 113.4 V at its input, 6.6 V (5.5 %) below the supply", and
// " — below the minimum 108 V" when minVoltage is not 0 and not met.
QString fixtureTip(const CellProfile &cell, const Profile &profile, double minVoltage);
// A jumper's length, resistance and drop, or that it has no cable type or gauge.
QString jumperTip(const CellProfile &cell);
// The tip of any counted cell.
QString cellTip(const CellProfile &cell, const Profile &profile, double minVoltage);

// The tip of the cell at `position` among the cells the model sees; none for
// a position past the profile (a jumper past the last fixture carries nothing).
QString cellTipAt(const Profile &profile, int position, double minVoltage);

// The position of cells[index] among the cells a model sees (those `seen`
// accepts), or -1 when there is no such cell or the model does not see it.
template<typename Cells, typename Seen> int modelPosition(const Cells &cells, int index, Seen seen)
{
    if (index < 0 || index >= int(cells.size()) || !seen(cells[index]))
        return -1;
    int position = 0;
    for (int i = 0; i < index; ++i)
        position += seen(cells[i]) ? 1 : 0;
    return position;
}

// The line that says the run cannot grow: it holds MaxRunFixtures fixtures.
QString boundLine();
// "Next fixture (12): within every limit", or with the broken limits' lines.
QString nextFixtureLine(int fixtureNumber, const QStringList &brokenLimits);

// Completes a profile whose walk has set each cell's drop, and its input
// voltage to the running total of drops right after the cell: sets the far
// end from the total drop, adds it to every input voltage and numbers the
// fixtures in run order.
void finish(Profile &profile, double totalDrop);

} // namespace RunProfile

#include "tessanmodel.h"

namespace {
// Cells up to and including the last counted fixture; jumpers left dangling
// beyond it carry nothing. A run without fixtures counts every cell.
qsizetype countedCells(const QList<TessanCell> &cells, int fixtureCount)
{
    int fixtures = 0;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (cells.at(i).kind == TessanCell::Fixture && ++fixtures == fixtureCount)
            return i + 1;
    }
    return cells.size();
}
} // namespace

void TS_SumRun(const TessanRunInput &input, double &length, double &current, double &voltageDrop)
{
    for (qsizetype i = countedCells(input.cells, input.fixtureCount) - 1; i >= 0; --i) {
        const TessanCell &cell = input.cells.at(i);
        length += cell.length;
        if (cell.kind == TessanCell::Fixture)
            current += cell.current;
        voltageDrop += current * cell.resistance;
    }
    TS_SumLeader(input, length, current, voltageDrop);
}

void TS_SumLeader(const TessanRunInput &input, double &length, double current, double &voltageDrop)
{
    length += input.leaderLength;
    voltageDrop += input.leaderResistancePerFoot * input.leaderLength * current;
}

TessanRunResult calculateTessanRun(const TessanRunInput &input)
{
    TessanRunResult result;
    TS_SumRun(input, result.length, result.current, result.voltageDrop);
    result.power = result.current * input.fixtureVoltage;

    // Written as "within the limit" so that a figure that is no number fails.
    result.valid = true;
    if (input.maxPortPower != 0)
        result.valid = result.valid && result.power <= input.maxPortPower;
    if (input.minVoltage != 0)
        result.valid
            = result.valid && input.fixtureVoltage - result.voltageDrop >= input.minVoltage;
    return result;
}

QString tessanLogLine(const TessanRunResult &result)
{
    return QStringLiteral("Length = %1 Current = %2 VDrop = %3")
        .arg(result.length, 0, 'g', 6)
        .arg(result.current, 0, 'g', 6)
        .arg(result.voltageDrop, 0, 'g', 6);
}

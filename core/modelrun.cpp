#include "modelrun.h"

#include "runrules.h"
#include "runwalk.h"

#include <cmath>
#include <utility>

namespace {

// A figure this close to its limit may fall on the other side of it in the
// walk's order of additions.
constexpr double Closeness = 1e-9;

// Room for the cells of most runs the search grows, allocated once.
constexpr std::size_t InitialCapacity = 128;

bool tooClose(double figure, double limit)
{
    return RunWalk::nearLimit(figure, limit, Closeness);
}

} // namespace

// Zelvane ---------------------------------------------------------------------

ZelvaneModelRun::ZelvaneModelRun(ZelvaneModel::Inputs settings, const ZelvaneModel::Cell &fixture,
    const ZelvaneModel::Cell &jumper, bool jumperRequired)
    : m_settings(std::move(settings)), m_fixture(fixture), m_jumper(jumper),
      m_jumperRequired(jumperRequired), m_voltage(ZelvaneModel::effectiveVoltage(m_settings))
{
    m_settings.cells.clear();
    m_steps.reserve(InitialCapacity);
    append(m_fixture);
}

double ZelvaneModelRun::cellDropPerWatt(const ZelvaneModel::Cell &cell) const
{
    // The drop of one watt through the cell, as the walk's segment drop has it.
    const double resistance
        = cell.kind == ZelvaneModel::Cell::Fixture ? cell.record.resistance : cell.jumperResistance;
    const double drop
        = (1.0 / (cell.record.powerFactor * m_voltage)) * resistance * cell.record.fudgeFactor;
    return cell.record.safetyRequired ? drop * std::sqrt(2.0) : drop;
}

void ZelvaneModelRun::append(const ZelvaneModel::Cell &cell)
{
    State next = m_steps.empty() ? State {} : m_steps.back();
    next.kind = cell.kind;
    next.dropPerWatt += cellDropPerWatt(cell);
    if (cell.kind == ZelvaneModel::Cell::Jumper) {
        next.pendingLength += cell.jumperLength;
        next.pendingUnresolved = next.pendingUnresolved || !cell.jumperResolved;
    } else {
        // Every cell up to this one now carries its power too.
        ZelvaneModel::Totals &t = next.counted;
        t.length += next.pendingLength + cell.record.electricalLength;
        next.pendingLength = 0;
        next.countedUnresolved = next.countedUnresolved || next.pendingUnresolved;
        next.pendingUnresolved = false;
        t.power += cell.record.power;
        t.fixtureLength += cell.record.electricalLength;
        t.voltageDrop += cell.record.power * next.dropPerWatt;
        ++next.fixtures;
    }
    m_steps.push_back(next);
}

int ZelvaneModelRun::fixtureCount() const
{
    return m_steps.empty() ? 0 : m_steps.back().fixtures;
}

bool ZelvaneModelRun::lastCellIsJumper() const
{
    return !m_steps.empty() && m_steps.back().kind == ZelvaneModel::Cell::Jumper;
}

void ZelvaneModelRun::addFixture(bool continuePattern)
{
    if (RunRules::addsJumperFirst(m_steps, fixtureCount(), m_jumperRequired, continuePattern,
            [](const State &step) { return step.kind == ZelvaneModel::Cell::Fixture; }))
        append(m_jumper);
    append(m_fixture);
}

void ZelvaneModelRun::removeLastCell()
{
    if (!m_steps.empty())
        m_steps.pop_back();
}

ZelvaneModel::Result ZelvaneModelRun::result() const
{
    const State &last = lastStep();
    // A counted jumper without figures makes the run invalid at once: so
    // short a run is walked, for the check to name it as the walk does.
    if (last.countedUnresolved
        || ZelvaneModel::verdict(m_settings, last.counted, last.fixtures, Closeness).nearLimit)
        return exactResult();
    return ZelvaneModel::judge(m_settings, last.counted, last.fixtures);
}

bool ZelvaneModelRun::isValid() const
{
    const State &last = lastStep();
    if (last.countedUnresolved)
        return exactResult().valid;
    const ZelvaneModel::Verdict sums
        = ZelvaneModel::verdict(m_settings, last.counted, last.fixtures, Closeness);
    return sums.nearLimit ? exactResult().valid : sums.valid;
}

ZelvaneModel::Inputs ZelvaneModelRun::inputs() const
{
    ZelvaneModel::Inputs inputs = m_settings;
    inputs.cells.reserve(qsizetype(m_steps.size()));
    for (const State &step : m_steps)
        inputs.cells << cellAt(step);
    return inputs;
}

ZelvaneModel::Result ZelvaneModelRun::exactResult() const
{
    const State &last = lastStep();
    if (last.countedUnresolved)
        return ZelvaneModel::calculate(inputs());
    // The walk's own additions in its order, on the steps instead of a list of cells.
    ZelvaneModel::Totals totals;
    const auto isFixture
        = [](const State &step) { return step.kind == ZelvaneModel::Cell::Fixture; };
    RunWalk::visitCountedFromFarEnd(
        m_steps, last.fixtures, isFixture, [this, &totals](const State &step, int) {
            ZelvaneModel::addCell(cellAt(step), m_voltage, totals);
        });
    return ZelvaneModel::judge(m_settings, totals, last.fixtures);
}

ZelvaneModel::Headroom ZelvaneModelRun::headroom()
{
    ZelvaneModel::Headroom room;
    const int cells = cellCount();
    room.fixtureNumber = fixtureCount() + 1;
    room.atBound = fixtureCount() >= MaxRunFixtures;
    room.canGrow = m_settings.fixture && !room.atBound;
    if (!room.canGrow)
        return room;
    addFixture(true);
    room.addsJumper = cellCount() > cells + 1;
    room.result = exactResult();
    for (const ZelvaneModel::LimitCheck &check : room.result.checks)
        if (!check.holds)
            room.broken << check;
    while (cellCount() > cells)
        removeLastCell();
    return room;
}

// Tessan ----------------------------------------------------------------------

TessanModelRun::TessanModelRun(TessanModel::Inputs settings, const TessanModel::Cell &fixture)
    : m_settings(std::move(settings)), m_fixture(fixture)
{
    m_settings.cells.clear();
    addFixture(false);
}

void TessanModelRun::addFixture(bool)
{
    State next = m_steps.empty() ? State {} : m_steps.back();
    // The new current flows through every cell up to this one.
    next.resistance += m_fixture.resistance;
    next.cells.length += m_fixture.length;
    next.cells.current += m_fixture.current;
    next.cells.voltageDrop += m_fixture.current * next.resistance;
    m_steps.push_back(next);
}

void TessanModelRun::removeLastCell()
{
    if (!m_steps.empty())
        m_steps.pop_back();
}

TessanModel::Result TessanModelRun::fromSums() const
{
    TessanModel::Totals totals = m_steps.empty() ? TessanModel::Totals {} : m_steps.back().cells;
    if (m_settings.leader)
        TessanModel::TS_SumLeader(*m_settings.leader, totals);
    return TessanModel::judge(m_settings, totals, fixtureCount());
}

TessanModel::Result TessanModelRun::result() const
{
    TessanModel::Result sums = fromSums();
    const double maxPower = m_settings.supply ? m_settings.supply->maxPortPower : 0;
    const double minVoltage = m_settings.fixture ? m_settings.fixture->minVoltage : 0;
    const double voltage = m_settings.fixture ? m_settings.fixture->voltage : 0;
    if ((maxPower != 0 && tooClose(sums.power, maxPower))
        || (minVoltage != 0 && tooClose(voltage - sums.totals.voltageDrop, minVoltage)))
        return exactResult();
    return sums;
}

bool TessanModelRun::isValid() const
{
    return result().valid;
}

TessanModel::Inputs TessanModelRun::inputs() const
{
    TessanModel::Inputs inputs = m_settings;
    inputs.cells = QList<TessanModel::Cell>(qsizetype(m_steps.size()), m_fixture);
    return inputs;
}

TessanModel::Result TessanModelRun::exactResult() const
{
    return TessanModel::calculate(inputs());
}

#include "grownwalk.h"

#include "runwalk.h"

#include <algorithm>

template<typename Cell, typename Totals>
GrownWalk<Cell, Totals>::GrownWalk(const Cell &fixture, const std::optional<Cell> &jumper)
    : m_fixture(fixture), m_jumper(jumper)
{ }

template<typename Cell, typename Totals> void GrownWalk<Cell, Totals>::walkOneFixtureMore()
{
    // The far end of the longer run is the fixture just added; the cells the
    // walk visits after it are those of the shorter run, in the same order.
    Totals next = m_states.empty() ? Totals {} : m_states.back();
    if (!m_states.empty() && m_jumper)
        step(*m_jumper, next);
    step(m_fixture, next);
    m_states.push_back(next);
}

template<typename Cell, typename Totals>
QList<Cell> GrownWalk<Cell, Totals>::cells(int fixtures) const
{
    QList<Cell> run;
    for (int i = 0; i < fixtures; ++i) {
        if (i > 0 && m_jumper)
            run << *m_jumper;
        run << m_fixture;
    }
    return run;
}

template class GrownWalk<ZelvaneModel::Cell, ZelvaneModel::Totals>;
template class GrownWalk<TessanModel::Cell, TessanModel::Totals>;

ZelvaneGrownWalk::ZelvaneGrownWalk(const ZelvaneModel::Cell &fixture,
    const std::optional<ZelvaneModel::Cell> &jumper, double effectiveVoltage)
    : GrownWalk(fixture, jumper), m_voltage(effectiveVoltage)
{ }

void ZelvaneGrownWalk::step(const ZelvaneModel::Cell &cell, ZelvaneModel::Totals &totals) const
{
    ZelvaneModel::addCell(cell, m_voltage, totals);
}

TessanGrownWalk::TessanGrownWalk(
    const TessanModel::Cell &fixture, const std::optional<TessanModel::Cell> &jumper)
    : GrownWalk(fixture, jumper)
{ }

void TessanGrownWalk::step(const TessanModel::Cell &cell, TessanModel::Totals &totals) const
{
    TessanModel::addCell(cell, totals);
}

ZelvaneModel::Result ZelvaneEditedRun::calculate(const ZelvaneModel::Inputs &inputs)
{
    const std::optional<ZelvaneModel::Totals> known = grownTotals(inputs);
    if (!known)
        return ZelvaneModel::calculate(inputs);
    const auto isFixture
        = [](const ZelvaneModel::Cell &cell) { return cell.kind == ZelvaneModel::Cell::Fixture; };
    const int fixtures = int(std::count_if(inputs.cells.cbegin(), inputs.cells.cend(), isFixture));
    return ZelvaneModel::judge(inputs, *known, fixtures);
}

void ZelvaneEditedRun::keepFirst(int index)
{
    m_following = std::min(m_following, std::max(index, 0));
}

std::optional<ZelvaneModel::Totals> ZelvaneEditedRun::grownTotals(
    const ZelvaneModel::Inputs &inputs)
{
    using Cell = ZelvaneModel::Cell;
    const QList<Cell> &cells = inputs.cells;
    const auto isFixture = [](const Cell &cell) { return cell.kind == Cell::Fixture; };
    if (!inputs.fixture || cells.isEmpty() || !isFixture(cells.first()))
        return std::nullopt;
    const int fixtures = int(std::count_if(cells.cbegin(), cells.cend(), isFixture));
    const int counted = RunWalk::countedCellCount(cells, fixtures, isFixture);
    std::optional<Cell> jumper;
    if (counted > 1 && !isFixture(cells.at(1)))
        jumper = cells.at(1);
    const double voltage = ZelvaneModel::effectiveVoltage(inputs);
    // A walk of another fixture, jumper or voltage starts again.
    const bool sameWalk = m_walk && m_walk->voltage() == voltage
        && m_walk->fixture() == cells.first() && m_walk->hasJumpers() == jumper.has_value()
        && (!jumper || m_walk->jumper() == *jumper);
    if (!sameWalk) {
        m_walk.emplace(cells.first(), jumper, voltage);
        m_following = 0;
    }
    // Every counted cell a copy of the one a period before it.
    const int period = jumper ? 2 : 1;
    for (; m_following < counted; ++m_following) {
        const int i = m_following;
        if (i >= period && !(cells.at(i) == cells.at(i - period)))
            return std::nullopt;
    }
    // The counted cells end with a fixture: n fixtures, and n - 1 jumpers
    // between them when the run has jumpers.
    if (jumper && counted % 2 == 0)
        return std::nullopt;
    return m_walk->totals(jumper ? (counted + 1) / 2 : counted);
}

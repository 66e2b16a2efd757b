#include "grownwalk.h"

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

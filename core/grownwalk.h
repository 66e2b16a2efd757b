#pragma once

#include "runbound.h"
#include "tessanmodel.h"
#include "zelvanemodel.h"

#include <QList>

#include <algorithm>

#include <optional>
#include <vector>

// The far-end-first walk over a run that Maximize grows from one fixture: the
// fixture repeated, with one jumper copied before every fixture but the first
// when the run has jumpers (F, F J F, F J F J F...), or fixtures alone (F, F F,
// F F F...).
//
// Every cell of such a run is like every other, so the walk over n + 1
// fixtures is the walk over n followed by one step more (a jumper step, then a
// fixture step): each state is the state before it with the model's own step
// function called on it, and is therefore bit for bit what the model's full
// walk gives for the run of that many fixtures. States are walked on demand
// and kept, so asking for a run again costs nothing.
//
// The walk depends on its cells and, for a Zelvane run, the effective voltage
// only; the leader, the supply and the circuit are added and judged after it,
// so one walk serves every one of them.
template<typename Cell, typename Totals> class GrownWalk
{
public:
    virtual ~GrownWalk() = default;

    // The walk's totals over the counted cells of the run of `fixtures`
    // fixtures (1 or more); a jumper past the last fixture would count nothing.
    const Totals &totals(int fixtures)
    {
        while (walkedFixtures() < fixtures)
            walkOneFixtureMore();
        return m_states[std::size_t(fixtures) - 1];
    }
    // How many fixtures the walk has reached so far.
    int walkedFixtures() const { return int(m_states.size()); }

    bool hasJumpers() const { return m_jumper.has_value(); }
    const Cell &fixture() const { return m_fixture; }
    // The jumper before each fixture but the first; only when hasJumpers().
    const Cell &jumper() const { return *m_jumper; }
    // The run of that many fixtures, cell by cell, the first next to the supply.
    QList<Cell> cells(int fixtures) const;

protected:
    GrownWalk(const Cell &fixture, const std::optional<Cell> &jumper);
    // The model's step of its walk: adds one cell to the totals.
    virtual void step(const Cell &cell, Totals &totals) const = 0;

private:
    void walkOneFixtureMore();

    Cell m_fixture;
    std::optional<Cell> m_jumper;
    std::vector<Totals> m_states; // m_states[n - 1]: the run of n fixtures
};

// A Zelvane run: its walk steps with ZelvaneModel::addCell at one effective
// voltage (ZelvaneModel::effectiveVoltage).
class ZelvaneGrownWalk : public GrownWalk<ZelvaneModel::Cell, ZelvaneModel::Totals>
{
public:
    ZelvaneGrownWalk(const ZelvaneModel::Cell &fixture,
        const std::optional<ZelvaneModel::Cell> &jumper, double effectiveVoltage);

    double voltage() const { return m_voltage; }

private:
    void step(const ZelvaneModel::Cell &cell, ZelvaneModel::Totals &totals) const override;

    double m_voltage;
};

// A Tessan run: its walk steps with TessanModel::addCell; the leader is added
// after it (TessanModel::TS_SumLeader).
class TessanGrownWalk : public GrownWalk<TessanModel::Cell, TessanModel::Totals>
{
public:
    TessanGrownWalk(
        const TessanModel::Cell &fixture, const std::optional<TessanModel::Cell> &jumper);

private:
    void step(const TessanModel::Cell &cell, TessanModel::Totals &totals) const override;
};

// The Zelvane tab's calculation of the run being edited. While its cells are
// those of a grown run (a fixture, then copies of it, each after a copy of
// one jumper when the second cell is a jumper), their totals come from a
// ZelvaneGrownWalk kept between calculations, so that Maximize, which grows
// the run one cell at a time, costs a step a cell; any other run is walked
// in full. Either way the result is calculate()'s, bit for bit.
class ZelvaneEditedRun
{
public:
    ZelvaneModel::Result calculate(const ZelvaneModel::Inputs &inputs);
    // The cells from `index` on changed: whether they follow the pattern is
    // asked again.
    void keepFirst(int index);
    // The totals of the counted cells from the grown walk; none when the run
    // is not a grown one (it is then walked in full).
    std::optional<ZelvaneModel::Totals> grownTotals(const ZelvaneModel::Inputs &inputs);

private:
    std::optional<ZelvaneGrownWalk> m_walk;
    int m_following = 0; // leading cells known to follow m_walk's pattern
};

// The run Maximize ends with when it grows a run of one fixture: it adds
// fixtures while the run is valid (never past `bound`), takes cells away while
// it is invalid and strips a trailing jumper. Every run it passes through was
// valid but the last, so it ends with the run before the first invalid one,
// with the one fixture when even that is invalid, or with the run at the bound.
struct MaximizedRun
{
    int fixtures = 1;
    bool valid = false;
};

// validAt(n): whether the run of n fixtures is valid. With `growing` (every
// figure grows with the run, so a run once invalid stays invalid) the first
// invalid run is searched from `guess` outwards, then by halving; otherwise
// every run is tried in turn, as Maximize tries them.
template<typename ValidAt>
MaximizedRun maximizedRun(ValidAt validAt, bool growing, int guess = 1, int bound = MaxRunFixtures)
{
    if (!validAt(1))
        return {1, false};
    int low = 1; // the longest run known to be valid
    int high = bound + 1; // the shortest run known to be invalid, or past the bound
    if (!growing) {
        while (low < bound && validAt(low + 1))
            ++low;
        return {low, true};
    }
    if (bound >= 2) {
        int probe = std::clamp(guess, 2, bound);
        const bool validThere = validAt(probe);
        (validThere ? low : high) = probe;
        // Step away from the guess, twice as far each time, until past the end.
        for (int step = 1; high - low > 1; step *= 2) {
            probe = validThere ? std::min(low + step, high - 1) : std::max(high - step, low + 1);
            if (validAt(probe) != validThere) {
                (validThere ? high : low) = probe;
                break;
            }
            (validThere ? low : high) = probe;
        }
    }
    while (high - low > 1) {
        const int middle = low + (high - low) / 2;
        (validAt(middle) ? low : high) = middle;
    }
    return {low, true};
}

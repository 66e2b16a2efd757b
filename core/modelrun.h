#pragma once

#include "maximize.h"
#include "tessanmodel.h"
#include "zelvanemodel.h"

#include <vector>

// Runs of one fixture type that Maximize grows at the far end, on the pure
// models instead of a run editor. Their figures are kept as running sums, so
// every edit costs the same however long the run is: a fixture added at the
// far end raises the power (or current) that every cell before it carries,
// so the drop grows by the new power times the sum of the per-watt drops of
// all cells, which a running sum holds.
//
// The running sums add in another order than the far-end-first walk, so
// their figures can differ from it in the last bits. Wherever a limit is
// that close, the verdict is taken from the walk itself; exactResult()
// always is the walk's.

// A Zelvane run grown from one fixture cell as the Zelvane tab grows it: a
// jumper before each fixture when the fixture requires jumpers or when the
// run goes on with a jumper-fixture pattern, never two jumpers in a row.
class ZelvaneModelRun : public GrowableRun
{
public:
    // settings: everything but the cells. jumper: the cell that adding a
    // jumper appends (the fixture's default jumper as a new jumper selector
    // shows it; unresolved when it has none).
    ZelvaneModelRun(ZelvaneModel::Inputs settings, const ZelvaneModel::Cell &fixture,
        const ZelvaneModel::Cell &jumper, bool jumperRequired);

    bool isValid() const override;
    int cellCount() const override { return int(m_steps.size()); }
    int fixtureCount() const override;
    bool lastCellIsJumper() const override;
    void addFixture(bool continuePattern) override;
    void removeLastCell() override;

    // The figures from the running sums; from the walk when a limit is close.
    ZelvaneModel::Result result() const;
    // The figures of the far-end-first walk over every cell.
    ZelvaneModel::Result exactResult() const;
    ZelvaneModel::Inputs inputs() const;
    // What ZelvaneModel::headroom() gives for inputs(), walked on the steps:
    // the next fixture is added, judged and taken away again.
    ZelvaneModel::Headroom headroom();

private:
    struct State
    {
        ZelvaneModel::Cell::Kind kind = ZelvaneModel::Cell::Fixture;
        ZelvaneModel::Totals counted; // cells up to the last fixture
        double pendingLength = 0; // jumpers past the last fixture
        double dropPerWatt = 0; // the sum over every cell
        int fixtures = 0;
        bool pendingUnresolved = false; // a jumper past the last fixture has no figures
        bool countedUnresolved = false; // a counted jumper has none
    };
    void append(const ZelvaneModel::Cell &cell);
    double cellDropPerWatt(const ZelvaneModel::Cell &cell) const;
    const State &lastStep() const
    {
        static const State none;
        return m_steps.empty() ? none : m_steps.back();
    }
    const ZelvaneModel::Cell &cellAt(const State &step) const
    {
        return step.kind == ZelvaneModel::Cell::Fixture ? m_fixture : m_jumper;
    }

    ZelvaneModel::Inputs m_settings;
    ZelvaneModel::Cell m_fixture;
    ZelvaneModel::Cell m_jumper;
    bool m_jumperRequired;
    double m_voltage;
    std::vector<State> m_steps;
};

// A Tessan run grown from one fixture cell. Grown from one fixture, the
// Tessan tab's Maximize never adds a jumper, so neither does this run.
class TessanModelRun : public GrowableRun
{
public:
    TessanModelRun(TessanModel::Inputs settings, const TessanModel::Cell &fixture);

    bool isValid() const override;
    int cellCount() const override { return int(m_steps.size()); }
    int fixtureCount() const override { return int(m_steps.size()); }
    bool lastCellIsJumper() const override { return false; }
    void addFixture(bool continuePattern) override;
    void removeLastCell() override;

    TessanModel::Result result() const;
    TessanModel::Result exactResult() const;
    TessanModel::Inputs inputs() const;

private:
    struct State
    {
        TessanModel::Totals cells;
        double resistance = 0; // the sum over every cell
    };
    TessanModel::Result fromSums() const;

    TessanModel::Inputs m_settings;
    TessanModel::Cell m_fixture;
    std::vector<State> m_steps;
};

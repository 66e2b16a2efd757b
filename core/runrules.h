#pragma once

#include "runbound.h"

// The editing rules of a run that every tab, the models' searches and the
// command line share, over any list of cells: `isFixture(cell)` tells a
// fixture cell from a jumper cell.
namespace RunRules {

template<typename Cells, typename IsFixture>
bool endsWithJumper(const Cells &cells, IsFixture isFixture)
{
    return !cells.empty() && !isFixture(cells.back());
}

// Whether the run ends in a jumper followed by a fixture, the pattern that
// Maximize continues.
template<typename Cells, typename IsFixture>
bool endsWithJumperThenFixture(const Cells &cells, IsFixture isFixture)
{
    const auto size = cells.size();
    return size >= 2 && isFixture(cells[size - 1]) && !isFixture(cells[size - 2]);
}

// Whether Add Fixture puts a jumper first: when the fixture requires jumpers
// and the run has a fixture, or when Maximize goes on with a run that ends
// in a jumper then a fixture; never after a jumper (Add Jumper never puts a
// second one after a jumper).
template<typename Cells, typename IsFixture>
bool addsJumperFirst(const Cells &cells, int fixtureCount, bool jumperRequired,
    bool continuePattern, IsFixture isFixture)
{
    if (endsWithJumper(cells, isFixture))
        return false;
    return (fixtureCount >= 1 && jumperRequired)
        || (continuePattern && endsWithJumperThenFixture(cells, isFixture));
}

// The limits a result breaks, in the order it checked them.
template<typename Checks> Checks brokenChecks(const Checks &checks)
{
    Checks broken;
    for (const auto &check : checks)
        if (!check.holds)
            broken << check;
    return broken;
}

// The window's line on the next fixture of a run of `fixtureCount` fixtures
// (either model's Headroom): none at the bound or when `canAdd` is false;
// else `addsJumper()` says whether Add Fixture puts a jumper first and
// `nextRun(addsJumper)` gives the result of the run with that fixture added.
template<typename Headroom, typename AddsJumper, typename NextRun>
Headroom nextFixture(int fixtureCount, bool canAdd, AddsJumper addsJumper, NextRun nextRun)
{
    Headroom room;
    room.fixtureNumber = fixtureCount + 1;
    room.atBound = fixtureCount >= MaxRunFixtures;
    room.canGrow = canAdd && !room.atBound;
    if (!room.canGrow)
        return room;
    room.addsJumper = addsJumper();
    room.result = nextRun(room.addsJumper);
    room.broken = brokenChecks(room.result.checks);
    return room;
}

} // namespace RunRules

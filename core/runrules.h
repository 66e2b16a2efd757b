#pragma once

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

} // namespace RunRules

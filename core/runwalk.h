#pragma once

// The walk over a run that every run calculation shares.
//
// The counted cells of a run are those from the first cell (next to the
// supply) up to and including the N-th fixture cell: jumpers hanging past the
// last fixture feed nothing and are left out. A run without fixture cells
// counts all of its cells.
namespace RunWalk {

template<typename Cells, typename IsFixture>
int countedCellCount(const Cells &cells, int fixtureCount, IsFixture isFixture)
{
    const int size = int(cells.size());
    int fixturesSeen = 0;
    for (int i = 0; i < size; ++i) {
        if (isFixture(cells[i]) && ++fixturesSeen == fixtureCount)
            return i + 1;
    }
    return size;
}

// Visits the counted cells from the far end back to the supply, so that a
// running total always holds what the visited cell and everything beyond it
// draws. visit(cell, index) gets the cell's position in the run.
template<typename Cells, typename IsFixture, typename Visit>
void visitCountedFromFarEnd(const Cells &cells, int fixtureCount, IsFixture isFixture, Visit visit)
{
    for (int i = countedCellCount(cells, fixtureCount, isFixture) - 1; i >= 0; --i)
        visit(cells[i], i);
}

// The counted jumpers that have no cable type or gauge: how many, and the
// number of the fixture after the first of them (0 when there is none).
// Jumpers past the last fixture feed nothing and decide nothing.
struct UnresolvedJumpers
{
    int count = 0;
    int firstBeforeFixture = 0;
};

template<typename Cells, typename IsFixture>
UnresolvedJumpers unresolvedJumpers(const Cells &cells, int fixtureCount, IsFixture isFixture)
{
    UnresolvedJumpers found;
    const int counted = countedCellCount(cells, fixtureCount, isFixture);
    int fixturesBefore = 0;
    for (int i = 0; i < counted; ++i) {
        if (isFixture(cells[i])) {
            ++fixturesBefore;
        } else if (!cells[i].jumperResolved && found.count++ == 0) {
            found.firstBeforeFixture = fixturesBefore + 1;
        }
    }
    return found;
}

} // namespace RunWalk

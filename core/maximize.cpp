#include "maximize.h"

namespace {

void grow(GrowableRun &run, int maxFixtures)
{
    while (run.isValid() && run.fixtureCount() < maxFixtures) {
        const int before = run.cellCount();
        run.addFixture(true);
        if (run.cellCount() <= before)
            return; // nothing can be added (no fixture chosen)
    }
}

void shrink(GrowableRun &run)
{
    while (!run.isValid() && run.cellCount() >= 2)
        run.removeLastCell();
}

void stripTrailingJumpers(GrowableRun &run)
{
    while (run.cellCount() > 0 && run.lastCellIsJumper()) {
        run.removeLastCell();
        if (run.cellCount() == 0)
            run.addFixture(false);
    }
}

} // namespace

void maximizeRun(GrowableRun &run, int maxFixtures)
{
    grow(run, maxFixtures);
    shrink(run);
    stripTrailingJumpers(run);
}

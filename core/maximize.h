#pragma once

#include "runbound.h"

// A run as the Maximize search sees it. Every edit recalculates the run
// synchronously, so isValid() is up to date as soon as an edit returns.
class GrowableRun
{
public:
    virtual ~GrowableRun() = default;

    virtual bool isValid() const = 0;
    virtual int cellCount() const = 0;
    virtual int fixtureCount() const = 0;
    virtual bool lastCellIsJumper() const = 0;
    // Appends a fixture (and the jumper before it that the tab's rules ask for).
    virtual void addFixture(bool continuePattern) = 0;
    virtual void removeLastCell() = 0;
};

// The largest valid run: grow by fixtures while the run is valid (never past
// maxFixtures), cut it back one cell at a time to the first valid length, then
// strip trailing jumpers. A run that is invalid even with one cell keeps that
// cell; a run still valid at the bound stays as it is.
void maximizeRun(GrowableRun &run, int maxFixtures = MaxRunFixtures);

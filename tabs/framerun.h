#pragma once

#include "maximize.h"

#include <functional>

class CFrame;
class JWidget;

// What the tab controllers ask of a run editor's cells.
namespace RunCells {

// The position of the jumper cell nearest the end of the run, or -1.
int lastJumperIndex(const CFrame &frame);
// The jumper selector of that cell, or null.
JWidget *lastJumper(const CFrame &frame);
bool lastCellIsJumper(const CFrame &frame);
// Whether Add Fixture puts a jumper first (see RunRules::addsJumperFirst).
bool addsJumperFirst(const CFrame &frame, bool jumperRequired, bool continuePattern);

} // namespace RunCells

// A tab's run editor as Maximize sees it; the tab adds fixtures by its own rules.
class FrameRun : public GrowableRun
{
public:
    FrameRun(CFrame &frame, std::function<void(bool continuePattern)> addFixture);

    bool isValid() const override;
    int cellCount() const override;
    int fixtureCount() const override;
    bool lastCellIsJumper() const override;
    void addFixture(bool continuePattern) override;
    void removeLastCell() override;

private:
    CFrame &m_frame;
    std::function<void(bool)> m_addFixture;
};

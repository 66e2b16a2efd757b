#include "framerun.h"

#include "cframe.h"
#include "cwidget.h"
#include "runrules.h"

namespace RunCells {

namespace {

bool isKind(const CWidget *cell, int kind)
{
    return cell && cell->itemType() == kind;
}

} // namespace

int lastJumperIndex(const CFrame &frame)
{
    const QList<CWidget *> &cells = frame.cells();
    for (int i = int(cells.size()) - 1; i >= 0; --i)
        if (isKind(cells.at(i), CWidget::ItemJumper))
            return i;
    return -1;
}

JWidget *lastJumper(const CFrame &frame)
{
    const int index = lastJumperIndex(frame);
    return index < 0 ? nullptr : frame.cells().at(index)->jumperWidget();
}

bool lastCellIsJumper(const CFrame &frame)
{
    return !frame.cells().isEmpty() && isKind(frame.cells().last(), CWidget::ItemJumper);
}

bool addsJumperFirst(const CFrame &frame, bool jumperRequired, bool continuePattern)
{
    return RunRules::addsJumperFirst(frame.cells(), frame.fixtureCount(), jumperRequired,
        continuePattern, [](const CWidget *cell) { return isKind(cell, CWidget::ItemFixture); });
}

} // namespace RunCells

FrameRun::FrameRun(CFrame &frame, std::function<void(bool)> addFixture)
    : m_frame(frame), m_addFixture(std::move(addFixture))
{ }

bool FrameRun::isValid() const
{
    return m_frame.isValid();
}

int FrameRun::cellCount() const
{
    return int(m_frame.cells().size());
}

int FrameRun::fixtureCount() const
{
    return m_frame.fixtureCount();
}

bool FrameRun::lastCellIsJumper() const
{
    return RunCells::lastCellIsJumper(m_frame);
}

void FrameRun::addFixture(bool continuePattern)
{
    m_addFixture(continuePattern);
}

void FrameRun::removeLastCell()
{
    m_frame.removeCell(-1);
}

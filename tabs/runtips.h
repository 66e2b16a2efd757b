#pragma once

#include <QList>
#include <QObject>

#include <functional>

class CFrame;
class QWidget;

// Shows the tool tips of a run editor's cells and of the fields that show its
// totals. Each is built only when the tool tip is asked for, so a run's
// recalculation costs nothing more for them however long the run grows.
class RunTips : public QObject
{
public:
    // cellTip(index) is the tip of the cell at that position in the run (an
    // empty one shows none); totalsTip() that of every field in `totals`.
    RunTips(CFrame &frame, std::function<QString(int)> cellTip, const QList<QWidget *> &totals,
        std::function<QString()> totalsTip, QObject *parent);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int cellAt(const QPoint &surfacePosition) const;

    CFrame &m_frame;
    std::function<QString(int)> m_cellTip;
    QList<QWidget *> m_totals;
    std::function<QString()> m_totalsTip;
};

#pragma once

#include "projectrun.h"

#include <QList>
#include <QScrollArea>

class CInternalFrame;
class CWidget;
class QDomElement;
class QXmlStreamWriter;

// The run editor: a scrollable, painted chain of fixture and jumper cells.
// Fixtures stand in a left column, jumpers in a right one, and each change of
// column steps down by half a cell, so that the run reads as a zigzag.
class CFrame : public QScrollArea
{
    Q_OBJECT

public:
    // The layout of the cells on the surface, in pixels.
    static constexpr int JumperX = 220;
    static constexpr int FixtureX = 10;
    static constexpr int FirstY = 8;
    static constexpr int CellGap = 2;
    static constexpr int RightMargin = 25;
    static constexpr int RevealMargin = 50;

    explicit CFrame(QWidget *parent = nullptr);
    ~CFrame() override;

    // Takes ownership of cell and appends it to the run.
    void addCell(CWidget *cell);
    // Removes and deletes the cell at index; a negative index means the last.
    void removeCell(int index);

    const QList<CWidget *> &cells() const { return m_cells; }
    int fixtureCount() const { return m_fixtureCount; }
    int jumperCount() const { return m_jumperCount; }
    int techType() const { return m_techType; }

    // Whether the run lies within every limit; kept by the tab's calculation.
    bool isValid() const { return m_valid; }
    void setValid(bool valid) { m_valid = valid; }

    bool isModified() const { return m_modified; }
    void clearModified() { m_modified = false; }

    // How many leading cells are as they were at the last call: none was
    // removed, replaced or edited since. A run's calculation keeps what it
    // knows of those and reads only the others.
    int takeUnchangedCount();

    // The surface the cells are laid out on.
    CInternalFrame *surface() const { return m_surface; }

    // Writes the run as a "CFrame" element, naming each cell's fixture by nameOf.
    void toXml(QXmlStreamWriter &writer, const ProjectRun::FixtureName &nameOf) const;
    // Replaces the run by the one in the first "CFrame" element below parent
    // (at any depth), its fixtures found by lookup (see ProjectRun::read).
    void fromXml(
        const QDomElement &parent, const ProjectRun::FixtureLookup &lookup, QString &message);

signals:
    void frameChanged();

public slots:
    // Lays every cell out again, repaints and signals the change.
    void updateFrame();
    // Removes and deletes all cells.
    void resetFrame();

private slots:
    // A jumper's type, gauge or length changed.
    void cellChanged();

private:
    // Where a cell was placed, and what the next cell's place follows from.
    struct Placement
    {
        int y = 0;
        int height = 0;
        bool isFixture = true;
    };

    void countCell(const CWidget *cell, int delta);
    // Places the cells from index on again, repaints and signals the change.
    void layOutFrom(int index);
    void markChangedFrom(int index);

    QList<CWidget *> m_cells;
    int m_fixtureCount = 0;
    int m_jumperCount = 0;
    bool m_valid = false;
    CInternalFrame *m_surface;
    int m_techType = 0;
    bool m_modified = false;
    QList<Placement> m_placements; // one a cell, in run order
    int m_unchangedCells = 0;
};

#pragma once

#include <QObject>

class JWidget;
class QWidget;
class YmFixture;

// One cell of a run: a fixture position, shown as a numbered label, or a
// jumper position, shown as a JWidget. The cell owns its widget.
class CWidget : public QObject
{
    Q_OBJECT

public:
    // The cell kinds; the values are also stored in project files.
    enum ItemType { ItemFixture = 2, ItemJumper = 3 };

    CWidget();
    ~CWidget() override;

    // Makes this a fixture cell labelled with number and the fixture's short name.
    void setFixture(YmFixture *fixture, int number);
    // Makes this a jumper cell offering the fixture's jumper types. The new
    // selector copies copyFrom's choices without signalling; jumperIndex and
    // gaugeIndex (-1 for none) are then selected with the usual signals.
    void setJumper(YmFixture *fixture, JWidget *copyFrom, int jumperIndex, int gaugeIndex);

    YmFixture *item() const { return m_item; }
    int itemType() const { return m_itemType; }
    QWidget *widget() const { return m_widget; }
    // The jumper selector of a jumper cell, null for any other cell.
    JWidget *jumperWidget() const;

signals:
    // A jumper's type, gauge or length changed.
    void valueChanged();

public slots:
    void jumperChange(int);
    void jumperUpdate(int);

private:
    void deleteWidget();

    YmFixture *m_item = nullptr;
    int m_itemType = ItemFixture;
    QWidget *m_widget = nullptr;
};

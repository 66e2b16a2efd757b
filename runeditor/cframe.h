#pragma once

#include <QScrollArea>

// The run editor: a scrollable, painted chain of fixture and jumper cells.
class CFrame : public QScrollArea
{
    Q_OBJECT

public:
    explicit CFrame(QWidget *parent = nullptr);

signals:
    void frameChanged();
};

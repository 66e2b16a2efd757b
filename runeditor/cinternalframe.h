#pragma once

#include <QFrame>

class CFrame;

// The drawing surface of a run editor: it paints the connections between
// consecutive cells behind the cell widgets.
class CInternalFrame : public QFrame
{
    Q_OBJECT

public:
    explicit CInternalFrame(CFrame *frame);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    CFrame *m_frame;
};

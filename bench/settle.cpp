#include "settle.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>

namespace {
// Counts what the application delivers, to every object, while it lives.
class DeliveryCounter : public QObject
{
public:
    DeliveryCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~DeliveryCounter() override { QCoreApplication::instance()->removeEventFilter(this); }

    int delivered = 0;
    int painted = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        ++delivered;
        if (event->type() == QEvent::Paint)
            ++painted;
        return false;
    }
};

// A guard against a queue that never runs dry (a timer that keeps firing).
constexpr int MaxPasses = 200;
} // namespace

int settleEvents()
{
    DeliveryCounter counter;
    for (int pass = 0; pass < MaxPasses; ++pass) {
        const int before = counter.delivered;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (counter.delivered == before)
            break;
    }
    return counter.painted;
}

#include "tray/tracing.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace sentari::tray {

namespace {
class FirstPaintReport : public QObject {
public:
    FirstPaintReport(QWidget* widget, QElapsedTimer clock) : QObject(widget), clock_(clock)
    {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Runs once the painted frame has been flushed to the X server.
            QTimer::singleShot(0, this, [this] {
                std::fprintf(stderr, "sentari: hover to painted pop-up %.3f ms\n",
                             double(clock_.nsecsElapsed()) / 1e6);
            });
        }
        return false;
    }

private:
    QElapsedTimer clock_;
};
} // namespace

HoverTrace::HoverTrace() : enabled_(qEnvironmentVariableIsSet("SENTARI_TRACE_HOVER")) {}

void HoverTrace::start()
{
    if (enabled_)
        clock_.start();
}

void HoverTrace::stopOnFirstPaint(QWidget* widget) const
{
    if (enabled_)
        new FirstPaintReport(widget, clock_);
}

} // namespace sentari::tray

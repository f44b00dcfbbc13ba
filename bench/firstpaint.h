#pragma once

// Waiting for a window's first paint: under a real X server a window paints only after the
// server has mapped and exposed it, so "shown" means "painted once", not "show() returned".

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

namespace velantra::bench
{

// Ends an event loop as soon as a window other than the ignored one has painted for the first
// time. It watches the whole application because a window may be created and shown in one call.
class FirstPaint : public QObject
{
public:
    FirstPaint(QEventLoop& loop, const QWidget* ignored) : loop_(loop), ignored_(ignored)
    {
        qApp->installEventFilter(this);
    }
    ~FirstPaint() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted && receiver->isWidgetType() &&
            static_cast<QWidget*>(receiver)->window() != ignored_) {
            painted = true;
            // Quit after the paint pass has finished, not in its middle.
            QTimer::singleShot(0, &loop_, &QEventLoop::quit);
        }
        return false;
    }
    bool painted = false;

private:
    QEventLoop& loop_;
    const QWidget* ignored_;
};

// Runs `show`, then the event loop until the window it showed has painted once (at most 5 s).
template <typename Show> bool showAndWaitForPaint(Show show, const QWidget* ignored = nullptr)
{
    QEventLoop loop;
    FirstPaint watch(loop, ignored);
    show();
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    return watch.painted;
}

// Counts the paint events the whole application receives while it lives.
class PaintCounter : public QObject
{
public:
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
    long count = 0;
};

} // namespace velantra::bench

#include "ui/FramePacer.h"

#include <QEvent>
#include <QScreen>
#include <QTimerEvent>
#include <QWidget>
#include <QWindow>

#include <cmath>

FramePacer::Clock FramePacer::PlatformClock(QStringView platform)
{
    // Elsewhere requestUpdate comes 5 ms after the ask, whatever the display's
    // rate: a timer at the screen's rate is what the display can show.
    return platform.startsWith(QLatin1String("wayland")) ? Clock::Compositor : Clock::Display;
}

int FramePacer::Period(qreal hertz)
{
    return std::max(1, int(std::lround(1000.0 / (hertz >= 1 ? hertz : 60.0))));
}

FramePacer::FramePacer(QWidget& widget, std::function<void()> frame, Clock clock)
    : mWidget(widget), mFrame(std::move(frame)), mByCompositor(clock == Clock::Compositor)
{
}

void FramePacer::Start()
{
    if (mRunning)
        return;
    mRunning = true;
    const QScreen* screen = mWidget.screen();
    mInterval = Period(screen ? screen->refreshRate() : 0);
    if (!mByCompositor)
        mTimer.start(mInterval, Qt::PreciseTimer, this);
    else if (Window())
        mWindow->requestUpdate();
}

void FramePacer::Stop()
{
    mRunning = false;
    mTimer.stop();
    if (mWindow)
        mWindow->removeEventFilter(this);
    mWindow = nullptr;
}

void FramePacer::FrameDrawn()
{
    if (mRunning && mByCompositor && Window())
        mWindow->requestUpdate();
}

void FramePacer::FrameSkipped()
{
    if (mRunning && mByCompositor)
        mTimer.start(mInterval, Qt::PreciseTimer, this);
}

QWindow* FramePacer::Window()
{
    // A window that is not shown yet has none: the first frame drawn asks again.
    if (!mWindow) {
        mWindow = mWidget.window()->windowHandle();
        if (mWindow)
            mWindow->installEventFilter(this);
    }
    return mWindow;
}

bool FramePacer::eventFilter(QObject* watched, QEvent* event)
{
    // Qt's own handling of the request goes on: the widget's repaint rides on it.
    if (watched == mWindow && event->type() == QEvent::UpdateRequest && mRunning)
        mFrame();
    return QObject::eventFilter(watched, event);
}

void FramePacer::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != mTimer.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    if (mByCompositor)
        mTimer.stop();
    mFrame();
}

#pragma once

#include <QBasicTimer>
#include <QObject>
#include <QPointer>
#include <QStringView>

#include <functional>

class QWidget;
class QWindow;

// Asks for one frame of a widget for each frame the display shows, while it runs:
// on Wayland when the compositor calls back for the next frame
// (QWindow::requestUpdate), elsewhere at the screen's refresh rate. Stopped, it
// asks for nothing and keeps no timer, so a paused game costs no wake-ups.
class FramePacer final : public QObject
{
public:
    // What tells when the next frame is due.
    enum class Clock { Display, Compositor };
    // A Qt platform's clock (QGuiApplication::platformName): Wayland's compositor
    // on Wayland, else the display's rate.
    static Clock PlatformClock(QStringView platform);

    // A display's refresh period in whole ms, at least 1; 60 Hz's where it does not say.
    static int Period(qreal hertz);

    // frame: called for each frame; it asks the widget to repaint.
    FramePacer(QWidget& widget, std::function<void()> frame, Clock clock);

    void Start();
    void Stop();
    bool Running() const { return mRunning; }

    // The widget has drawn a frame: on Wayland the next one is asked for now, so
    // that it comes with the compositor's next frame callback.
    void FrameDrawn();
    // The widget drew nothing for a frame: the next comes a refresh period later
    // (the compositor calls back only after a frame it was given).
    void FrameSkipped();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    QWindow* Window(); // the widget's window, watched once it has one

    QWidget& mWidget;
    std::function<void()> mFrame;
    const bool mByCompositor;
    bool mRunning = false;
    QPointer<QWindow> mWindow;
    QBasicTimer mTimer; // elsewhere every frame; on Wayland after a frame skipped
    int mInterval = 16; // ms, the screen's refresh period
};

#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace WindowPlacement {

void CentreOn(QWidget& window, const QRect& area)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    // move() places the frame: centre the frame, title bar and all, and keep it on
    // the screen, title bar first.
    QRect frame = window.frameGeometry();
    frame.moveCenter(area.center());
    if (const QScreen* screen = window.screen()) {
        const QRect room = screen->availableGeometry();
        frame.moveRight(std::min(frame.right(), room.right()));
        frame.moveBottom(std::min(frame.bottom(), room.bottom()));
        frame.moveLeft(std::max(frame.left(), room.left()));
        frame.moveTop(std::max(frame.top(), room.top()));
    }
    const Qt::WindowStates state = window.windowState(); // which a move would take it out of
    window.move(frame.topLeft());
    window.setWindowState(state);
}

void CentreOnScreenOnce(QWidget& window)
{
    if (!window.testAttribute(Qt::WA_Moved) && window.screen())
        CentreOn(window, window.screen()->availableGeometry());
}

} // namespace WindowPlacement

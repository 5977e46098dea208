#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QWidget>

namespace WindowPlacement {

void CentreOn(QWidget& window, const QRect& area)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    // move() places the frame: centre the frame, title bar and all.
    const QRect frame = window.frameGeometry();
    window.move(area.center() - (frame.center() - frame.topLeft()));
}

} // namespace WindowPlacement

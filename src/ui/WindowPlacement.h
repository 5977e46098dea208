#pragma once

class QRect;
class QWidget;

namespace WindowPlacement {

// Centres a top-level window on an area of the desktop, as far as its screen allows,
// where the platform lets a program place its windows; on Wayland the compositor
// places them itself.
void CentreOn(QWidget& window, const QRect& area);

} // namespace WindowPlacement

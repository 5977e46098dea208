#pragma once

class QRect;
class QWidget;

namespace WindowPlacement {

// Centres a top-level window on an area of the desktop, as far as its screen allows,
// where the platform lets a program place its windows; on Wayland the compositor
// places them itself. A window full screen or maximized stays so, and goes back to
// the centred place when it leaves that state.
void CentreOn(QWidget& window, const QRect& area);

// Centres a window on its screen the first time it shows; later it shows where it
// last was. Centring again would place it by its frame, unknown at the first show,
// and so a few pixels off.
void CentreOnScreenOnce(QWidget& window);

} // namespace WindowPlacement

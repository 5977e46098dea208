#pragma once

#include <QProxyStyle>

// The style of the game window's menu bar: the application's style, less the menu
// bar's own keyboard mode.
//
// In that mode, entered when a menu opened by Alt and its letter is closed with
// Escape, or when Alt is pressed alone, Qt's menu bar takes the keyboard focus
// from the window and keeps it, whether or not a title is highlighted, until the
// player presses Escape once more or clicks; a box opened meanwhile hands the
// focus back to the menu bar when it closes. The road would then miss every arrow
// key. Without the mode the menu bar never holds the focus: Alt and a letter still
// open a menu, Left and Right still move between open menus, and the keys that no
// menu takes go to the road.
class MenuBarStyle final : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};

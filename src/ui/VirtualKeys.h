#pragma once

#include <Qt>

class QObject;

// The platform-neutral key codes the game speaks (the old virtual-key codes),
// made from Qt's key events.
namespace VirtualKeys {

// The code for a Qt key; 0 for keys that have none.
int FromQtKey(int qtKey);

// Presses and lets go a key, without modifiers, for a widget: as a real one, once
// the events before it are handled.
void Press(QObject* receiver, int qtKey);

} // namespace VirtualKeys

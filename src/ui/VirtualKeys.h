#pragma once

#include <Qt>

// The platform-neutral key codes the game speaks (the old virtual-key codes),
// made from Qt's key events.
namespace VirtualKeys {

// The code for a Qt key; 0 for keys that have none.
int FromQtKey(int qtKey);

} // namespace VirtualKeys

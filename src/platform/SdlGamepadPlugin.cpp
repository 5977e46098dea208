#include "platform/SdlGamepadPlugin.h"

#include "platform/SdlGamepad.h"

std::unique_ptr<Gamepad> SdlGamepadPlugin::CreateGamepad(int repeatRate)
{
    return std::make_unique<SdlGamepad>(repeatRate);
}

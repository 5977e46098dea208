#pragma once

#include "platform/GamepadFactory.h"

#include <QObject>

// The gamepad module's root object: it makes its gamepad.
class SdlGamepadPlugin final : public QObject, public GamepadFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID GamepadFactory_iid)
    Q_INTERFACES(GamepadFactory)

public:
    std::unique_ptr<Gamepad> CreateGamepad(int repeatRate) override;
};

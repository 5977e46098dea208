#pragma once

#include "platform/Gamepad.h"

#include <QtPlugin>

#include <memory>

// What the gamepad module offers the program: its gamepad. The module holds
// everything that needs SDL, so that SDL is loaded only once a pad may be there.
class GamepadFactory
{
public:
    virtual ~GamepadFactory() = default;

    // repeatRate: how many times a second a held speed button repeats, as the
    // keyboard's keys do.
    virtual std::unique_ptr<Gamepad> CreateGamepad(int repeatRate) = 0;
};

#define GamepadFactory_iid "Vandrel.GamepadFactory/1"
Q_DECLARE_INTERFACE(GamepadFactory, GamepadFactory_iid)

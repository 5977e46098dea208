#pragma once

#include "platform/Gamepad.h"
#include "platform/PluginModule.h"

#include <QTimer>

#include <memory>

// The gamepad, from the gamepad module, loaded only once a pad may be there: the
// module brings SDL, some 3.5 MB, which a player without a pad never pays. Until
// then, while it is looking, it reads the system's list of input devices at once
// and then once a second, for one with a joystick's or a gamepad's buttons. Where
// there is no such list to read, it loads the module at the first look.
class LazyGamepad final : public Gamepad
{
public:
    static constexpr std::chrono::milliseconds lookInterval{1000};

    // devicesList: the kernel's list of input devices, /proc/bus/input/devices on
    // Linux; empty where there is none. repeatRate: as the module's gamepad takes it.
    LazyGamepad(const QString& modulePath, QString devicesList, int repeatRate);
    ~LazyGamepad() override;

    void SetListener(Listener* listener) override;
    void SetLooking(bool looking) override;
    // Its own look at the list while it has one going, else its pad's polls.
    std::optional<std::chrono::milliseconds> PollInterval() const override;

    // Whether a list of input devices, as Linux gives it, holds a joystick or a
    // gamepad: one that the joystick driver took, or one with buttons in the
    // joystick's or the gamepad's range.
    static bool ListsAPad(const QByteArray& devices);

    // Whether the module is loaded.
    bool Loaded() const { return mPad != nullptr; }

private:
    void Look();

    PluginModule mModule;
    QString mDevicesList;
    int mRepeatRate;
    Listener* mListener = nullptr;
    bool mLooking = false;
    QTimer mLook;
    std::unique_ptr<Gamepad> mPad; // declared last: its code is in the module
};

#pragma once

#include "platform/Gamepad.h"

#include <QTimer>

#include <SDL.h>

#include <array>
#include <chrono>
#include <map>

// The gamepad through SDL's game controller API, with SDL's game-controller
// subsystem alone: no SDL window, video or audio, and no signal handlers of SDL's.
// Every connected controller is heard, as one. It polls SDL's events on the
// program's own thread: every 16 ms while a pad is connected, once a second while
// it looks for one, and not at all otherwise.
class SdlGamepad final : public Gamepad
{
public:
    static constexpr std::chrono::milliseconds connectedPoll{16};
    static constexpr std::chrono::milliseconds lookingPoll{1000};
    // Before a held speed button repeats: the usual desktop's keyboard delay.
    static constexpr std::chrono::milliseconds repeatDelay{500};

    explicit SdlGamepad(int repeatRate);
    ~SdlGamepad() override;
    SdlGamepad(const SdlGamepad&) = delete;
    SdlGamepad& operator=(const SdlGamepad&) = delete;

    void SetListener(Listener* listener) override;
    void SetLooking(bool looking) override;
    std::optional<std::chrono::milliseconds> PollInterval() const override;

private:
    // What can hold a speed change down.
    enum Holder { dpadUp, dpadDown, rightTrigger, leftTrigger, holderCount };

    void Poll();
    void Schedule();
    void Button(std::uint8_t button, bool down);
    void Axis(std::uint8_t axis, std::int16_t value);
    void Hold(Holder holder, bool down);
    void Tell(Input input);

    using Clock = std::chrono::steady_clock;

    QTimer mTimer;
    bool mStarted = false;
    Listener* mListener = nullptr;
    bool mLooking = false;
    std::map<SDL_JoystickID, SDL_GameController*> mPads;
    int mStickSide = 0; // -1, 0 or 1: where the left stick is, past half way
    std::array<bool, holderCount> mHeld{};
    std::array<Clock::time_point, 2> mNextRepeat{}; // faster, slower
    Clock::duration mRepeatInterval;
};

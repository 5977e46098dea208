#pragma once

#include <chrono>
#include <optional>

// A game controller, as the program hears it: pushes of the buttons and sticks it
// knows, and pads pulled out. It polls for as long as a pad is connected; with
// none, only while it is told to look for one (while a game runs), so a paused
// game without a pad costs nothing.
class Gamepad
{
public:
    enum class Input {
        laneLeft,  // the D-pad's left, or the left stick pushed past half way
        laneRight,
        faster,    // the D-pad's up or the right trigger, repeated while held
        slower,    // the D-pad's down or the left trigger, repeated while held
        start,
        accept,    // A
        cancel,    // B
        other      // any other button
    };

    // Who hears the pad.
    class Listener
    {
    public:
        virtual void PadPressed(Input input) = 0;
        // A connected pad went away.
        virtual void PadPulledOut() = 0;

    protected:
        ~Listener() = default;
    };

    virtual ~Gamepad() = default;

    // nullptr: nobody hears it.
    virtual void SetListener(Listener* listener) = 0;
    // Whether a pad plugged in is to be picked up while none is connected.
    virtual void SetLooking(bool looking) = 0;
    // How often it wakes the program now, to read its pads or look for one; none
    // while it does neither.
    virtual std::optional<std::chrono::milliseconds> PollInterval() const = 0;
};

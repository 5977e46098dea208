#include "platform/SdlGamepad.h"

#include <QDebug>

#include <algorithm>

namespace {

// Half way, for a stick or a trigger.
constexpr int halfWay = 16384;

} // namespace

SdlGamepad::SdlGamepad(int repeatRate)
    : mRepeatInterval(std::chrono::milliseconds(1000 / std::clamp(repeatRate, 1, 1000)))
{
    // The program has its own ways of ending on a signal. (SDL would drop a pad's
    // events while none of its own windows had the focus, but it has no window.)
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    mStarted = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (!mStarted)
        qWarning("Vandrel: no gamepad: %s", SDL_GetError());
    QObject::connect(&mTimer, &QTimer::timeout, [this] { Poll(); });
    Poll(); // the pads there already
}

SdlGamepad::~SdlGamepad()
{
    for (const auto& [id, pad] : mPads)
        SDL_GameControllerClose(pad);
    if (mStarted)
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void SdlGamepad::SetListener(Listener* listener)
{
    mListener = listener;
}

void SdlGamepad::SetLooking(bool looking)
{
    mLooking = looking;
    Schedule();
}

std::optional<std::chrono::milliseconds> SdlGamepad::PollInterval() const
{
    if (!mTimer.isActive())
        return std::nullopt;
    return mTimer.intervalAsDuration();
}

void SdlGamepad::Poll()
{
    if (!mStarted)
        return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            if (SDL_GameController* pad = SDL_GameControllerOpen(event.cdevice.which))
                mPads[SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad))] = pad;
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            if (const auto found = mPads.find(event.cdevice.which); found != mPads.end()) {
                SDL_GameControllerClose(found->second);
                mPads.erase(found);
                mHeld = {};
                mStickSide = 0;
                if (mListener)
                    mListener->PadPulledOut();
            }
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            Button(event.cbutton.button, event.type == SDL_CONTROLLERBUTTONDOWN);
            break;
        case SDL_CONTROLLERAXISMOTION:
            Axis(event.caxis.axis, event.caxis.value);
            break;
        default:
            break;
        }
    }
    const Clock::time_point now = Clock::now();
    for (int speed = 0; speed < 2; ++speed)
        if ((mHeld[dpadUp + speed] || mHeld[rightTrigger + speed]) && now >= mNextRepeat[speed]) {
            mNextRepeat[speed] = now + mRepeatInterval;
            Tell(speed == 0 ? Input::faster : Input::slower);
        }
    Schedule();
}

void SdlGamepad::Schedule()
{
    const auto wanted = !mPads.empty() ? connectedPoll : mLooking ? lookingPoll : std::chrono::milliseconds(0);
    if (wanted.count() == 0 || !mStarted)
        mTimer.stop();
    else if (!mTimer.isActive() || mTimer.intervalAsDuration() != wanted)
        mTimer.start(wanted);
}

void SdlGamepad::Button(std::uint8_t button, bool down)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return Hold(dpadUp, down);
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return Hold(dpadDown, down);
    default: break;
    }
    if (!down)
        return;
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return Tell(Input::laneLeft);
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return Tell(Input::laneRight);
    case SDL_CONTROLLER_BUTTON_START: return Tell(Input::start);
    case SDL_CONTROLLER_BUTTON_A: return Tell(Input::accept);
    case SDL_CONTROLLER_BUTTON_B: return Tell(Input::cancel);
    default: return Tell(Input::other);
    }
}

void SdlGamepad::Axis(std::uint8_t axis, std::int16_t value)
{
    switch (axis) {
    case SDL_CONTROLLER_AXIS_LEFTX: {
        // One lane a push: the stick goes back inside half way before the next.
        const int side = value <= -halfWay ? -1 : value >= halfWay ? 1 : 0;
        if (side != mStickSide && side != 0)
            Tell(side < 0 ? Input::laneLeft : Input::laneRight);
        mStickSide = side;
        break;
    }
    case SDL_CONTROLLER_AXIS_TRIGGERRIGHT: return Hold(rightTrigger, value >= halfWay);
    case SDL_CONTROLLER_AXIS_TRIGGERLEFT: return Hold(leftTrigger, value >= halfWay);
    default: break;
    }
}

void SdlGamepad::Hold(Holder holder, bool down)
{
    const int speed = holder == dpadUp || holder == rightTrigger ? 0 : 1;
    const auto held = [&] { return mHeld[dpadUp + speed] || mHeld[rightTrigger + speed]; };
    const bool was = held();
    mHeld[holder] = down;
    if (!was && held()) {
        mNextRepeat[speed] = Clock::now() + repeatDelay;
        Tell(speed == 0 ? Input::faster : Input::slower);
    }
}

void SdlGamepad::Tell(Input input)
{
    if (mListener)
        mListener->PadPressed(input);
}

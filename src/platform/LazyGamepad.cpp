#include "platform/LazyGamepad.h"

#include "platform/GamepadFactory.h"

#include <QFile>

#include <climits>

LazyGamepad::LazyGamepad(const QString& modulePath, QString devicesList, int repeatRate)
    : mModule(modulePath, "no gamepad, the gamepad module"),
      mDevicesList(std::move(devicesList)),
      mRepeatRate(repeatRate)
{
    QObject::connect(&mLook, &QTimer::timeout, [this] { Look(); });
}

LazyGamepad::~LazyGamepad() = default;

void LazyGamepad::SetListener(Listener* listener)
{
    mListener = listener;
    if (mPad)
        mPad->SetListener(listener);
}

void LazyGamepad::SetLooking(bool looking)
{
    if (looking == mLooking)
        return;
    mLooking = looking;
    if (mPad)
        return mPad->SetLooking(looking);
    mLook.stop();
    if (looking) {
        Look();
        if (!mPad)
            mLook.start(lookInterval);
    }
}

std::optional<std::chrono::milliseconds> LazyGamepad::PollInterval() const
{
    if (mLook.isActive())
        return lookInterval;
    return mPad ? mPad->PollInterval() : std::nullopt;
}

void LazyGamepad::Look()
{
    if (!mDevicesList.isEmpty()) {
        QFile list(mDevicesList);
        if (!list.open(QIODevice::ReadOnly) || !ListsAPad(list.readAll()))
            return;
    }
    mLook.stop();
    auto* factory = mModule.Instance<GamepadFactory>();
    if (!factory)
        return; // said once; the game goes on with the keyboard
    mPad = factory->CreateGamepad(mRepeatRate);
    mPad->SetListener(mListener);
    mPad->SetLooking(mLooking);
}

bool LazyGamepad::ListsAPad(const QByteArray& devices)
{
    // The buttons from BTN_JOYSTICK (0x120) to BTN_THUMBR (0x13e); the key bitmap
    // is in words of the kernel's long, the last word first.
    constexpr int first = 0x120, last = 0x13e, wordBits = sizeof(long) * CHAR_BIT;
    for (const QByteArray& line : devices.split('\n')) {
        if (line.startsWith("H: Handlers=")) {
            for (const QByteArray& handler : line.mid(12).split(' '))
                if (handler.startsWith("js"))
                    return true;
        } else if (line.startsWith("B: KEY=")) {
            const QList<QByteArray> words = line.mid(7).trimmed().split(' ');
            for (int bit = first; bit <= last; ++bit) {
                const qsizetype word = words.size() - 1 - bit / wordBits;
                if (word >= 0 && (words[word].toULongLong(nullptr, 16) >> (bit % wordBits) & 1))
                    return true;
            }
        }
    }
    return false;
}

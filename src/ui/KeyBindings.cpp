#include "ui/KeyBindings.h"

#include "Program.h"
#include "game/Game.h"
#include "game/SettingsStore.h"
#include "ui/VirtualKeys.h"

#include <QCoreApplication>

namespace {

constexpr std::string_view section = "Keys";
constexpr std::array<const char*, KeyBindings::actionCount> settingNames{"MoveLeft", "MoveRight", "Faster",
                                                                          "Slower", "Pause", "Help"};
constexpr std::array<int, KeyBindings::actionCount> gameCodes{Game::vkLeft, Game::vkRight, Game::vkUp,
                                                              Game::vkDown, Game::vkPause, Game::vkF1};

bool Has(const QKeySequence& keys, Qt::Key key)
{
    for (int i = 0; i < keys.count(); ++i)
        if (keys[i].key() == key)
            return true;
    return false;
}

bool Allowed(const KeyBindings::Keys& chosen, KeyBindings::Action action, const QKeySequence& keys)
{
    for (int i = 0; i < keys.count(); ++i)
        if (!KeyBindings::Refusal(chosen, action, keys[i]).isEmpty())
            return false;
    return !keys.isEmpty() && keys.count() <= KeyBindings::keysEach;
}

} // namespace

KeyBindings::KeyBindings(SettingsStore& store) : mStore(store), mKeys(Defaults())
{
    Keys stored = Defaults();
    std::array<bool, actionCount> fromStore{};
    for (int action = 0; action < actionCount; ++action) {
        const QString text = QString::fromStdString(mStore.GetSetting(Program::name, section, settingNames[action]));
        const QKeySequence keys = QKeySequence::fromString(text, QKeySequence::PortableText);
        fromStore[action] = Allowed({}, Action(action), keys);
        if (fromStore[action])
            stored[action] = keys;
    }
    // A key stored for two actions: each one that has it takes its default, until
    // no key is shared (the defaults share none).
    for (bool changed = true; changed;) {
        changed = false;
        for (int action = 0; action < actionCount; ++action)
            if (fromStore[action] && !Allowed(stored, Action(action), stored[action])) {
                stored[action] = Defaults()[action];
                fromStore[action] = false;
                changed = true;
            }
    }
    mKeys = stored;
}

KeyBindings::Keys KeyBindings::Defaults()
{
    return {QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_Right), QKeySequence(Qt::Key_Up),
            QKeySequence(Qt::Key_Down), QKeySequence(Qt::Key_Pause, Qt::Key_P), QKeySequence(Qt::Key_F1)};
}

QString KeyBindings::NameOf(Action action)
{
    static constexpr std::array<const char*, actionCount> names{
        QT_TRANSLATE_NOOP("KeyBindings", "Move left"), QT_TRANSLATE_NOOP("KeyBindings", "Move right"),
        QT_TRANSLATE_NOOP("KeyBindings", "Faster"),    QT_TRANSLATE_NOOP("KeyBindings", "Slower"),
        QT_TRANSLATE_NOOP("KeyBindings", "Pause"),     QT_TRANSLATE_NOOP("KeyBindings", "Help")};
    return QCoreApplication::translate("KeyBindings", names[action]);
}

QString KeyBindings::Refusal(const Keys& chosen, Action action, QKeyCombination key)
{
    const QString name = QKeySequence(key).toString(QKeySequence::NativeText);
    if (key.keyboardModifiers() != Qt::NoModifier)
        return QCoreApplication::translate("KeyBindings", "%1: choose a single key, without Ctrl, Alt, Shift or Meta.").arg(name);
    if (key.key() == Qt::Key_F11)
        return QCoreApplication::translate("KeyBindings", "F11 is kept for Full Screen in the View menu.");
    if (VirtualKeys::FromQtKey(key.key()) == 0)
        return QCoreApplication::translate("KeyBindings", "This key cannot be chosen.");
    for (int other = 0; other < actionCount; ++other)
        if (other != action && Has(chosen[other], key.key()))
            return QCoreApplication::translate("KeyBindings", "%1 already does “%2”. Choose another key.")
                .arg(name, NameOf(Action(other)));
    return {};
}

int KeyBindings::CodeOf(int qtKey) const
{
    for (int action = 0; action < actionCount; ++action)
        if (Has(mKeys[action], Qt::Key(qtKey)))
            return gameCodes[action];
    return VirtualKeys::FromQtKey(qtKey) == 0 ? 0 : KeyCodes::other;
}

void KeyBindings::Choose(const Keys& keys)
{
    mKeys = keys;
    for (int action = 0; action < actionCount; ++action)
        mStore.SaveSetting(Program::name, section, settingNames[action],
                           mKeys[action].toString(QKeySequence::PortableText).toStdString());
}

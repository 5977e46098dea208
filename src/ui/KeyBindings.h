#pragma once

#include <QKeySequence>
#include <QString>

#include <array>

class SettingsStore;

// The keys the player steers and pauses with: six actions, each with one key or
// two, kept in a settings section of their own, "Keys", as Qt's portable key
// names ("Left", "Pause, P"). Every key is a single key without a modifier; F11
// stays the View menu's, and Alt with a letter the menus'. A stored entry that Qt
// does not know, that breaks those rules or that gives a key to two actions reads
// as that action's default, and the store is left as it is until the player
// chooses keys.
class KeyBindings
{
public:
    enum Action { moveLeft, moveRight, faster, slower, pause, help };
    static constexpr int actionCount = 6;
    // Each action's keys, one element of the sequence a key.
    using Keys = std::array<QKeySequence, actionCount>;

    explicit KeyBindings(SettingsStore& store);

    static Keys Defaults();
    // The action's name, in the player's language: "Move left".
    static QString NameOf(Action action);
    static constexpr int keysEach = 2;

    // Why an action cannot have this key, in the player's language, with the
    // others' keys as in chosen; empty when it can.
    static QString Refusal(const Keys& chosen, Action action, QKeyCombination key);

    const Keys& Chosen() const { return mKeys; }
    // The game's code for a key (modifiers aside): its action's, or the code of a
    // key that does nothing but resume; 0 for no key at all.
    int CodeOf(int qtKey) const;
    // Keeps the player's choice, which Refusal has passed.
    void Choose(const Keys& keys);

private:
    SettingsStore& mStore;
    Keys mKeys;
};

#pragma once

#include "ui/KeyBindings.h"

#include <QDialog>

class Dialogs;
class QKeySequenceEdit;

// The keys dialog: each action with two boxes, its key and a second one. A box
// takes the key pressed in it; a key that KeyBindings refuses is refused at once,
// with a message that names the action that has it, and the box shows its last
// key again. A second key is taken away with its box's clear button. "Restore
// Defaults" brings every action's default keys back; OK or Enter keeps what the
// boxes show; Cancel, Escape or the title bar's close button keep nothing. Modal, over
// the game.
class frmKeys final : public QDialog
{
    Q_OBJECT

public:
    frmKeys(KeyBindings& bindings, Dialogs& dialogs, QWidget* owner);

    void accept() override;

protected:
    // Keeps Alt with a letter, Enter and Escape for the buttons.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The key in a box changed: by the player, or by Show.
    void Changed(int action, int slot);
    void Show(const KeyBindings::Keys& keys);
    // The keys as the boxes show them.
    KeyBindings::Keys Chosen() const;

    KeyBindings& mBindings;
    Dialogs& mDialogs;
    template <typename T>
    using EachBox = std::array<std::array<T, KeyBindings::keysEach>, KeyBindings::actionCount>;
    EachBox<QKeyCombination> mSlots{}; // the boxes' keys, every one passed; none in an empty box
    EachBox<QKeySequenceEdit*> mEdits{};
};

#include "ui/frmKeys.h"

#include "game/Dialogs.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The key of a box; no key for an empty one.
QKeySequence Sequence(QKeyCombination key)
{
    return key == QKeyCombination() ? QKeySequence() : QKeySequence(key);
}

} // namespace

frmKeys::frmKeys(KeyBindings& bindings, Dialogs& dialogs, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      mBindings(bindings),
      mDialogs(dialogs)
{
    //: The keys dialog's title
    setWindowTitle(tr("Keys"));
    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* hint = new QLabel(tr("Choose a box and press the key for its action."), this);
    layout->addWidget(hint, 0, 0, 1, 3);
    layout->addWidget(new QLabel(tr("Key"), this), 1, 1);
    layout->addWidget(new QLabel(tr("Second key"), this), 1, 2);
    for (int action = 0; action < KeyBindings::actionCount; ++action) {
        const QString name = KeyBindings::NameOf(KeyBindings::Action(action));
        layout->addWidget(new QLabel(name, this), action + 2, 0);
        for (int slot = 0; slot < KeyBindings::keysEach; ++slot) {
            auto* edit = new QKeySequenceEdit(this);
            mEdits[action][slot] = edit;
            edit->setObjectName(QStringLiteral("keys%1_%2").arg(action).arg(slot));
            //: A box of the keys dialog for an action's second key, as screen readers name it
            edit->setAccessibleName(slot == 0 ? name : tr("%1, second key").arg(name));
            for (QLineEdit* shown : edit->findChildren<QLineEdit*>()) // where the keys are shown, read out as well
                shown->setAccessibleName(edit->accessibleName());
            edit->setClearButtonEnabled(slot > 0);
            edit->installEventFilter(this);
            layout->addWidget(edit, action + 2, slot + 1);
            // Once the key event that changed it is over, as a refusal opens a box.
            connect(edit, &QKeySequenceEdit::keySequenceChanged, this, [this, action, slot] { Changed(action, slot); },
                    Qt::QueuedConnection);
        }
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::RestoreDefaults | QDialogButtonBox::Ok
                                             | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::RestoreDefaults)->setObjectName(QStringLiteral("cmdDefaults"));
    buttons->button(QDialogButtonBox::RestoreDefaults)->setText(tr("&Restore Defaults"));
    buttons->button(QDialogButtonBox::RestoreDefaults)->setAutoDefault(false); // Enter after it is still OK
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    connect(buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
            [this] { Show(KeyBindings::Defaults()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &frmKeys::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &frmKeys::reject);
    layout->addWidget(buttons, KeyBindings::actionCount + 2, 0, 1, 3);
    Show(mBindings.Chosen());
}

void frmKeys::accept()
{
    mBindings.Choose(Chosen());
    QDialog::accept();
}

bool frmKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* press = static_cast<QKeyEvent*>(event);
    // Alt and a letter stay the buttons' access keys, never a key to record.
    if (event->type() == QEvent::ShortcutOverride && press->modifiers() == Qt::AltModifier) {
        event->ignore();
        return true;
    }
    // Enter and Escape answer the dialog, as in any other.
    if (event->type() == QEvent::KeyPress && press->modifiers() == Qt::NoModifier) {
        if (press->key() == Qt::Key_Return || press->key() == Qt::Key_Enter) {
            accept();
            return true;
        }
        if (press->key() == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmKeys::Changed(int action, int slot)
{
    QKeySequenceEdit* edit = mEdits[action][slot];
    const QKeySequence pressed = edit->keySequence();
    QKeyCombination& had = mSlots[action][slot];
    // A box holds one key: the last one pressed, which ends its recording. The
    // first key stays; a second key pressed in the other box changes nothing.
    const QKeyCombination key = pressed.isEmpty() ? QKeyCombination() : pressed[pressed.count() - 1];
    const QString refusal = pressed.isEmpty() || key == had
                                ? QString()
                                : KeyBindings::Refusal(Chosen(), KeyBindings::Action(action), key);
    const bool firstCleared = pressed.isEmpty() && slot == 0;
    const bool sameAsOther = !pressed.isEmpty() && key == mSlots[action][1 - slot];
    if (refusal.isEmpty() && !firstCleared && !sameAsOther)
        had = key;
    if (pressed != Sequence(had))
        edit->setKeySequence(Sequence(had));
    if (!refusal.isEmpty())
        mDialogs.MsgBox(refusal.toStdString(), Dialogs::Style::OkExclamation, windowTitle().toStdString());
}

KeyBindings::Keys frmKeys::Chosen() const
{
    KeyBindings::Keys keys;
    for (int action = 0; action < KeyBindings::actionCount; ++action) {
        const auto& [first, second] = mSlots[action];
        keys[action] = second == QKeyCombination() ? QKeySequence(first) : QKeySequence(first, second);
    }
    return keys;
}

void frmKeys::Show(const KeyBindings::Keys& keys)
{
    for (int action = 0; action < KeyBindings::actionCount; ++action)
        for (int slot = 0; slot < KeyBindings::keysEach; ++slot) {
            mSlots[action][slot] = slot < keys[action].count() ? keys[action][slot] : QKeyCombination();
            mEdits[action][slot]->setKeySequence(Sequence(mSlots[action][slot]));
        }
}

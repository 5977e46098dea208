#include "ui/VirtualKeys.h"

#include "game/KeyCodes.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace VirtualKeys {

int FromQtKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Backspace: return KeyCodes::backspace;
    case Qt::Key_Tab: return KeyCodes::tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyCodes::enter;
    case Qt::Key_Shift: return KeyCodes::shift;
    case Qt::Key_Control: return KeyCodes::control;
    case Qt::Key_Alt: return KeyCodes::alt;
    case Qt::Key_Pause: return KeyCodes::pause;
    case Qt::Key_CapsLock: return KeyCodes::capsLock;
    case Qt::Key_Escape: return KeyCodes::escape;
    case Qt::Key_Space: return KeyCodes::space;
    case Qt::Key_PageUp: return KeyCodes::pageUp;
    case Qt::Key_PageDown: return KeyCodes::pageDown;
    case Qt::Key_End: return KeyCodes::end;
    case Qt::Key_Home: return KeyCodes::home;
    case Qt::Key_Left: return KeyCodes::left;
    case Qt::Key_Up: return KeyCodes::up;
    case Qt::Key_Right: return KeyCodes::right;
    case Qt::Key_Down: return KeyCodes::down;
    case Qt::Key_Insert: return KeyCodes::insert;
    case Qt::Key_Delete: return KeyCodes::del;
    default: break;
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey; // Qt's codes for them are their upper-case characters too
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return KeyCodes::f1 + (qtKey - Qt::Key_F1);
    return qtKey == 0 || qtKey == Qt::Key_unknown ? 0 : KeyCodes::other;
}

void Press(QObject* receiver, int qtKey)
{
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
        QCoreApplication::postEvent(receiver, new QKeyEvent(type, qtKey, Qt::NoModifier));
}

} // namespace VirtualKeys

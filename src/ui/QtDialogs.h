#pragma once

#include "game/Dialogs.h"

#include <QPointer>
#include <QWidget>

// Message and input boxes with Qt's standard dialogs, modal over the program's main
// window, so that they stand over the game even while another program has the focus.
class QtDialogs final : public Dialogs
{
public:
    void SetOwner(QWidget* mainWindow) { mOwner = mainWindow; }

    Answer MsgBox(const std::string& prompt, Style style, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& preset) override;

private:
    QPointer<QWidget> mOwner;
};

#pragma once

#include "game/Dialogs.h"

// Message and input boxes with Qt's standard dialogs, modal over the active window.
class QtDialogs final : public Dialogs
{
public:
    Answer MsgBox(const std::string& prompt, Style style, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& preset) override;
};

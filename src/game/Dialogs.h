#pragma once

#include <string>

// Modal message and input boxes. Each returns only when the player has answered.
class Dialogs
{
public:
    // YesNoQuestionNo: No is the default, for what cannot be undone.
    enum class Style { OkOnly, OkExclamation, OkInformation, YesNoQuestion, YesNoQuestionNo };
    enum class Answer { Ok, Yes, No };

    virtual ~Dialogs() = default;

    // Line breaks in the prompt are "\r\n".
    virtual Answer MsgBox(const std::string& prompt, Style style, const std::string& title) = 0;

    // The typed text, or empty text on Cancel.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& preset) = 0;
};

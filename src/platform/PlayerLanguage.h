#pragma once

#include "game/Translator.h"

#include <QLocale>
#include <QTranslator>

// The player's language for the whole program: the game's own translations, built
// into the program, and Qt's in the same language for the texts of its dialogs
// (buttons, the file chooser), from where Qt keeps them. Installed while it lives.
// The language is the first of the locale's user-interface languages (on Linux
// from LANGUAGE, LC_ALL, LC_MESSAGES and LANG) that the game has, English
// included: its catalogue is empty, the texts being English already, so that a
// player who puts English before another language gets English. A translator
// leaves the application when it goes.
class PlayerLanguage final : public Translator
{
public:
    explicit PlayerLanguage(const QLocale& locale = QLocale());
    PlayerLanguage(const PlayerLanguage&) = delete;
    PlayerLanguage& operator=(const PlayerLanguage&) = delete;

    using Translator::Translate;
    std::string Translate(const char* context, const char* source, const char* disambiguation) const override;

private:
    QTranslator mGame;
    QTranslator mQt;
};

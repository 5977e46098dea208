#pragma once

#include "game/InitialSettings.h"

#include <string>

class Dialogs;
class Game;
class SettingsStore;
class Translator;

// What the main window's menu commands do to the game: pausing when a menu opens,
// New Game, Set Speed, Set Time and About. The window itself handles the commands
// that are about windows (Sound..., Help, Exit).
//
// Unlike the bare rules, Cancel (an empty answer) always closes the Set Speed and
// Set Time boxes, even when the stored value is out of range, so the player can
// never be held in a loop of boxes; and a time that is not finite is refused like
// any other out-of-range answer, since its text would read back as 0.
//
// The boxes show a number with the player's decimal mark, the one the row under
// the road shows, and take it as well as a full stop: a player whose game shows
// "45,2 sec" would type "45,5", and a full stop alone would read that as 45. The
// settings keep the full stop, so the file reads the same in every language.
class MenuCommands
{
public:
    MenuCommands(Game& game, SettingsStore& store, Dialogs& dialogs, const Translator& texts,
                 std::string decimalSeparator);

    void mnuMenu_Click();       // either top-level menu opened
    void mnuNewGame_Click();
    void mnuSetSpeed_Click();
    void mnuSetTime_Click();
    void mnuAbout_Click();

    // The About box's last line: where to report bugs (an e-mail address, a web
    // address, or none), in the player's language.
    static std::string WhereToReport(const Translator& texts, const std::string& contact);

private:
    void Resume();
    void Restart(std::string_view key, const std::string& value);
    double Typed(const std::string& answer) const;

    Game& mGame;
    InitialSettings mSettings;
    Dialogs& mDialogs;
    const Translator& mTexts;
    std::string mDecimalSeparator;
};

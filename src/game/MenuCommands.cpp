#include "game/MenuCommands.h"

#include "game/Dialogs.h"
#include "game/Game.h"
#include "game/Numbers.h"

#include <cmath>
#include <string_view>

namespace {
constexpr int lowestSpeed = 50;
constexpr int highestSpeed = 300;
constexpr const char* aboutAuthor = "the Vandrel developers";
// Set when the game is built; without it, players report bugs to whoever gave
// them their copy.
constexpr std::string_view aboutContact = VANDREL_CONTACT;
} // namespace

MenuCommands::MenuCommands(Game& game, SettingsStore& store, Dialogs& dialogs)
    : mGame(game), mSettings(store), mDialogs(dialogs)
{
}

void MenuCommands::mnuMenu_Click()
{
    mGame.PauseIt();
}

void MenuCommands::mnuNewGame_Click()
{
    Resume();
    mGame.GameStart();
}

void MenuCommands::mnuSetSpeed_Click()
{
    for (;;) {
        const auto stored =
            Numbers::ToInt16Clamped(Numbers::NumberFromText(mSettings.Get(InitialSettings::speed)));
        const std::string answer =
            mDialogs.InputBox("Enter the Starting Speed: (between 50 and 300)", "Set Speed",
                              Numbers::TextOfInteger(stored));
        if (answer.empty())
            return; // the game stays paused
        // A number that does not fit 16 bits is out of range like any other.
        const auto speed = Numbers::ToInt16(Numbers::NumberFromText(answer));
        if (speed && *speed >= lowestSpeed && *speed <= highestSpeed) {
            Restart(InitialSettings::speed, Numbers::TextOfInteger(*speed));
            return;
        }
    }
}

void MenuCommands::mnuSetTime_Click()
{
    for (;;) {
        const double stored = Numbers::NumberFromText(mSettings.Get(InitialSettings::time));
        const std::string answer =
            mDialogs.InputBox("Enter the time:", "Set Time", Numbers::TextOfNumber(stored));
        if (answer.empty())
            return;
        const double time = Numbers::NumberFromText(answer);
        if (time > 0 && std::isfinite(time)) {
            Restart(InitialSettings::time, Numbers::TextOfNumber(time));
            return;
        }
    }
}

void MenuCommands::Restart(std::string_view key, const std::string& value)
{
    mDialogs.MsgBox("The game will now restart", Dialogs::Style::OkInformation, "New Game");
    Resume();
    mSettings.Save(key, value);
    mGame.GameStart();
}

void MenuCommands::mnuAbout_Click()
{
    mDialogs.MsgBox(std::string("Vandrel Version " VANDREL_SHORT_VERSION " \r\nCreated by ") + aboutAuthor
                        + "\r\nReport any bugs at "
                        + (aboutContact.empty() ? "the place where you got this copy of Vandrel"
                                                : std::string(aboutContact)),
                    Dialogs::Style::OkOnly, "About");
}

void MenuCommands::Resume()
{
    // As if Pause were pressed: the menu that led here has paused the game.
    mGame.KeyDown(Game::vkPause, 0);
}

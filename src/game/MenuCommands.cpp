#include "game/MenuCommands.h"

#include "Program.h"
#include "game/Dialogs.h"
#include "game/Game.h"
#include "game/Numbers.h"
#include "game/Translator.h"

#include <cmath>
#include <string_view>

namespace {
// Set when the game is built; without it, players report bugs to whoever gave
// them their copy.
constexpr std::string_view aboutContact = Program::contact;
} // namespace

MenuCommands::MenuCommands(Game& game, SettingsStore& store, Dialogs& dialogs, const Translator& texts,
                           std::string decimalSeparator)
    : mGame(game), mSettings(store), mDialogs(dialogs), mTexts(texts),
      mDecimalSeparator(std::move(decimalSeparator))
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
        const std::string prompt =
            //: %1 and %2: the lowest and the highest starting speed, in km/h
            Translator::Fill(mTexts.Translate("MenuCommands", "Enter the Starting Speed: (between %1 and %2)"),
                             {Numbers::TextOfInteger(InitialSettings::lowestSpeed),
                              Numbers::TextOfInteger(InitialSettings::highestSpeed)});
        const std::string answer =
            //: The title of the box that asks for the starting speed
            mDialogs.InputBox(prompt, mTexts.Translate("MenuCommands", "Set Speed"), Numbers::TextOfInteger(stored));
        if (answer.empty())
            return; // the game stays paused
        // A number that does not fit 16 bits is out of range like any other.
        const auto speed = Numbers::ToInt16(Typed(answer));
        if (speed && *speed >= InitialSettings::lowestSpeed && *speed <= InitialSettings::highestSpeed) {
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
            mDialogs.InputBox(mTexts.Translate("MenuCommands", "Enter the time:"),
                              //: The title of the box that asks for the game's length
                              mTexts.Translate("MenuCommands", "Set Time"),
                              Numbers::TextOfNumber(stored, mDecimalSeparator));
        if (answer.empty())
            return;
        const double time = Typed(answer);
        if (time > 0 && std::isfinite(time)) {
            Restart(InitialSettings::time, Numbers::TextOfNumber(time));
            return;
        }
    }
}

void MenuCommands::Restart(std::string_view key, const std::string& value)
{
    mDialogs.MsgBox(mTexts.Translate("MenuCommands", "The game will now restart"), Dialogs::Style::OkInformation,
                    //: The title of the box that says a new game begins
                    mTexts.Translate("MenuCommands", "New Game"));
    Resume();
    mSettings.Save(key, value);
    mGame.GameStart();
}

double MenuCommands::Typed(const std::string& answer) const
{
    std::string read;
    for (std::size_t at = 0; at < answer.size();) {
        if (!mDecimalSeparator.empty() && answer.compare(at, mDecimalSeparator.size(), mDecimalSeparator) == 0) {
            read += '.';
            at += mDecimalSeparator.size();
        } else {
            read += answer[at++];
        }
    }
    return Numbers::NumberFromText(read);
}

std::string MenuCommands::WhereToReport(const Translator& texts, const std::string& contact)
{
    // One English text, three in other languages: no one preposition fits an
    // address, a web page and a phrase.
    if (contact.empty())
        return Translator::Fill(
            //: %1: "the place where you got this copy of Vandrel"
            texts.Translate("MenuCommands", "Report any bugs at %1", "to a phrase"),
            //: Where to report bugs when the build names no one: completes "Report any bugs at %1"
            texts.Translate("MenuCommands", "the place where you got this copy of Vandrel"));
    if (contact.find("://") != std::string::npos)
        //: %1: a web address
        return Translator::Fill(texts.Translate("MenuCommands", "Report any bugs at %1", "to a web address"), contact);
    //: %1: an e-mail address
    return Translator::Fill(texts.Translate("MenuCommands", "Report any bugs at %1", "to an e-mail address"), contact);
}

void MenuCommands::mnuAbout_Click()
{
    const std::string version =
        Translator::Fill(mTexts.Translate("MenuCommands", "Vandrel Version %1"), Program::shortVersion);
    const std::string author = Translator::Fill(mTexts.Translate("MenuCommands", "Created by %1"),
                                                mTexts.Translate("MenuCommands", "the Vandrel developers"));
    mDialogs.MsgBox(version + " \r\n" + author + "\r\n" + WhereToReport(mTexts, std::string(aboutContact)), Dialogs::Style::OkOnly,
                    //: The About box's title
                    mTexts.Translate("MenuCommands", "About"));
}

void MenuCommands::Resume()
{
    // As if Pause were pressed: the menu that led here has paused the game.
    mGame.KeyDown(Game::vkPause);
}

#pragma once

#include "game/BestDistances.h"
#include "game/Dialogs.h"
#include "game/Game.h"
#include "game/GameWindow.h"
#include "game/MainControls.h"
#include "game/MenuCommands.h"
#include "game/SoundChoice.h"
#include "game/ViewSettings.h"
#include "platform/Gamepad.h"
#include "ui/KeyBindings.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <memory>

class HelpWindow;
class RoadView;
class StatusRow;
class frmSound;

// The game's window: the road, the three status labels and the menus. It turns
// Timer1 and the player's keys into calls on the game and shows the control model
// after each of them, and before any box the game opens, so that a box always
// stands over the game as it is. Creating it runs the game start, so the first
// picture shown is the new game's.
//
// The game is drawn a whole number of times as large as designed: the zoom the
// player chose, or in a window made larger by hand, maximised or full screen, the
// largest multiple that fits, centred. The menu bar and the boxes keep the
// desktop's size.
class frmMain final : public QMainWindow, private GameWindow, private Dialogs, private Gamepad::Listener
{
    Q_OBJECT

public:
    // programFolder: where "TimeBonus.wav" lies; soundFileTypes: the extensions of
    // the sound files that can be played, for the sound dialog's file chooser;
    // pad: looked for while a game runs, heard while the window lives.
    frmMain(Outside outside, std::string programFolder,
            std::function<QStringList()> soundFileTypes, Gamepad& pad, QWidget* parent = nullptr);
    ~frmMain() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Unload() override;
    void ShowBestDistances(std::size_t newRank) override;
    Answer MsgBox(const std::string& prompt, Style style, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& preset) override;
    void BuildMenus();
    void BuildViewMenu(QMenu* view);
    // The largest zoom whose window fits the screen the window is on.
    int LargestZoom() const;
    // The window sized for a zoom (out of full screen and maximised).
    void ZoomTo(int zoom);
    // The game at the largest multiple that fits where it is drawn.
    void Fit();
    void SetFullScreen(bool on);
    void Command(void (MenuCommands::*command)());
    void mnuSound_Click();
    void mnuHelp_Click();
    void ShowHelp();
    void mnuKeys_Click();
    void Timer1_Timer();
    void picRoad_KeyDown(int qtKey);
    // A key of the game's, as the player's keys have made it.
    void GameKey(int keyCode);
    // On the road a pad steers; in a box, a dialog or a menu, A is Enter and B Escape.
    void PadPressed(Gamepad::Input input) override;
    // Pauses a running game, as looking away does.
    void PadPulledOut() override;
    // ticked: after a tick, which a gliding road shows at its next frame anyway.
    void Sync(bool ticked = false);

    Outside mOutside;
    std::function<QStringList()> mSoundFileTypes;
    MainControls mControls;
    SoundChoice mSoundChoice;
    Game mGame;
    MenuCommands mMenus;
    BestDistances mBestDistances;
    QTimer mTimer1;
    std::unique_ptr<frmSound> mSoundDialog;
    std::unique_ptr<HelpWindow> mHelp;
    RoadView* mRoad = nullptr;
    std::unique_ptr<StatusRow> mStatus;
    ViewSettings mView;
    KeyBindings mKeys;
    Gamepad& mPad;
    QWidget* mStage = nullptr;  // the central widget: a plain background
    QWidget* mClient = nullptr; // the road and the status row, at the zoom
    QAction* mZoomIn = nullptr;
    QAction* mZoomOut = nullptr;
    QAction* mActualSize = nullptr;
    QAction* mFullScreen = nullptr;
    QAction* mSmooth = nullptr;
    int mBoxes = 0; // boxes open over the road: it shows the model as it is
};

#pragma once

#include "game/Game.h"
#include "game/GameWindow.h"
#include "game/MainControls.h"
#include "game/MenuCommands.h"
#include "game/SoundChoice.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

class HelpWindow;
class QLabel;
class RoadView;
class frmSound;

// The game's window: the road, the three status labels and the menus. It turns
// Timer1 and the player's keys into calls on the game and shows the control model
// after each of them. Creating it runs the game start, so the first picture shown
// is the new game's.
class frmMain final : public QMainWindow, private GameWindow
{
    Q_OBJECT

public:
    struct Services
    {
        SettingsStore& store;
        SoundPlayer& sound;
        RandomSource& random;
        const Clock& clock;
        Dialogs& dialogs;
        std::string programFolder;
    };

    explicit frmMain(Services services, QWidget* parent = nullptr);
    ~frmMain() override;

    const MainControls& Controls() const { return mControls; }
    Game& GameState() { return mGame; }
    RoadView* Road() const { return mRoad; }
    const QTimer& Timer1() const { return mTimer1; }
    frmSound* SoundDialog() const { return mSoundDialog.get(); }
    HelpWindow* Help() const { return mHelp.get(); }
    int SoundMode() const { return mSoundChoice.Mode(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Unload() override;
    void BuildMenus();
    void Command(void (MenuCommands::*command)());
    void mnuSound_Click();
    void mnuHelp_Click();
    void ShowHelp();
    QLabel* AddStatusLabel(QWidget* parent, const Control& control);
    void Timer1_Timer();
    void picRoad_KeyDown(int keyCode, int shift);
    void ShowCaption(QLabel* label, const Control& control);
    void Sync();

    Services mServices;
    MainControls mControls;
    SoundChoice mSoundChoice;
    Game mGame;
    MenuCommands mMenus;
    QTimer mTimer1;
    std::unique_ptr<frmSound> mSoundDialog;
    std::unique_ptr<HelpWindow> mHelp;
    RoadView* mRoad = nullptr;
    QLabel* mSpeedLabel = nullptr;
    QLabel* mTimeLabel = nullptr;
    QLabel* mDistLabel = nullptr;
    bool mCentred = false;
};

#pragma once

#include "game/BestDistances.h"
#include "game/InitialSettings.h"
#include "game/KeyCodes.h"
#include "game/Outside.h"
#include "game/clsCar.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class GameWindow;
class SoundChoice;
struct Control;
struct MainControls;

// The game: its state, the game start, the tick, the collision test, traffic
// placement and the player's keys. It works on the main window's control model and
// reaches everything else through the interfaces it is given.
//
// Where the 16-bit arithmetic of the rules would overflow, the outcome is fixed:
// - a stored starting speed is pinned to -16384..16383, the speeds whose step
//   (twice the speed) fits 16 bits;
// - SetSpeed refuses a speed whose step does not fit 16 bits, so Up at 16383 km/h
//   does nothing;
// - a Top moved past -32768..32767 by the tick stays pinned at that end; placement
//   sums (a car's bottom edge) are pinned the same way;
// - differences of two Tops and speed x interval are computed exactly in wider
//   integers.
// While the game-over boxes are open, or after the player has declined another
// game, ticks and keys are ignored.
class Game
{
public:
    // The keys the game knows.
    static constexpr int vkPause = KeyCodes::pause;
    static constexpr int vkLeft = KeyCodes::left;
    static constexpr int vkUp = KeyCodes::up;
    static constexpr int vkRight = KeyCodes::right;
    static constexpr int vkDown = KeyCodes::down;
    static constexpr int vkF1 = KeyCodes::f1;

    // The bonus's sound, in the program's folder.
    static constexpr const char* bonusSound = "TimeBonus.wav";

    // Seeds the random numbers from the clock once, so that no two runs deal the
    // same traffic. decimalSeparator: the user's, for the texts shown;
    // programFolder: where the bonus sound lies.
    Game(MainControls& controls, SoundChoice& soundChoice, Outside outside, GameWindow& window,
         std::string decimalSeparator, std::string programFolder);
    ~Game();

    void GameStart();
    void SetSpeed(std::int16_t intSp);
    // how: for the table of best distances, which the game enters when it ranks.
    void EndGame(const std::string& Reason, BestDistance::Ending how);
    void SetRandom(clsCar& aCar, bool IsLabel);
    bool CheckPos(std::int16_t StartPos, std::int16_t ThePos, float CarLength) const;
    void Tick();
    void CheckCrash();
    void KeyDown(int KeyCode);
    void PauseIt();
    // The player turned to another program: a running game pauses as the Pause
    // key pauses it; a paused or ended one stays as it is.
    void LookedAway();

    std::int16_t Step() const { return mStep; }
    std::int16_t Speed() const { return mSpeed; }
    double TimeLeft() const { return mTimeLeft; }
    clsCar* PlayerCar() const { return mPlayerCar.get(); }
    clsCar* Racer(int i) const { return mRacers.at(std::size_t(i)).get(); }
    clsCar* BonusCar() const { return mBonusCar.get(); }

    // True while the game-over boxes are open or once the program is ending.
    bool IsBusy() const { return mInGameOver || mEnded; }

private:
    void LayOutDivider(std::array<std::shared_ptr<Control>, 8>& marks, double centre);
    void ScrollDivider(std::array<std::shared_ptr<Control>, 8>& marks);
    void MoveDown(clsCar& car);
    bool Hits(const clsCar& thing) const;
    std::string BonusValue(float r) const;
    // A distance or a time as the player sees it: to 3 decimals, in the user's
    // decimal separator.
    std::string Shown(double value) const;
    void ShowDistanceAndTime();

    MainControls& mControls;
    SoundChoice& mSoundChoice;
    Outside mOutside;
    GameWindow& mWindow;
    InitialSettings mSettings;
    BestDistances mBestDistances;
    std::string mDecimalSeparator;
    std::string mProgramFolder;
    // The labels' texts in the player's language, %1 for the number: looked up
    // once, not at every tick.
    std::string mSpeedText;
    std::string mTimeText;
    std::string mDistanceText;

    std::int16_t mStep = 0;
    std::int16_t mSpeed = 0;
    std::int16_t mStartSpeed = 0;
    std::unique_ptr<clsCar> mPlayerCar;
    std::array<std::unique_ptr<clsCar>, 4> mRacers;
    std::unique_ptr<clsCar> mBonusCar;
    double mDistance = 0.0;
    double mTimeLeft = 0.0;
    double mGameTime = 0.0;

    bool mInGameOver = false;
    bool mEnded = false;
};

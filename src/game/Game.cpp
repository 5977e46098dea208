#include "game/Game.h"

#include "game/Clock.h"
#include "game/Control.h"
#include "game/Dialogs.h"
#include "game/GameWindow.h"
#include "game/MainControls.h"
#include "game/Numbers.h"
#include "game/RandomSource.h"
#include "game/SoundChoice.h"
#include "game/SoundPlayer.h"
#include "game/Translator.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>

using Numbers::ToInt16Clamped;

namespace {

constexpr int tracks = 3;
constexpr int lastTrack = tracks - 1;
constexpr float markGap = 100.0f;         // between successive divider marks
constexpr int trafficLag = 75;            // racers move this much less than the marks
constexpr std::int16_t lowestStartSpeed = -16384;
constexpr std::int16_t highestStartSpeed = 16383;

// The sum of a 16-bit Top and a step, pinned to 16 bits.
std::int16_t PinnedSum(std::int32_t a, std::int32_t b)
{
    using Limits = std::numeric_limits<std::int16_t>;
    return static_cast<std::int16_t>(std::clamp<std::int32_t>(a + b, Limits::min(), Limits::max()));
}

} // namespace

Game::Game(MainControls& controls, SoundChoice& soundChoice, Outside outside, GameWindow& window,
           std::string decimalSeparator, std::string programFolder)
    : mControls(controls),
      mSoundChoice(soundChoice),
      mOutside(outside),
      mWindow(window),
      mSettings(outside.store),
      mBestDistances(outside.store),
      mDecimalSeparator(std::move(decimalSeparator)),
      mProgramFolder(std::move(programFolder)),
      //: The speed, in the row under the road: short
      mSpeedText(outside.texts.Translate("Game", "%1 kmph")),
      //: The time left, in the row under the road beside the speed and the distance: short
      mTimeText(outside.texts.Translate("Game", "%1 sec")),
      mDistanceText(outside.texts.Translate("Game", "%1 km"))
{
    outside.random.Randomize(outside.clock.Now());
}

Game::~Game() = default;

void Game::GameStart()
{
    mSoundChoice.Load();

    const double W = mControls.picRoad->Width;
    LayOutDivider(mControls.shpDiv1, W / 3);
    LayOutDivider(mControls.shpDiv2, 2 * W / 3);
    const std::int16_t roadWidth = ToInt16Clamped(W);

    mPlayerCar = std::make_unique<clsCar>();
    mPlayerCar->Constructor(mControls.imgCar, 1, roadWidth, tracks);

    for (std::size_t i = 0; i < mRacers.size(); ++i) {
        mRacers[i] = std::make_unique<clsCar>();
        const float r = mOutside.random.Rnd();
        mRacers[i]->Constructor(mControls.imgRacers[i], ToInt16Clamped(r), roadWidth, tracks);
        const double H = mControls.imgCar->Height;
        mRacers[i]->SetTop(ToInt16Clamped(-H * double(i + 1) * 1.5));
    }

    const double storedSpeed =
        Numbers::NumberFromText(mSettings.GetSeeded(InitialSettings::speed, Numbers::TextOfInteger(InitialSettings::defaultSpeed)));
    mStartSpeed = std::clamp(ToInt16Clamped(storedSpeed), lowestStartSpeed, highestStartSpeed);
    SetSpeed(mStartSpeed);

    mDistance = 0.0;

    mGameTime = Numbers::NumberFromText(mSettings.GetSeeded(InitialSettings::time, Numbers::TextOfInteger(InitialSettings::defaultTime)));
    if (!(mGameTime > 0) || !std::isfinite(mGameTime))
        mGameTime = InitialSettings::defaultTime;
    mTimeLeft = mGameTime;
    ShowDistanceAndTime();

    mBonusCar = std::make_unique<clsCar>();
    mBonusCar->Constructor(mControls.lblBonus, ToInt16Clamped(mOutside.random.Rnd()), roadWidth,
                           tracks);
    mBonusCar->SetTop(ToInt16Clamped(-double(mControls.imgCar->Height) * 5 * 1.5));
    mControls.lblBonus->Caption = BonusValue(mOutside.random.Rnd());

    if (mSoundChoice.Mode() == SoundChoice::backgroundMusic)
        mOutside.sound.PlayMusic(mSoundChoice.MusicText());
}

void Game::LayOutDivider(std::array<std::shared_ptr<Control>, 8>& marks, double centre)
{
    // From the top of the road down, each mark a gap below the one before.
    float top = 0.0f;
    for (const auto& mark : marks) {
        mark->Left = static_cast<float>(centre - mark->Width / 2.0);
        mark->Top = top;
        top += mark->Height + markGap;
    }
}

void Game::SetSpeed(std::int16_t intSp)
{
    if (intSp < mStartSpeed || intSp > highestStartSpeed) // the start speed is never below the lowest
        return;
    mSpeed = intSp;
    mStep = static_cast<std::int16_t>(2 * intSp);
    mControls.lblSpeed->Caption = Translator::Fill(mSpeedText, Numbers::TextOfInteger(intSp));
}

void Game::EndGame(const std::string& Reason, BestDistance::Ending how)
{
    if (IsBusy())
        return;
    mInGameOver = true;
    //: The title of the two boxes at the end of a game
    const std::string title = mOutside.texts.Translate("Game", "Game Over");
    const std::string covered =
        Translator::Fill(mOutside.texts.Translate("Game", "You covered %1 km"), Shown(mDistance));
    mOutside.dialogs.MsgBox(Reason + "\r\n" + covered, Dialogs::Style::OkExclamation, title);
    // The distance as the box showed it; the table is written only when it enters.
    const BestDistance played{Numbers::Round3(mDistance), mStartSpeed, mGameTime, how, mOutside.clock.Now()};
    if (const auto rank = mBestDistances.Enter(played))
        mWindow.ShowBestDistances(*rank);
    const std::string again = mOutside.texts.Translate("Game", "Play Again?");
    const auto answer = mOutside.dialogs.MsgBox(again, Dialogs::Style::YesNoQuestion, title);
    mInGameOver = false;
    if (answer == Dialogs::Answer::Yes) {
        GameStart();
    } else {
        mEnded = true;
        mWindow.Unload();
    }
}

void Game::SetRandom(clsCar& aCar, bool IsLabel)
{
    const std::int16_t oldPos = aCar.GivePos();
    const std::int16_t oldTop = aCar.GetTop();
    bool Blocked = false;

    mOutside.random.Randomize(mOutside.clock.Now());
    const float r1 = mOutside.random.Rnd();
    aCar.SetPos(ToInt16Clamped(float(lastTrack) * r1));
    const float r2 = mOutside.random.Rnd();
    const auto height = static_cast<float>(double(r2) * mControls.picRoad->Height * 3 / 2);
    aCar.SetTop(static_cast<std::int16_t>(-ToInt16Clamped(height)));

    const std::int16_t t = aCar.GetTop();
    const std::int16_t p = aCar.GivePos();
    if (CheckPos(t, p, 1.0f)) {
        Blocked = true;
    } else if (!IsLabel) {
        const float h = mControls.imgCar->Height;
        const std::int16_t S = ToInt16Clamped(double(t) + h);
        if (float(std::abs(std::int32_t{t} - mBonusCar->GetTop())) < h)
            Blocked = true;
        else if (p == 0 || p == lastTrack)
            Blocked = CheckPos(S, 1, 1.5f);
        else
            Blocked = CheckPos(S, 0, 1.5f) && CheckPos(S, lastTrack, 1.5f);
    }

    if (Blocked) {
        aCar.SetPos(oldPos);
        aCar.SetTop(oldTop);
    }
}

bool Game::CheckPos(std::int16_t StartPos, std::int16_t ThePos, float CarLength) const
{
    bool result = false;
    const auto limit = static_cast<float>(mControls.imgCar->Height * CarLength);
    for (const auto& racer : mRacers) {
        if (racer->GivePos() != ThePos)
            continue;
        const auto d = static_cast<float>(std::int32_t{racer->GetTop()} - StartPos);
        if (d < limit && d != 0.0f)
            result = true;
    }
    return result;
}

void Game::Tick()
{
    if (IsBusy() || !mPlayerCar)
        return;

    ScrollDivider(mControls.shpDiv1);
    ScrollDivider(mControls.shpDiv2);

    for (auto& racer : mRacers) {
        MoveDown(*racer);
        if (float(racer->GetTop()) > mControls.picRoad->Height)
            SetRandom(*racer, false);
    }

    CheckCrash();
    if (mEnded)
        return;

    MoveDown(*mBonusCar);
    if (static_cast<float>(3 * mControls.picRoad->Height) < float(mBonusCar->GetTop())) {
        SetRandom(*mBonusCar, true);
        mControls.lblBonus->Caption = BonusValue(mOutside.random.Rnd());
    }

    const int interval = mControls.Timer1.Interval;
    mDistance = mDistance + double(std::int64_t{mSpeed} * interval) / 3600000.0;
    mTimeLeft = mTimeLeft - double(interval) / 1000.0;
    ShowDistanceAndTime();

    if (mTimeLeft <= 0)
        EndGame(mOutside.texts.Translate("Game", "Time Over!!"), BestDistance::Ending::timeOver);
}

void Game::ScrollDivider(std::array<std::shared_ptr<Control>, 8>& marks)
{
    const float roadHeight = mControls.picRoad->Height;
    const std::size_t last = marks.size() - 1;
    for (std::size_t i = 0; i <= last; ++i) {
        Control& mark = *marks[i];
        mark.Top = float(mStep) + mark.Top;
        if (mark.Top > roadHeight) {
            // Back to the top of the line, above the mark that follows it; that
            // mark has not moved yet in this tick unless it is mark 0.
            if (i == last)
                mark.Top = marks[0]->Top - mark.Height - markGap;
            else
                mark.Top = marks[i + 1]->Top - mark.Height - markGap + float(mStep);
        }
    }
}

void Game::MoveDown(clsCar& car)
{
    car.SetTop(PinnedSum(std::int32_t{mStep} - trafficLag, car.GetTop()));
}

bool Game::Hits(const clsCar& thing) const
{
    const auto distance =
        static_cast<float>(std::abs(std::int32_t{thing.GetTop()} - mPlayerCar->GetTop()));
    const bool level = distance < mControls.imgCar->Height;
    const bool sameTrack = thing.GivePos() == mPlayerCar->GivePos();
    return level && sameTrack;
}

void Game::CheckCrash()
{
    for (const auto& racer : mRacers) {
        if (Hits(*racer)) {
            EndGame(mOutside.texts.Translate("Game", "Crashed!!"), BestDistance::Ending::crash);
            if (mEnded)
                return;
        }
    }

    if (Hits(*mBonusCar)) {
        mTimeLeft = Numbers::NumberFromText(mControls.lblBonus->Caption) + mTimeLeft;
        const float r = mOutside.random.Rnd();
        mControls.lblBonus->Caption = Numbers::TextOfInteger(ToInt16Clamped(9.0f * r + 1.0f));
        mBonusCar->SetTop(ToInt16Clamped(mControls.picRoad->Height));
        if (mSoundChoice.Mode() == SoundChoice::soundEffects)
            mOutside.sound.PlayEffect(
                (std::filesystem::path(mProgramFolder) / bonusSound).string());
    }
}

void Game::KeyDown(int KeyCode)
{
    if (IsBusy() || !mPlayerCar)
        return;

    if (KeyCode == vkF1) {
        PauseIt();
        return;
    }
    if (!mControls.Timer1.Enabled) {
        mControls.Timer1.Enabled = true;
        mControls.lblPaused->Visible = false;
        return;
    }
    const std::int16_t track = mPlayerCar->GivePos();
    switch (KeyCode) {
    case vkPause:
        PauseIt();
        break;
    case vkLeft:
        if (track != 0)
            mPlayerCar->SetPos(static_cast<std::int16_t>(track - 1));
        break;
    case vkRight:
        if (track != lastTrack)
            mPlayerCar->SetPos(static_cast<std::int16_t>(track + 1));
        break;
    case vkUp:
        SetSpeed(static_cast<std::int16_t>(mSpeed + 1));
        break;
    case vkDown:
        SetSpeed(static_cast<std::int16_t>(mSpeed - 1));
        break;
    default:
        break;
    }
}

void Game::LookedAway()
{
    if (!IsBusy() && mPlayerCar && mControls.Timer1.Enabled)
        PauseIt();
}

void Game::PauseIt()
{
    mControls.Timer1.Enabled = false;
    mControls.lblPaused->Visible = true;
}

std::string Game::BonusValue(float r) const
{
    return Numbers::TextOfInteger(ToInt16Clamped(2.0f * r + 1.0f));
}

void Game::ShowDistanceAndTime()
{
    mControls.lblDist->Caption = Translator::Fill(mDistanceText, Shown(mDistance));
    mControls.lblTime->Caption = Translator::Fill(mTimeText, Shown(mTimeLeft));
}

std::string Game::Shown(double value) const
{
    return Numbers::TextOfNumber(Numbers::Round3(value), mDecimalSeparator);
}

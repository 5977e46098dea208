#include "game/clsCar.h"

#include "game/Control.h"
#include "game/Numbers.h"

void clsCar::Constructor(std::shared_ptr<Control> CarPic, std::int16_t CarPos,
                         std::int16_t RdWid, std::int16_t NoOfTracks)
{
    mCarPic = std::move(CarPic);
    mRdWid = RdWid;
    mNoOfTracks = NoOfTracks;
    SetPos(CarPos);
}

void clsCar::SetPos(std::int16_t a)
{
    mCarPos = a;
    if (!mCarPic || mNoOfTracks <= 0)
        return;
    const std::int32_t p = std::int32_t{mRdWid} * a; // cannot overflow 32 bits
    const double trackLeft = double(p) / mNoOfTracks;
    const double trackWidth = double(mRdWid) / mNoOfTracks;
    const double w = mCarPic->Width;
    mCarPic->Left = static_cast<float>(trackLeft + (trackWidth - w) / 2.0);
}

std::int16_t clsCar::GivePos() const
{
    return mCarPos;
}

void clsCar::SetTop(std::int16_t intT)
{
    if (mCarPic)
        mCarPic->Top = intT;
}

std::int16_t clsCar::GetTop() const
{
    return mCarPic ? Numbers::ToInt16Clamped(mCarPic->Top) : std::int16_t{0};
}

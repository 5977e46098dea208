#pragma once

#include <cstdint>
#include <memory>

struct Control;

// One thing on the road (the player's car, a racer or the bonus item), tied to the
// control that shows it. The car keeps its track; its place lives in the control.
//
// Past the 16-bit limits:
// - SetPos computes the track's left edge exactly, even where RdWid x track does
//   not fit 16 bits, so an odd track number only places the control beside the road;
// - with a track count of 0 or less, SetPos records the track but leaves Left alone;
// - GetTop pins a Top outside -32768..32767 to the nearest end of that range.
// Before Constructor has given it a control, the car changes nothing and reads 0.
class clsCar
{
public:
    void Constructor(std::shared_ptr<Control> CarPic, std::int16_t CarPos,
                     std::int16_t RdWid, std::int16_t NoOfTracks);
    void SetPos(std::int16_t a);
    std::int16_t GivePos() const;
    void SetTop(std::int16_t intT);
    std::int16_t GetTop() const;

private:
    std::shared_ptr<Control> mCarPic;
    std::int16_t mCarPos = 0;
    std::int16_t mRdWid = 0;
    std::int16_t mNoOfTracks = 0;
};

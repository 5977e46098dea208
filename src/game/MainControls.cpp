#include "game/MainControls.h"

#include "game/Translator.h"

namespace {

std::shared_ptr<Control> Make(float left, float top, float width, float height,
                              std::string caption = {}, bool visible = true)
{
    return std::make_shared<Control>(
        Control{left, top, width, height, std::move(caption), visible});
}

} // namespace

MainControls::MainControls(const Translator& texts)
    : picRoad(Make(240, 240, 3000, 5895)),
      //: Over the road while the game is paused: at most about 9 letters
      lblPaused(Make(360, 2520, 2295, 615, texts.Translate("MainControls", "PAUSED"), false)),
      lblBonus(Make(0, 0, 480, 480)),
      imgCar(Make(0, 5280, 480, 480)),
      lblSpeed(Make(240, 6360, 855, 255)),
      lblTime(Make(1200, 6360, 1095, 255)),
      lblDist(Make(2400, 6360, 855, 255)),
      Timer1{50, true}
{
    for (auto& racer : imgRacers)
        racer = Make(0, 0, 480, 480);
    for (auto& mark : shpDiv1)
        mark = Make(0, 0, 135, 735);
    for (auto& mark : shpDiv2)
        mark = Make(0, 0, 135, 735);
}

std::vector<std::shared_ptr<const Control>> MainControls::RoadPaintOrder() const
{
    // The design's stacking order, front to back, read backwards.
    return {shpDiv1[7], shpDiv2[7], shpDiv1[0], shpDiv1[1], shpDiv1[2], shpDiv1[3],
            shpDiv1[4], shpDiv2[3], shpDiv2[2], shpDiv2[4], shpDiv2[1], shpDiv2[0],
            imgCar, imgRacers[0], imgRacers[1], imgRacers[2], imgRacers[3],
            shpDiv1[5], shpDiv1[6], shpDiv2[5], shpDiv2[6], lblBonus, lblPaused};
}

#pragma once

#include "game/Control.h"
#include "game/Timer.h"

#include <array>
#include <memory>
#include <vector>

class Translator;

// The controls of the main window as the game reads and changes them, in twips.
// The window paints them; it never keeps positions or texts of its own.
// picRoad is placed in the window's client area; every control inside the road is
// placed relative to the area inside the road's border.
struct MainControls
{
    // Every control as the window's design creates it, in the player's language.
    explicit MainControls(const Translator& texts);

    std::shared_ptr<Control> picRoad;
    std::shared_ptr<Control> lblPaused;
    std::shared_ptr<Control> lblBonus;
    std::shared_ptr<Control> imgCar;
    std::array<std::shared_ptr<Control>, 4> imgRacers;
    std::array<std::shared_ptr<Control>, 8> shpDiv1;
    std::array<std::shared_ptr<Control>, 8> shpDiv2;
    std::shared_ptr<Control> lblSpeed;
    std::shared_ptr<Control> lblTime;
    std::shared_ptr<Control> lblDist;
    Timer Timer1;

    // The controls inside the road, back to front: later ones are drawn over
    // earlier ones where they overlap.
    std::vector<std::shared_ptr<const Control>> RoadPaintOrder() const;
};

#include "game/ViewSettings.h"

#include "Program.h"
#include "game/Numbers.h"
#include "game/SettingsStore.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr std::string_view section = "View";
} // namespace

int ViewSettings::Zoom() const
{
    return Read("Zoom", 1, largestZoom, 1);
}

bool ViewSettings::FullScreen() const
{
    return Read("FullScreen", 0, 1, 0) == 1;
}

bool ViewSettings::SmoothMotion() const
{
    return Read("SmoothMotion", 0, 1, 1) == 1;
}

void ViewSettings::SetZoom(int zoom)
{
    Write("Zoom", std::clamp(zoom, 1, largestZoom));
}

void ViewSettings::SetFullScreen(bool on)
{
    Write("FullScreen", on ? 1 : 0);
}

void ViewSettings::SetSmoothMotion(bool on)
{
    Write("SmoothMotion", on ? 1 : 0);
}

int ViewSettings::Read(std::string_view key, int lowest, int highest, int fallback) const
{
    const auto value = Numbers::WholeNumberFromText(mStore.GetSetting(Program::name, section, key));
    if (!value || *value < lowest || *value > highest || *value != std::trunc(*value))
        return fallback;
    return static_cast<int>(*value);
}

void ViewSettings::Write(std::string_view key, int value)
{
    mStore.SaveSetting(Program::name, section, key, Numbers::TextOfInteger(value));
}

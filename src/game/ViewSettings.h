#pragma once

#include <string_view>

class SettingsStore;

// How the window shows the game, kept in a section of its own, "View", so that
// "Initial" reads as it always has: the zoom (a whole multiple of the designed
// size), full screen, and smooth motion. A missing or hand-broken value reads as
// the default: zoom 1, a window, smooth motion on. Each is written only when the
// player changes it.
class ViewSettings
{
public:
    static constexpr int largestZoom = 16;

    explicit ViewSettings(SettingsStore& store) : mStore(store) {}

    // From 1 to largestZoom; the window clamps it to its screen.
    int Zoom() const;
    bool FullScreen() const;
    bool SmoothMotion() const;

    void SetZoom(int zoom);
    void SetFullScreen(bool on);
    void SetSmoothMotion(bool on);

private:
    // The stored whole number from lowest to highest, or fallback.
    int Read(std::string_view key, int lowest, int highest, int fallback) const;
    void Write(std::string_view key, int value);

    SettingsStore& mStore;
};

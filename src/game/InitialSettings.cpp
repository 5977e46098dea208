#include "game/InitialSettings.h"

#include "Program.h"
#include "game/SettingsStore.h"

namespace {
constexpr std::string_view appName = Program::name;
constexpr std::string_view section = "Initial";
} // namespace

std::string InitialSettings::Get(std::string_view key) const
{
    return mStore.GetSetting(appName, section, key);
}

void InitialSettings::Save(std::string_view key, std::string_view value)
{
    mStore.SaveSetting(appName, section, key, value);
}

std::string InitialSettings::GetSeeded(std::string_view key, std::string_view fallback)
{
    if (Get(key).empty())
        Save(key, fallback);
    return Get(key);
}

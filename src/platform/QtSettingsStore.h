#pragma once

#include "game/SettingsStore.h"

#include <QString>

#include <map>
#include <memory>

class QSettings;

// The settings store on QSettings: one store per application name, in the user's
// configuration folder (an INI file on Linux), a group per section. Every write is
// flushed at once so that a crash loses nothing. A store that cannot be written
// keeps the values written to it for the rest of the run.
class QtSettingsStore final : public SettingsStore
{
public:
    QtSettingsStore();
    ~QtSettingsStore() override;

    std::string GetSetting(std::string_view appName, std::string_view section,
                           std::string_view key) const override;
    void SaveSetting(std::string_view appName, std::string_view section,
                     std::string_view key, std::string_view value) override;
    void DeleteSetting(std::string_view appName, std::string_view section, std::string_view key) override;
    // Under a lock file beside the settings file (not QSettings' own, which each of
    // its writes takes and gives back).
    void Exclusively(std::string_view appName, const std::function<void()>& change) override;

private:
    QSettings& Store(std::string_view appName) const;

    // Inside Exclusively: the store is read from disk at its start and written at its end only.
    void Sync(QSettings& store) const;

    mutable std::map<QString, std::unique_ptr<QSettings>> mStores;
    bool mExclusive = false;
};

#pragma once

#include <functional>
#include <string>
#include <string_view>

// The per-user settings store: text values addressed by application, section and key.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // The stored text, or empty text when the key, section or application is missing.
    virtual std::string GetSetting(std::string_view appName, std::string_view section,
                                   std::string_view key) const = 0;

    // Creates or replaces the value.
    virtual void SaveSetting(std::string_view appName, std::string_view section,
                             std::string_view key, std::string_view value) = 0;

    // Removes the key; a missing one is no error.
    virtual void DeleteSetting(std::string_view appName, std::string_view section, std::string_view key) = 0;

    // Runs change as one step against every other program using the same store:
    // nothing they write comes between what it reads and what it writes, and its
    // writes reach the disk together when it ends.
    virtual void Exclusively(std::string_view appName, const std::function<void()>& change) = 0;
};

#include "game/BestDistances.h"

#include "Program.h"
#include "game/Numbers.h"
#include "game/SettingsStore.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace {

using namespace std::chrono;

constexpr std::string_view appName = Program::name;
constexpr std::string_view section = "BestDistances";

std::string KeyOf(std::size_t index)
{
    return Numbers::TextOfInteger(std::int64_t(index) + 1);
}

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The number before unit in a field such as "12.345 km", if it is all there is.
std::optional<double> Measure(std::string_view field, std::string_view unit)
{
    field = Trimmed(field);
    if (field.size() <= unit.size() || field.substr(field.size() - unit.size()) != unit)
        return std::nullopt;
    const auto number = Numbers::WholeNumberFromText(field.substr(0, field.size() - unit.size()));
    if (!number || !std::isfinite(*number))
        return std::nullopt;
    return number;
}

std::string TextOfTime(system_clock::time_point when)
{
    const auto day = floor<days>(when);
    const year_month_day date(day);
    const hh_mm_ss time(floor<seconds>(when - day));
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02ld:%02ld:%02ldZ", int(date.year()), unsigned(date.month()),
                  unsigned(date.day()), long(time.hours().count()), long(time.minutes().count()),
                  long(time.seconds().count()));
    return text;
}

std::optional<system_clock::time_point> TimeOfText(std::string_view field)
{
    const std::string text(Trimmed(field));
    int y = 0;
    unsigned mo = 0, d = 0, h = 0, mi = 0, s = 0;
    int length = 0;
    if (std::sscanf(text.c_str(), "%4d-%2u-%2uT%2u:%2u:%2uZ%n", &y, &mo, &d, &h, &mi, &s, &length) != 6 ||
        std::size_t(length) != text.size())
        return std::nullopt;
    const year_month_day date{year(y), month(mo), day(d)};
    if (!date.ok() || h > 23 || mi > 59 || s > 59)
        return std::nullopt;
    return sys_days(date) + hours(h) + minutes(mi) + seconds(s);
}

} // namespace

std::string BestDistances::Line(const BestDistance& game)
{
    return Numbers::TextOfNumber(game.km) + " km, " + Numbers::TextOfInteger(game.startSpeed) + " km/h, " +
           Numbers::TextOfNumber(game.gameTime) + " s, " +
           (game.ending == BestDistance::Ending::crash ? "crash" : "time over") + ", " + TextOfTime(game.when);
}

std::optional<BestDistance> BestDistances::Parse(const std::string& line)
{
    // A hand-edited line without quotes comes back from the store with its commas,
    // but without the blanks after them.
    std::vector<std::string_view> fields;
    for (std::string_view rest = line;;) {
        const auto comma = rest.find(',');
        fields.push_back(rest.substr(0, comma));
        if (comma == std::string_view::npos)
            break;
        rest.remove_prefix(comma + 1);
    }
    if (fields.size() != 5)
        return std::nullopt;
    const auto km = Measure(fields[0], "km");
    const auto speed = Measure(fields[1], "km/h");
    const auto length = Measure(fields[2], "s");
    const auto when = TimeOfText(fields[4]);
    const std::string_view ending = Trimmed(fields[3]);
    if (!km || !(*km > 0) || !speed || std::trunc(*speed) != *speed || !Numbers::ToInt16(*speed) || !length ||
        !(*length > 0) || !when || (ending != "crash" && ending != "time over"))
        return std::nullopt;
    return BestDistance{Numbers::Round3(*km), *Numbers::ToInt16(*speed), *length,
                        ending == "crash" ? BestDistance::Ending::crash : BestDistance::Ending::timeOver, *when};
}

std::vector<BestDistance> BestDistances::Read() const
{
    std::vector<BestDistance> table;
    for (std::size_t i = 0; i < kept; ++i)
        if (const auto game = Parse(mStore.GetSetting(appName, section, KeyOf(i))))
            table.push_back(*game);
    std::stable_sort(table.begin(), table.end(), [](const BestDistance& a, const BestDistance& b) {
        return a.km > b.km || (a.km == b.km && a.when < b.when);
    });
    return table;
}

std::optional<std::size_t> BestDistances::Enter(const BestDistance& game)
{
    if (!(game.km > 0) || !std::isfinite(game.km))
        return std::nullopt;
    std::optional<std::size_t> entered;
    mStore.Exclusively(appName, [&] {
        std::vector<BestDistance> table = Read();
        const auto place = std::find_if(table.begin(), table.end(), [&](const BestDistance& other) {
            return other.km < game.km || (other.km == game.km && other.when > game.when);
        });
        const auto rank = std::size_t(place - table.begin());
        if (rank >= kept)
            return;
        table.insert(place, game);
        for (std::size_t i = 0; i < kept; ++i) {
            if (i < table.size())
                mStore.SaveSetting(appName, section, KeyOf(i), Line(table[i]));
            else
                Clear(i);
        }
        entered = rank + 1;
    });
    return entered;
}

void BestDistances::Empty()
{
    mStore.Exclusively(appName, [&] {
        for (std::size_t i = 0; i < kept; ++i)
            Clear(i);
    });
}

void BestDistances::Clear(std::size_t index)
{
    // Only what is there: emptying an empty table writes nothing.
    if (!mStore.GetSetting(appName, section, KeyOf(index)).empty())
        mStore.DeleteSetting(appName, section, KeyOf(index));
}

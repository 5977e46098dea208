// libFuzzer target: reading numbers from text, and writing them back.
#include "game/Numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = Numbers::NumberFromText(text);
    if (std::isnan(value))
        std::abort(); // no text reads as NaN
    const auto whole = Numbers::WholeNumberFromText(text);
    if (whole && *whole != value)
        std::abort(); // a whole number is the number read from the start
    (void)Numbers::ToInt16(value);
    (void)Numbers::ToInt16Clamped(value);
    const double rounded = Numbers::Round3(value);
    if (std::isfinite(value) && std::fabs(rounded - value) > 0.0005 + 1e-9 * std::fabs(value))
        std::abort(); // rounding to 3 decimals moves a value by half a thousandth at most
    // Text written for later reading reads back as the same value, to 15 digits.
    const std::string written = Numbers::TextOfNumber(value);
    if (std::isfinite(value)) {
        const double reread = Numbers::NumberFromText(written);
        if (std::fabs(reread - value) > 1e-14 * std::fabs(value))
            std::abort();
    }
    return 0;
}

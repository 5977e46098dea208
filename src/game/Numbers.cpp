#include "game/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <memory>

namespace Numbers {

namespace {

// Rounds a finite double to an integer, an exact half to the even neighbour.
// Independent of the floating-point rounding mode in force.
double RoundHalfEven(double x)
{
    const double below = std::floor(x);
    const double fraction = x - below; // exact: x and below share their leading bits
    if (fraction > 0.5)
        return below + 1.0;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int DigitValue(char c, int base)
{
    int value = base;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// Walks a text while skipping the blanks that the number rules ignore.
class Cursor
{
public:
    explicit Cursor(std::string_view text) : mText(text) {}

    char Peek()
    {
        while (mPos < mText.size() && IsBlank(mText[mPos]))
            ++mPos;
        return mPos < mText.size() ? mText[mPos] : '\0';
    }
    void Next() { ++mPos; }
    std::size_t Position() const { return mPos; }
    void Rewind(std::size_t position) { mPos = position; }

private:
    std::string_view mText;
    std::size_t mPos = 0;
};

std::optional<double> ReadRadixInteger(Cursor& cursor, int base)
{
    double value = 0.0;
    bool seenDigit = false;
    for (int digit = DigitValue(cursor.Peek(), base); digit >= 0;
         digit = DigitValue(cursor.Peek(), base)) {
        value = value * base + digit; // grows to infinity on absurdly long texts
        seenDigit = true;
        cursor.Next();
    }
    return seenDigit ? std::optional(value) : std::nullopt;
}

// Reads up to a bounded exponent: past the length of any text the game reads, the
// bound means overflow or underflow for every mantissa, so larger values need not
// be told apart.
// 64 bits wide everywhere: on a 32-bit system a long could not take a tenth of it.
std::int64_t ReadExponentDigits(Cursor& cursor)
{
    constexpr std::int64_t bound = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    while (IsDigit(cursor.Peek())) {
        value = std::min(bound, value * 10 + (cursor.Peek() - '0'));
        cursor.Next();
    }
    return value;
}

std::optional<double> ReadDecimal(Cursor& cursor)
{
    bool negative = false;
    if (cursor.Peek() == '+' || cursor.Peek() == '-') {
        negative = cursor.Peek() == '-';
        cursor.Next();
    }

    // The mantissa, without sign and without leading zeros of the whole part.
    std::string digits;
    std::int64_t pointShift = 0; // decimal exponent of the first digit kept, plus one
    bool seenPoint = false;
    bool seenDigit = false;
    for (char c = cursor.Peek();; c = cursor.Peek()) {
        if (IsDigit(c)) {
            seenDigit = true;
            if (digits.empty() && c == '0') {
                if (seenPoint)
                    --pointShift;
            } else {
                digits += c;
                if (!seenPoint)
                    ++pointShift;
            }
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        cursor.Next();
    }
    if (!seenDigit)
        return std::nullopt;
    if (digits.empty())
        return 0.0;

    std::int64_t exponent = 0;
    const char marker = cursor.Peek();
    if (marker == 'e' || marker == 'E' || marker == 'd' || marker == 'D') {
        const std::size_t beforeExponent = cursor.Position();
        cursor.Next();
        bool exponentNegative = false;
        if (cursor.Peek() == '+' || cursor.Peek() == '-') {
            exponentNegative = cursor.Peek() == '-';
            cursor.Next();
        }
        if (IsDigit(cursor.Peek())) {
            exponent = ReadExponentDigits(cursor);
            if (exponentNegative)
                exponent = -exponent;
        } else {
            cursor.Rewind(beforeExponent); // "1e" is the number 1
        }
    }

    // The value is 0.d1d2d3... x 10^(pointShift + exponent); past the range of a
    // double it is infinity or zero, as the magnitude's sign says.
    const std::int64_t magnitude = pointShift + exponent;
    const std::string scientific = "0." + digits + "e" + std::to_string(magnitude);
    double value = 0.0;
    const auto result = std::from_chars(std::to_address(scientific.cbegin()),
                                        std::to_address(scientific.cend()), value);
    if (result.ec == std::errc::result_out_of_range)
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    if (value == 0.0)
        return 0.0; // never a negative zero
    return negative ? -value : value;
}

} // namespace

std::optional<std::int16_t> ToInt16(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    const double rounded = RoundHalfEven(x);
    if (rounded < std::numeric_limits<std::int16_t>::min()
        || rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::int16_t ToInt16Clamped(double x)
{
    if (std::isnan(x))
        return 0;
    // Pinned before it is rounded: a value past either end rounds to that end.
    return *ToInt16(std::clamp(x, double(std::numeric_limits<std::int16_t>::min()),
                               double(std::numeric_limits<std::int16_t>::max())));
}

double Round3(double x)
{
    // From here on x * 1000 is past 2^52, where every double is a whole number:
    // there is nothing left to round, and x stays as it is.
    constexpr double wholeFrom = 4503599627370496.0 / 1000.0; // 2^52 / 1000
    if (!std::isfinite(x) || std::fabs(x) >= wholeFrom)
        return x;
    // x * 1000 is exactly product + error, so a true half is told from a product
    // that only looks like one after rounding.
    const double product = x * 1000.0;
    const double error = std::fma(x, 1000.0, -product);
    const double below = std::floor(product);
    const double fraction = product - below;
    double rounded;
    if (fraction > 0.5 || (fraction == 0.5 && error > 0.0))
        rounded = below + 1.0;
    else if (fraction < 0.5 || error < 0.0)
        rounded = below;
    else
        rounded = std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
    const double result = rounded / 1000.0;
    return result == 0.0 ? 0.0 : result;
}

namespace {

// The number at the cursor; empty when there is none.
std::optional<double> ReadNumber(Cursor& cursor)
{
    if (cursor.Peek() == '&') {
        const std::size_t afterStart = cursor.Position();
        cursor.Next();
        const char radix = cursor.Peek();
        if (radix == 'h' || radix == 'H') {
            cursor.Next();
            return ReadRadixInteger(cursor, 16);
        }
        if (radix == 'o' || radix == 'O') {
            cursor.Next();
            return ReadRadixInteger(cursor, 8);
        }
        cursor.Rewind(afterStart);
    }
    return ReadDecimal(cursor);
}

} // namespace

double NumberFromText(std::string_view text)
{
    Cursor cursor(text);
    return ReadNumber(cursor).value_or(0.0);
}

std::optional<double> WholeNumberFromText(std::string_view text)
{
    Cursor cursor(text);
    const auto value = ReadNumber(cursor); // which ends past any blanks after the number
    if (cursor.Position() != text.size())
        return std::nullopt;
    return value;
}

std::string TextOfInteger(std::int64_t value)
{
    return std::to_string(value);
}

std::string TextOfNumber(double value, std::string_view decimalSeparator)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return std::signbit(value) ? "-inf" : "inf";
    if (value == 0.0)
        return "0";

    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, 15);
    std::string text;
    for (const char* c = buffer; c != result.ptr; ++c) {
        if (*c == '.')
            text += decimalSeparator;
        else if (*c == 'e')
            text += 'E';
        else
            text += *c;
    }
    return text;
}

} // namespace Numbers

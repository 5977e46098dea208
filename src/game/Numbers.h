#pragma once

// The number rules every part of the game shares: the 16-bit conversion, rounding
// to three decimals, reading a number from text and writing a number as text.
// Every function gives a defined result for every input, NaN and infinities included.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Numbers {

// Nearest integer, an exact half going to the even neighbour (0.5 -> 0, 1.5 -> 2).
// Empty when the result does not fit in -32768..32767 or x is NaN, so that each
// caller can apply its own policy for values past the range.
std::optional<std::int16_t> ToInt16(double x);

// ToInt16 for callers whose policy is to pin: past the range the nearest end of
// it, NaN gives 0.
std::int16_t ToInt16Clamped(double x);

// Nearest multiple of 0.001, an exact half going to the even neighbour. NaN and
// infinities come back unchanged.
double Round3(double x);

// The value of the number at the start of a text. Blanks, tabs and line feeds are
// ignored wherever they stand; then an optional sign, digits with at most one full
// stop, an optional exponent (E or D, optional sign, digits). "&H" and "&O" read the
// following digits as a non-negative hexadecimal or octal integer. Reading stops at
// the first character that cannot continue the number; no number gives 0.
// Magnitudes past the double range give an infinity, tiny ones 0.
double NumberFromText(std::string_view text);

// NumberFromText for texts that must be a number and nothing else (blanks
// aside): empty when anything follows the number or there is none.
std::optional<double> WholeNumberFromText(std::string_view text);

// Decimal digits with a leading minus sign when negative.
std::string TextOfInteger(std::int64_t value);

// Shortest form with at most 15 significant digits, exponent form ("1E+15",
// "1E-05") only for very large or very small magnitudes; decimalSeparator stands in
// for the decimal point. Text meant to be read back later keeps the full stop.
// Infinities and NaN are written "inf", "-inf" and "nan".
std::string TextOfNumber(double value, std::string_view decimalSeparator = ".");

} // namespace Numbers

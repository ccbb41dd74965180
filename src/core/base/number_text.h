#ifndef LUMORA_CORE_BASE_NUMBER_TEXT_H_
#define LUMORA_CORE_BASE_NUMBER_TEXT_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/unit_and_orn.h"

// The one place where numbers become text and text becomes numbers. Texts are Latin-1 bytes;
// report columns are right-aligned with the no-break space (byte 0xA0).
namespace lumora {

inline constexpr char kNoBreakSpace = '\xA0';

// Reads the leading number of a text: leading blanks (0x20 only), an optional sign, digits with
// at most one point and at least one digit. Anything else reads 0; "1e3" reads 1. Correctly
// rounded, clamped to the finite range, never -0.
double ReadDouble(std::string_view text);
// ReadDouble rounded to float, clamped to +-FLT_MAX, never -0.
float ReadFloat(std::string_view text);
// Whether the whole text, after trimming blanks, is one leading number and nothing else.
bool IsNumberText(std::string_view text);

// The value as an int when it is a whole number within [lo, hi]; nullopt for a fraction, NaN or
// a value outside. The one way a number read from the command line or a file becomes a count,
// an index or a size: a cast of a value beyond the int range is undefined.
std::optional<int> WholeNumberWithin(double value, int lo, int hi);
// The whole number a text holds (IsNumberText) within [lo, hi]: "3", " 3 " and "3.0" give 3;
// "1.9", "3x" and "" give nullopt.
std::optional<int> ReadWholeNumber(std::string_view text, int lo, int hi);

// The general text of a float: "0" for zero, integer digits for integral values, else the
// shortest fixed-notation text that reads back to the same float. Never an exponent.
std::string GeneralText(float value);
// The general text of a whole number.
std::string GeneralText(int value);
std::string GeneralText(int64_t value);

// Rounds a decimal text (fixed or scientific notation) to a pattern such as "0.00", ".00", "0",
// "0.000", ".000000" or "00": decimal rounding half away from zero with carry; each "0" before
// the point is an integer digit always shown ("00" gives "05"), without one an integer part of
// 0 is dropped (".50").
std::string FormatDecimalText(std::string_view decimal_text, std::string_view pattern);
// FormatDecimalText of the general text of the value.
std::string FormatNumber(float value, std::string_view pattern);
// FormatDecimalText of a double, from its shortest text that reads back to it; an infinity
// counts as the largest finite value of its sign, not a number as 0.
std::string FormatDouble(double value, std::string_view pattern);

// Right-aligns with no-break spaces: width - length of them, or width - 3 when the text is
// longer than the width; never fewer than none. Lengths count bytes.
std::string PadLeft(std::string_view text, int width);
std::string FmtDimMM(std::string_view text);
std::string FmtDimIN(std::string_view text);
std::string FmtQty(std::string_view text);
std::string FmtPercent(std::string_view text);
std::string FmtArea(std::string_view text);
std::string FmtRate(std::string_view text);
std::string FmtAmount(std::string_view text);

// Millimetre text to an inch text in sixteenths ("96 3/8", "39 3/8", "96").
std::string MMToInchText(std::string_view mm_text);
// Inch text ("48 3/4", "3/4", "48.75") to a millimetre text with at most two decimals.
std::string InchTextToMM(std::string_view inch_text);
// MMToInchText when the unit setting is inches, the text unchanged otherwise.
std::string ToUnitText(std::string_view mm_text, Unit unit_setting);
// The value formatted "0.00" with one trailing zero, then a trailing ".0", cut away.
std::string TrimZeros(float value);
// The value rounded to three decimals, fraction digits cut to keep at most 7 characters.
float To3Decimals(float value);

// Leading and trailing blanks removed: 0x20 alone unless told otherwise, so that tabs and
// no-break spaces stay.
std::string_view TrimBlanks(std::string_view text, std::string_view blanks = " ");

}  // namespace lumora

#endif  // LUMORA_CORE_BASE_NUMBER_TEXT_H_

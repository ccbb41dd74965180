#include "core/base/number_text.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <optional>

namespace lumora {
namespace {

// The part of a text that the leading-number rule accepts.
struct LeadingNumber {
  bool negative = false;
  std::string_view body;  // digits with at most one point, without the sign
  size_t end = 0;         // index just past the match
};

std::optional<LeadingNumber> MatchLeadingNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  LeadingNumber match;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    match.negative = text[i] == '-';
    ++i;
  }
  const size_t body_start = i;
  bool seen_point = false;
  int digit_count = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      ++digit_count;
    } else if (c == '.' && !seen_point) {
      seen_point = true;
    } else {
      break;
    }
  }
  if (digit_count == 0) return std::nullopt;
  match.body = text.substr(body_start, i - body_start);
  match.end = i;
  return match;
}

bool HasNonZeroIntegerDigit(std::string_view body) {
  for (const char c : body) {
    if (c == '.') return false;
    if (c != '0') return true;
  }
  return false;
}

// A decimal number as a digit string and the count of digits before the point.
struct Decimal {
  bool negative = false;
  std::string digits;
  size_t integer_digits = 0;
};

// Parses fixed or scientific decimal text; anything that is not a number reads as 0.
Decimal ParseDecimal(std::string_view text) {
  Decimal decimal;
  const auto match = MatchLeadingNumber(text);
  if (!match) {
    decimal.digits = "0";
    decimal.integer_digits = 1;
    return decimal;
  }
  decimal.negative = match->negative;
  long long point_position = -1;
  for (const char c : match->body) {
    if (c == '.') {
      point_position = static_cast<long long>(decimal.digits.size());
    } else {
      decimal.digits.push_back(c);
    }
  }
  long long integer_digits =
      point_position < 0 ? static_cast<long long>(decimal.digits.size()) : point_position;
  // Exponents come from our own scientific texts, which stay within a double's range; a file
  // that holds a wilder one must not make us write out millions of zeros.
  constexpr int kMaxExponent = 400;
  const std::string_view rest = text.substr(match->end);
  if (rest.size() > 1 && (rest[0] == 'e' || rest[0] == 'E')) {
    int exponent = 0;
    const char* first = rest.data() + 1;
    if (*first == '+') ++first;
    const auto [ptr, ec] = std::from_chars(first, rest.data() + rest.size(), exponent);
    if (ec == std::errc() && ptr != first) {
      integer_digits += std::clamp(exponent, -kMaxExponent, kMaxExponent);
    }
  }
  if (integer_digits < 0) {
    decimal.digits.insert(0, static_cast<size_t>(-integer_digits), '0');
    integer_digits = 0;
  }
  if (static_cast<size_t>(integer_digits) > decimal.digits.size()) {
    decimal.digits.append(static_cast<size_t>(integer_digits) - decimal.digits.size(), '0');
  }
  decimal.integer_digits = static_cast<size_t>(integer_digits);
  return decimal;
}

void CutTrailingZeros(std::string& text) {
  if (!text.empty() && text.back() == '0') text.pop_back();
  if (text.size() >= 2 && text.compare(text.size() - 2, 2, ".0") == 0) text.resize(text.size() - 2);
}

std::string MMToInchTextOfPositive(double value) {
  const float x = static_cast<float>(value / 25.4);
  const float whole = std::trunc(x);
  const float fraction = std::fabs(x - whole);
  if (fraction == 0.0f) return GeneralText(whole);
  float best_error = 1.0f;
  int best_numerator = 0;
  int best_denominator = 1;
  constexpr std::array<int, 4> kDenominators = {2, 4, 8, 16};
  for (int numerator = 1; numerator <= 16; ++numerator) {
    for (const int denominator : kDenominators) {
      const float error =
          std::fabs(fraction - static_cast<float>(numerator) / static_cast<float>(denominator));
      if (error < best_error) {
        best_error = error;
        best_numerator = numerator;
        best_denominator = denominator;
      }
    }
  }
  if (best_numerator % best_denominator == 0) {
    return GeneralText(whole + static_cast<float>(best_numerator / best_denominator));
  }
  return GeneralText(whole) + " " + std::to_string(best_numerator) + "/" +
         std::to_string(best_denominator);
}

}  // namespace

std::string_view TrimBlanks(std::string_view text, std::string_view blanks) {
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

double ReadDouble(std::string_view text) {
  const auto match = MatchLeadingNumber(text);
  if (!match) return 0.0;
  double value = 0.0;
  const auto [ptr, ec] =
      std::from_chars(match->body.data(), match->body.data() + match->body.size(), value);
  if (ec == std::errc::result_out_of_range) {
    value = HasNonZeroIntegerDigit(match->body) ? DBL_MAX : 0.0;
  }
  if (value == 0.0) return 0.0;
  return match->negative ? -value : value;
}

float ReadFloat(std::string_view text) {
  const double value =
      std::clamp(ReadDouble(text), -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX));
  const float result = static_cast<float>(value);
  return result == 0.0f ? 0.0f : result;
}

bool IsNumberText(std::string_view text) {
  const std::string_view trimmed = TrimBlanks(text);
  const auto match = MatchLeadingNumber(trimmed);
  return match && match->end == trimmed.size();
}

std::optional<int> WholeNumberWithin(double value, int lo, int hi) {
  // NaN fails every comparison and so every range.
  if (!(value >= lo && value <= hi) || std::trunc(value) != value) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<int> ReadWholeNumber(std::string_view text, int lo, int hi) {
  if (!IsNumberText(text)) return std::nullopt;
  return WholeNumberWithin(ReadDouble(text), lo, hi);
}

std::string GeneralText(float value) {
  if (std::isnan(value) || value == 0.0f) return "0";
  if (std::isinf(value)) value = std::copysign(FLT_MAX, value);
  std::array<char, 64> buffer;
  std::to_chars_result result;
  if (value == std::trunc(value)) {
    result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<double>(value),
                           std::chars_format::fixed, 0);
  } else {
    result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                           std::chars_format::fixed);
  }
  return std::string(buffer.data(), result.ptr);
}

std::string GeneralText(int value) { return std::to_string(value); }
std::string GeneralText(int64_t value) { return std::to_string(value); }

std::string FormatDecimalText(std::string_view decimal_text, std::string_view pattern) {
  const size_t pattern_point = pattern.find('.');
  const size_t decimals =
      pattern_point == std::string_view::npos ? 0 : pattern.size() - pattern_point - 1;

  Decimal decimal = ParseDecimal(decimal_text);
  const size_t kept_length = decimal.integer_digits + decimals;
  if (decimal.digits.size() <= kept_length) {
    decimal.digits.append(kept_length + 1 - decimal.digits.size(), '0');
  }
  const bool round_up = decimal.digits[kept_length] >= '5';
  std::string kept = decimal.digits.substr(0, kept_length);
  size_t integer_digits = decimal.integer_digits;
  if (round_up) {
    size_t i = kept.size();
    while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
    if (i == 0) {
      kept.insert(kept.begin(), '1');
      ++integer_digits;
    } else {
      ++kept[i - 1];
    }
  }

  std::string integer_part = kept.substr(0, integer_digits);
  const size_t first_significant = integer_part.find_first_not_of('0');
  integer_part =
      first_significant == std::string::npos ? "" : integer_part.substr(first_significant);
  // Each "0" in front of the point is an integer digit always shown ("00" gives "05").
  const size_t shown_digits = pattern.substr(0, pattern_point).find_first_not_of('0');
  const size_t minimum_digits = shown_digits == std::string_view::npos
                                    ? pattern.substr(0, pattern_point).size()
                                    : shown_digits;
  if (integer_part.size() < minimum_digits) {
    integer_part.insert(0, minimum_digits - integer_part.size(), '0');
  }
  const std::string fraction_part = kept.substr(integer_digits);

  std::string result;
  if (decimal.negative && kept.find_first_not_of('0') != std::string::npos) result = "-";
  result += integer_part;
  if (pattern_point != std::string_view::npos) result += "." + fraction_part;
  return result;
}

std::string FormatNumber(float value, std::string_view pattern) {
  return FormatDecimalText(GeneralText(value), pattern);
}

std::string FormatDouble(double value, std::string_view pattern) {
  if (std::isnan(value)) value = 0.0;
  if (std::isinf(value)) value = std::copysign(DBL_MAX, value);
  std::array<char, 64> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::scientific);
  return FormatDecimalText(std::string_view(buffer.data(), result.ptr - buffer.data()), pattern);
}

std::string PadLeft(std::string_view text, int width) {
  const long long length = static_cast<long long>(text.size());
  const long long padding = length > width ? width - 3LL : width - length;
  std::string result(static_cast<size_t>(std::max(0LL, padding)), kNoBreakSpace);
  result += text;
  return result;
}

std::string FmtDimMM(std::string_view text) {
  if (text.find('.') != std::string_view::npos) {
    return PadLeft(FormatDecimalText(text, ".00"), 9);
  }
  return PadLeft(text, 6);
}

std::string FmtDimIN(std::string_view text) {
  const size_t slash = text.find('/');
  if (slash == std::string_view::npos) return PadLeft(text, 3);
  const size_t blank = text.find(' ');
  std::string_view whole;
  std::string_view numerator;
  if (blank == std::string_view::npos || blank > slash) {
    numerator = text.substr(0, slash);
  } else {
    whole = text.substr(0, blank);
    numerator = text.substr(blank + 1, slash - blank - 1);
  }
  return PadLeft(whole, 3) + " " + PadLeft(numerator, 2) + "/" +
         std::string(text.substr(slash + 1));
}

std::string FmtQty(std::string_view text) { return PadLeft(text, 5); }
std::string FmtPercent(std::string_view text) { return PadLeft(FormatDecimalText(text, ".00"), 6); }
std::string FmtArea(std::string_view text) { return PadLeft(FormatDecimalText(text, ".00"), 9); }
std::string FmtRate(std::string_view text) { return PadLeft(FormatDecimalText(text, ".00"), 7); }
std::string FmtAmount(std::string_view text) { return PadLeft(text, 10); }

std::string MMToInchText(std::string_view mm_text) {
  // The millimetres are divided in double: read as a float first, 330.2 mm would come out as
  // 13 1/16 inches instead of 13.
  const double value = ReadDouble(mm_text);
  if (value < 0.0) return "-" + MMToInchTextOfPositive(-value);
  return MMToInchTextOfPositive(value);
}

std::string InchTextToMM(std::string_view inch_text) {
  const std::string_view text = TrimBlanks(inch_text);
  const size_t slash = text.find('/');
  double inches = 0.0;
  if (slash == std::string_view::npos) {
    inches = ReadDouble(text);
  } else {
    const size_t blank = text.find(' ');
    std::string_view whole_text;
    size_t numerator_start = 0;
    if (blank != std::string_view::npos) {
      whole_text = text.substr(0, blank);
      numerator_start = blank + 1;
    }
    const double whole = ReadDouble(whole_text);
    const double numerator = numerator_start <= slash
                                 ? ReadDouble(text.substr(numerator_start, slash - numerator_start))
                                 : 0.0;
    const double denominator = ReadDouble(text.substr(slash + 1));
    if (denominator == 0.0) {
      inches = whole;
    } else {
      const double fraction = numerator / denominator;
      inches = !whole_text.empty() && whole_text[0] == '-' ? whole - fraction : whole + fraction;
    }
  }
  const double mm = std::clamp(inches * 25.4, -DBL_MAX, DBL_MAX);
  std::array<char, 64> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), mm,
                                    std::chars_format::scientific, 14);
  std::string text_mm =
      FormatDecimalText(std::string_view(buffer.data(), result.ptr - buffer.data()), "0.00");
  CutTrailingZeros(text_mm);
  return text_mm;
}

std::string ToUnitText(std::string_view mm_text, Unit unit_setting) {
  if (unit_setting == Unit::kIn) return MMToInchText(mm_text);
  return std::string(mm_text);
}

std::string TrimZeros(float value) {
  std::string text = FormatNumber(value, "0.00");
  CutTrailingZeros(text);
  return text;
}

float To3Decimals(float value) {
  std::string text = FormatNumber(value, "0.000");
  const size_t point = text.find('.');
  while (text.size() > 7 && point != std::string::npos && text.size() - 1 > point) {
    text.pop_back();
  }
  return ReadFloat(text);
}

}  // namespace lumora

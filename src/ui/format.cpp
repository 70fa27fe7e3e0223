#include "ui/format.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "saveio/platform.h"

namespace varnak::ui {
namespace {

// "-0.00" and the like become " 0.00": same width, no sign.
void DropMinusOfZero(std::string& s) {
  for (size_t i = s.find('-'); i < s.size(); i = s.find('-', i + 1)) {
    size_t j = i + 1;
    bool point = false;
    bool zeroOnly = true;
    while (j < s.size() && (s[j] == '0' || s[j] == '.' || (s[j] >= '1' && s[j] <= '9'))) {
      if (s[j] == '.') point = true;
      if (s[j] >= '1' && s[j] <= '9') zeroOnly = false;
      ++j;
    }
    if (point && zeroOnly && j > i + 1) s[i] = ' ';
  }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// printf's "%<width>lld".
void AppendPadded(std::string& out, int64_t value, size_t width) {
  char digits[24];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  const auto n = static_cast<size_t>(end - digits);
  if (n < width) out.append(width - n, ' ');
  out.append(digits, n);
}

// "%5lldBC" of the year's size before Christ, "   1AD" for year 0, "%5dAD" after.
void AppendPaddedYear(std::string& out, int32_t year) {
  if (year == 0) {
    out += "   1AD";
    return;
  }
  AppendPadded(out, year < 0 ? -int64_t{year} : int64_t{year}, 5);
  out += year < 0 ? "BC" : "AD";
}

// What "%s" prints of a text: up to its first zero byte.
std::string_view UpToZero(std::string_view text) { return text.substr(0, text.find('\0')); }

}  // namespace

std::string Format(const char* format, ...) {
  const ClassicNumbers classic;
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  // Nearly every text fits the buffer on the stack, and is then printed once.
  char small[128];
  const int n = std::vsnprintf(small, sizeof small, format, args);
  va_end(args);
  std::string out;
  if (n > 0 && static_cast<size_t>(n) < sizeof small) {
    out.assign(small, static_cast<size_t>(n));
  } else if (n > 0) {
    out.resize(static_cast<size_t>(n));
    std::vsnprintf(out.data(), out.size() + 1, format, copy);
  }
  va_end(copy);
  DropMinusOfZero(out);
  return out;
}

LogFields WriteLogLine(std::string& out, int32_t turn, int32_t year, std::string_view month,
                       std::string_view shown) {
  month = UpToZero(month);
  // A character 0 is the byte 0 in UTF-8 too, so the text ends where its 8-bit form did.
  shown = UpToZero(shown);
  out.clear();
  out.reserve(18 + month.size() + shown.size());
  LogFields fields;
  AppendPadded(out, turn, 4);
  fields.DateAt = static_cast<uint32_t>(out.size());
  AppendPaddedYear(out, year);
  out += ' ';
  out += month;
  out += ' ';
  fields.EventAt = static_cast<uint32_t>(out.size());
  out += shown;
  DropMinusOfZero(out);  // as Format does; it keeps the width, so the fields stay put
  return fields;
}

int32_t StrToInt(const std::string& text) {
  const ConvertError error("'" + text + "' is not a valid integer value");
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) throw error;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (!IsDigit(text[i])) throw error;
    value = value * 10 + (text[i] - '0');
    if (value > int64_t{2147483648}) throw error;
  }
  if (negative) value = -value;
  if (value > 2147483647 || value < -2147483648LL) throw error;
  return static_cast<int32_t>(value);
}

double StrToFloat(const std::string& text) {
  const ConvertError error("'" + text + "' is not a valid floating point value");
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  // Only plain decimal notation: digits, one point, an optional exponent.
  size_t j = i;
  if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
  size_t digits = 0;
  while (j < text.size() && IsDigit(text[j])) ++j, ++digits;
  if (j < text.size() && text[j] == '.') {
    ++j;
    while (j < text.size() && IsDigit(text[j])) ++j, ++digits;
  }
  if (digits == 0) throw error;
  if (j < text.size() && (text[j] == 'e' || text[j] == 'E')) {
    ++j;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    size_t exponentDigits = 0;
    while (j < text.size() && IsDigit(text[j])) ++j, ++exponentDigits;
    if (exponentDigits == 0) throw error;
  }
  if (j != text.size()) throw error;
  const std::string number = text.substr(i);
  const ClassicNumbers classic;
  errno = 0;
  char* end = nullptr;
  const double value = std::strtod(number.c_str(), &end);
  const bool overflow = errno == ERANGE && (value > 1.0 || value < -1.0);
  if (overflow) throw error;
  return value;
}

std::string PaddedYear(int32_t year) {
  std::string out;
  AppendPaddedYear(out, year);
  return out;
}

std::string PlainYear(int32_t year) {
  if (year < 0) return Format("%lldBC", -static_cast<long long>(year));
  if (year == 0) return "1AD";
  return Format("%dAD", year);
}

std::string HoursMinutesSeconds(int32_t seconds) {
  const int32_t minutes = seconds / 60;
  // A precision on an integer is a minimum number of digits, zero-padded.
  return Format("%6d:%.2d:%.2d", minutes / 60, minutes % 60, seconds % 60);
}

}  // namespace varnak::ui

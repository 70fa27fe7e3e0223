// Number formatting and the conversions of the window's edit boxes.
//
// Numbers always use "." as the decimal separator, whatever the locale, and a real
// that rounds to zero is shown without a minus sign: a player reads "-0.00" as a
// fault.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ui/controls.h"

namespace varnak::ui {

// MinGW's "printf" checks against Microsoft's runtime; the C++ library formats with
// MinGW's own, the GNU one, which knows %Lf.
#ifdef __MINGW_PRINTF_FORMAT
#define VARNAK_PRINTF_FORMAT __MINGW_PRINTF_FORMAT
#else
#define VARNAK_PRINTF_FORMAT printf
#endif

// printf-style formatting in the C locale.
std::string Format(const char* format, ...) __attribute__((format(VARNAK_PRINTF_FORMAT, 1, 2)));


// The error report of a conversion that failed, worded as the window words it.
class ConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A decimal integer with optional leading spaces and sign; anything else throws
// ConvertError "'<text>' is not a valid integer value".
int32_t StrToInt(const std::string& text);
// A real with "." as separator, optional leading spaces; else ConvertError
// "'<text>' is not a valid floating point value".
double StrToFloat(const std::string& text);

// The year of a date: "%5dBC" / "   1AD" / "%5dAD" (padded) or without padding.
std::string PaddedYear(int32_t year);
std::string PlainYear(int32_t year);

// A line of the replay log or a player log, written into `out` (whose memory is
// reused): Format("%4d%s %s %s") of the turn, the PaddedYear of the year, the month
// and the text as shown (UTF-8). Written without printf, since a log has tens of
// thousands of lines. Returns where the date and the event begin.
LogFields WriteLogLine(std::string& out, int32_t turn, int32_t year, std::string_view month,
                       std::string_view shown);

// "%6d:%02.2d:%02.2d" of the hours, minutes and seconds of `seconds`.
std::string HoursMinutesSeconds(int32_t seconds);

}  // namespace varnak::ui

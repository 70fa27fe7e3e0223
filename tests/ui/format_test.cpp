#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "support/case_name.h"
#include "ui/format.h"

namespace varnak::ui {
namespace {

struct IntCase {
  const char* name;
  const char* text;
  bool ok;
  int32_t value;
};

class IntegerBoxes : public testing::TestWithParam<IntCase> {};

TEST_P(IntegerBoxes, ConvertOrReportInTheToolkitsWords) {
  const IntCase& c = GetParam();
  if (c.ok) {
    EXPECT_EQ(StrToInt(c.text), c.value);
    return;
  }
  try {
    (void)StrToInt(c.text);
    FAIL() << "no error for '" << c.text << "'";
  } catch (const ConvertError& e) {
    EXPECT_EQ(std::string(e.what()), std::string("'") + c.text + "' is not a valid integer value");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IntegerBoxes,
    testing::Values(IntCase{"Plain", "42", true, 42}, IntCase{"LeadingSpaces", "    7", true, 7},
                    IntCase{"Negative", " -12", true, -12}, IntCase{"Plus", "+3", true, 3},
                    IntCase{"Lowest", "-2147483648", true, -2147483647 - 1},
                    IntCase{"Empty", "", false, 0}, IntCase{"OnlySpaces", "   ", false, 0},
                    IntCase{"TrailingSpace", "12 ", false, 0}, IntCase{"Real", "1.5", false, 0},
                    IntCase{"Letters", "abc", false, 0}, IntCase{"SignAlone", "-", false, 0},
                    IntCase{"TooLarge", "2147483648", false, 0}),
    fixture::CaseName());

TEST(RealBoxes, UseThePointWhateverTheLocale) {
  // A decimal-comma locale where the machine has one; the C locale otherwise.
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous != nullptr ? previous : "C";
  const bool comma = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr ||
                     std::setlocale(LC_ALL, "fr_FR.UTF-8") != nullptr ||
                     std::setlocale(LC_ALL, "German_Germany.1252") != nullptr;  // Windows
  EXPECT_DOUBLE_EQ(StrToFloat(" 1.27"), 1.27);
  EXPECT_EQ(Format("%7.1f", 1.27), "    1.3");
  EXPECT_THROW((void)StrToFloat("1,3"), ConvertError);
  std::setlocale(LC_ALL, saved.c_str());
  if (!comma) GTEST_SKIP() << "no decimal-comma locale on this machine";
}

TEST(RealBoxes, ReportTextsThatAreNoNumber) {
  for (const char* bad : {"", "x", "1.", ".", "1.2.3", "1e", "1 "}) {
    if (std::string(bad) == "1.") continue;  // "1." is a number
    try {
      (void)StrToFloat(bad);
      FAIL() << bad;
    } catch (const ConvertError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("'") + bad + "' is not a valid floating point value");
    }
  }
  EXPECT_DOUBLE_EQ(StrToFloat("1."), 1.0);
  EXPECT_DOUBLE_EQ(StrToFloat("-0.5e1"), -5.0);
}

TEST(Formatting, ZeroHasNoMinusSign) {
  EXPECT_EQ(Format("%7.2f", -0.001), "   0.00");
  EXPECT_EQ(Format("%5d (%6.2f%%)", -3, -0.004), "   -3 (  0.00%)");
  EXPECT_EQ(Format("%7.2f", -0.89), "  -0.89");
}

// Texts of every length around the buffer a short text is printed into, whole.
TEST(Formatting, TextsOfAnyLengthComeOutWhole) {
  for (const size_t length : {0u, 1u, 121u, 122u, 123u, 5000u}) {  // 121 + 6: 127 characters
    const std::string text(length, 'x');
    EXPECT_EQ(Format("%s|%5.1f", text.c_str(), -0.01), text + "|  0.0") << length;
  }
}

TEST(Formatting, TimesAndYears) {
  EXPECT_EQ(HoursMinutesSeconds(3725), "     1:02:05");
  EXPECT_EQ(HoursMinutesSeconds(90061), "    25:01:01");
  EXPECT_EQ(HoursMinutesSeconds(-61), "     0:-01:-01");
  EXPECT_EQ(PaddedYear(-3640), " 3640BC");
  EXPECT_EQ(PaddedYear(0), "   1AD");
  EXPECT_EQ(PaddedYear(1952), " 1952AD");
  EXPECT_EQ(PaddedYear(-2147483647 - 1), "2147483648BC");
  EXPECT_EQ(PlainYear(-2500), "2500BC");
}

struct LogLineCase {
  const char* name;
  int32_t turn;
  int32_t year;
  const char* month;
  std::string text;
};

class LogLines : public testing::TestWithParam<LogLineCase> {};

// A log line is what Format makes of its parts, to the byte.
TEST_P(LogLines, AreWhatFormatMakesOfTheirParts) {
  const LogLineCase& c = GetParam();
  std::string line = "left over from an earlier line";
  WriteLogLine(line, c.turn, c.year, c.month, c.text);
  EXPECT_EQ(line,
            Format("%4d%s %s %s", c.turn, PaddedYear(c.year).c_str(), c.month, c.text.c_str()));
}

INSTANTIATE_TEST_SUITE_P(
    Formatting, LogLines,
    testing::Values(
        LogLineCase{"Plain",            12,          -3640,            "",    "Roma was founded"},
        LogLineCase{"WithMonth",        1201,        1952,             "Jul", "Session 4 started"},
        LogLineCase{"YearZero",         0,           0,                "",    "x"},
        LogLineCase{"WideTurn",         123456,      -2147483647 - 1,  "Dec", "far"},
        LogLineCase{"NegativeTurn",     -7,          2147483647,       "",    "back"},
        LogLineCase{"ShownText",        44,          -400,             "",    "Caf\u00E9 \u0421\u0435\u0441 \u20AC"},
        LogLineCase{"MinusZeroInText",  9,           -1000,            "",    "down by -0.00 and -0.5"},
        LogLineCase{"ZeroByteEndsText", 3,           5,                "Jan", std::string("cut\0here", 8)},
        LogLineCase{"EmptyText",        1,           -4000,            "",    ""}),
    fixture::CaseName());

}  // namespace
}  // namespace varnak::ui

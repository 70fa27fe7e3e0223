#include <gtest/gtest.h>
#ifndef _WIN32  // the check against glibc's iconv runs where glibc is
#include <iconv.h>
#endif

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "saveio/codepage.h"
#include "support/case_name.h"
#include "support/code_page_text.h"

namespace varnak {
namespace {

using fixture::Cp1251;
using fixture::Cp1252;

#ifndef _WIN32
// One byte through the C library's iconv; nullopt when iconv finds it undefined.
std::optional<std::string> IconvByte(uint8_t byte, const char* codePage) {
  iconv_t cd = iconv_open("UTF-8", codePage);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string("iconv cannot open the code page");
  char in[1] = {static_cast<char>(byte)};
  char out[8] = {};
  char* from = in;
  size_t fromLeft = 1;
  char* to = out;
  size_t toLeft = sizeof out;
  const size_t done = iconv(cd, &from, &fromLeft, &to, &toLeft);
  iconv_close(cd);
  if (done == static_cast<size_t>(-1)) return std::nullopt;
  return std::string(out, sizeof out - toLeft);
}

struct PageCase {
  const char* name;
  CodePage page;
  const char* iconvName;
  std::vector<int> undefined;  // bytes iconv leaves undefined
};

class CodePageTable : public testing::TestWithParam<PageCase> {};

// Every byte agrees with iconv; the bytes that iconv leaves undefined are the C1
// control of the same number, as Windows converts them.
TEST_P(CodePageTable, EveryByteAgreesWithIconv) {
  const PageCase& c = GetParam();
  std::vector<int> undefined;
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<uint8_t>(b);
    const std::string ours = ToUtf8(std::string(1, static_cast<char>(byte)), c.page);
    const std::optional<std::string> theirs = IconvByte(byte, c.iconvName);
    if (theirs) {
      EXPECT_EQ(ours, *theirs) << "byte " << b;
    } else {
      undefined.push_back(b);
      EXPECT_EQ(ours, ToUtf8(std::string(1, static_cast<char>(byte)), CodePage::Latin1)) << "byte " << b;
    }
  }
  EXPECT_EQ(undefined, c.undefined);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, CodePageTable,
    testing::Values(PageCase{"Western", CodePage::Cp1252, "CP1252", {0x81, 0x8D, 0x8F, 0x90, 0x9D}},
                    PageCase{"Cyrillic", CodePage::Cp1251, "CP1251", {0x98}},
                    PageCase{"Latin1", CodePage::Latin1, "ISO-8859-1", {}}),
    fixture::CaseName());

#endif
TEST(CodePage, WesternPunctuationAndCyrillicWordsReadAsWritten) {
  EXPECT_EQ(ToUtf8("Wait\x85 it costs 5\x80", CodePage::Cp1252), "Wait… it costs 5€");
  EXPECT_EQ(ToUtf8("\xD1\xE5\xF1\xF1\xE8\xFF 3", CodePage::Cp1251), "Сессия 3");
  EXPECT_EQ(ToUtf8("\xD1\xE5\xF1\xF1\xE8\xFF", CodePage::Latin1), "Ñåññèÿ");
  std::string out = "kept ";
  AppendUtf8("\x93quoted\x94", CodePage::Cp1252, out);
  EXPECT_EQ(out, "kept “quoted”");
}

// Long texts are converted in runs of ASCII: every byte, wherever it stands in a run,
// converts as it does alone.
TEST(CodePage, ALongTextConvertsAsItsBytesDoOneByOne) {
  std::mt19937 random(20261211u);
  for (int round = 0; round < 500; ++round) {
    std::string text(random() % 40, 'a');
    for (char& c : text) c = static_cast<char>(random() % 5 == 0 ? 0x80 + random() % 128 : 0x20 + random() % 95);
    for (CodePage page : {CodePage::Cp1252, CodePage::Cp1251, CodePage::Latin1}) {
      std::string oneByOne;
      for (char c : text) oneByOne += ToUtf8(std::string(1, c), page);
      ASSERT_EQ(ToUtf8(text, page), oneByOne) << "round " << round;
    }
  }
}

TEST(CodePage, NamesGoBothWays) {
  for (CodePage page : kCodePages) EXPECT_EQ(CodePageFromName(CodePageName(page)), page);
  EXPECT_EQ(CodePageName(CodePage::Cp1251), "cp1251");
  EXPECT_EQ(CodePageFromName("auto"), std::nullopt);
  EXPECT_EQ(CodePageFromName("CP1252"), std::nullopt);
}

struct WideCase {
  const char* name;
  std::u16string units;
  std::string utf8;
};

class Utf16Text : public testing::TestWithParam<WideCase> {};

TEST_P(Utf16Text, ConvertsToUtf8) { EXPECT_EQ(Utf16ToUtf8(GetParam().units), GetParam().utf8); }

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf16Text,
    testing::Values(
        WideCase{"Empty", u"", ""},
        WideCase{"OneTwoAndThreeByteCharacters", u"A\u00E9\u0416\u20AC", "AéЖ€"},
        WideCase{"SurrogatePairIsOneCharacter", u"x\U0001F600y", "x\xF0\x9F\x98\x80y"},
        WideCase{"LoneHighSurrogateAtTheEnd", std::u16string(u"ab") + char16_t(0xD83D), "ab\uFFFD"},
        WideCase{"HighSurrogateBeforeALetter", std::u16string(1, char16_t(0xD83D)) + u"Ж", "\uFFFDЖ"},
        WideCase{"LoneLowSurrogate", std::u16string(1, char16_t(0xDE00)) + u"z", "\uFFFDz"},
        WideCase{"TwoHighSurrogatesThenALow",
                 std::u16string{char16_t(0xD83D), char16_t(0xD83D), char16_t(0xDE00)}, "\uFFFD\xF0\x9F\x98\x80"},
        WideCase{"CharacterZeroEndsTheText", std::u16string(u"Жан") + char16_t(0) + u"на", "Жан"}),
    fixture::CaseName());

struct DetectCase {
  const char* name;
  std::vector<std::string> texts;
  CodePage expected;
};

class Detection : public testing::TestWithParam<DetectCase> {};

TEST_P(Detection, PicksTheCodePageTheTextsReadIn) {
  const std::vector<std::string>& texts = GetParam().texts;
  const std::vector<std::string_view> views(texts.begin(), texts.end());
  EXPECT_EQ(DetectCodePage(views), GetParam().expected);
}

std::string EveryByte() {
  std::string s;
  for (int b = 1; b < 256; ++b) s.push_back(static_cast<char>(b));
  return s;
}

std::string ControlBytes() {
  std::string s;
  for (int b = 1; b < 0x20; ++b) s.push_back(static_cast<char>(b));
  for (int b = 0x7F; b < 0xA0; ++b) s.push_back(static_cast<char>(b));
  return s;
}

// Western texts that fill the sample the detection looks at, then Russian ones it
// never reaches.
std::vector<std::string> RussianPastTheSample() {
  std::vector<std::string> texts(kDetectionBytes / 8 + 1, Cp1252("Café né "));
  texts.insert(texts.end(), 1000, Cp1251("Сессия 5: Владимир присоединился к игре"));
  return texts;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Detection,
    testing::Values(
        DetectCase{"Russian",
                   {Cp1251("Владимир"), Cp1251("Российская империя"), Cp1251("российская"),
                    Cp1251("Москва основана"), Cp1251("Вы открыли Бронзовое дело!")},
                   CodePage::Cp1251},
        DetectCase{"RussianSessionMarkerAlone", {Cp1251("Сессия 1")}, CodePage::Cp1251},
        DetectCase{"Ukrainian",
                   {Cp1251("Богдан"), Cp1251("Київ засновано"), Cp1251("Українська держава"),
                    Cp1251("Їжак і ґанок є")},
                   CodePage::Cp1251},
        DetectCase{"English",
                   {"Aurelia", "Roman Empire", "Session 1: Aurelia joined the game", "Your Warrior won!"},
                   CodePage::Cp1252},
        DetectCase{"French",
                   {Cp1252("Aurélie"), Cp1252("Empire français"), Cp1252("Lancement de la session"),
                    Cp1252("La cité a été fondée à Orléans"), Cp1252("Élise a découvert l’Écriture")},
                   CodePage::Cp1252},
        DetectCase{"German",
                   {Cp1252("Jürgen"), Cp1252("Königreich Österreich"), Cp1252("Größe der Straße"),
                    Cp1252("Ihr Krieger hat gesiegt – „Ruhm“")},
                   CodePage::Cp1252},
        DetectCase{"Spanish",
                   {Cp1252("¿Qué pasó?"), Cp1252("Imperio español"), Cp1252("¡Olé! Año nuevo"),
                    Cp1252("Señor de Aragón")},
                   CodePage::Cp1252},
        DetectCase{"NothingAbove7F", {"Player 1", "Continents", "Session 2"}, CodePage::Cp1252},
        DetectCase{"NoTexts", {}, CodePage::Cp1252},
        DetectCase{"EnglishNamesRussianLog",
                   {"Aurelia", "Roman Empire", "Brennus", Cp1251("Сессия 2: Aurelia присоединилась")},
                   CodePage::Cp1251},
        DetectCase{"FrenchSaveWithOneCyrillicNick",
                   {Cp1251("Иван"), Cp1252("Aurélie"), Cp1252("Empire français"),
                    Cp1252("La cité a été fondée à Orléans"), Cp1252("Élise")},
                   CodePage::Cp1252},
        DetectCase{"SessionMarkerOutweighsAccents",
                   {Cp1251("Сессия 2"), Cp1252("café café café café café café café café café café"),
                    Cp1252("café café café café café café café café café café")},
                   CodePage::Cp1251},
        DetectCase{"RussianPastTheSampleIsNotSeen", RussianPastTheSample(), CodePage::Cp1252},
        // Hostile bytes: the 64 bytes C0-FF in a row read as one long Cyrillic word.
        DetectCase{"EveryByteValue", {EveryByte()}, CodePage::Cp1251},
        DetectCase{"ControlBytesAndPunctuation", {ControlBytes(), ControlBytes()}, CodePage::Cp1252},
        DetectCase{"AMillionBytesOfFF", {std::string(1 << 20, '\xFF')}, CodePage::Cp1251},
        DetectCase{"EmptyTexts", {"", "", ""}, CodePage::Cp1252}),
    fixture::CaseName());

}  // namespace
}  // namespace varnak

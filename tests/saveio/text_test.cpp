#include <gtest/gtest.h>

#include "support/case_name.h"

#include <string>

#include "saveio/field_reader.h"
#include "saveio/text.h"
#include "support/find_ustr.h"
#include "support/byte_writer.h"

namespace varnak {
namespace {

struct MacroCase {
  const char* name;
  std::string in;
  std::string out;
};

class CutMacrosCase : public testing::TestWithParam<MacroCase> {};

SaveImage ImageOf(const std::vector<uint8_t>& bytes) {
  SaveImage image;
  image.Bytes.assign(bytes.begin(), bytes.end());
  image.ImageLength = static_cast<int32_t>(bytes.size());
  image.HeaderLength = 0;
  return image;
}

TEST_P(CutMacrosCase, RemovesMarkup) {
  EXPECT_EQ(CutMacros(GetParam().in), GetParam().out);
  // The same text read from a save, wide and narrow, into a string that held a
  // longer text with markup before.
  for (const bool wide : {true, false}) {
    fixture::ByteWriter w;
    w.UStr(fixture::UText(GetParam().in, wide)).I32(77);
    const SaveImage image = ImageOf(w.Bytes());
    FieldReader r(image);
    std::string out = "<stale> text of an earlier record, longer than most";
    ReadCutText(r, out);
    EXPECT_EQ(out, GetParam().out) << (wide ? "wide" : "narrow");
    if (GetParam().in.size() < 16768) {  // a refused text's content is not passed over
      EXPECT_EQ(r.ReadInt(), 77) << "the field after the text";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CutMacrosCase,
    testing::Values(MacroCase{"ClosingOutsideMarkupIsKept", "a<b>c>d", "ac>d"},
                    MacroCase{"UnclosedDropsTheRest", "x<y", "x"},
                    MacroCase{"NoNesting", "a<b<c>d>e", "ad>e"},
                    MacroCase{"OnlyMarkupBecomesEmpty", "<color=1,2,3><link>", ""},
                    MacroCase{"Plain", "Aurelia founded Roma", "Aurelia founded Roma"},
                    MacroCase{"Empty", "", ""},
                    MacroCase{"StopsAtZeroByte", std::string("ab\0<c>", 6), "ab"},
                    MacroCase{"TooLongIsRefused", std::string(16768, 'a'), ""}),
    fixture::CaseName());

// The UTF-8 form of a wide text loses the same markup, and is not refused for its
// length in bytes: its 8-bit form, one byte a character, is not.
TEST(CutMacrosUtf8, RemovesTheSameMarkupWhateverTheLength) {
  EXPECT_EQ(CutMacrosUtf8("<color=255,0,0>Жанна</color> основала <link>Київ</link>"),
            "Жанна основала Київ");
  EXPECT_EQ(CutMacrosUtf8(std::string("Ж\0<b>", 5)), "Ж");
  std::string longText;
  for (int i = 0; i < 9000; ++i) longText += "Ж";  // 18,000 bytes
  EXPECT_EQ(CutMacrosUtf8(longText + "<x>"), longText);
}

TEST(FindUStr, ComparesOnlyTheLowBytesOfWideCharacters) {
  fixture::ByteWriter w;
  w.Raw("xxSxexsxsxixoxnx");  // the high bytes are never looked at
  w.UStr(fixture::UText("Session"));
  const SaveImage image = ImageOf(w.Bytes());
  EXPECT_EQ(FindUStr(image, "Session", 1), 2);
  EXPECT_EQ(FindUStr(image, "Session", 3), 20);
  EXPECT_EQ(FindUStr(image, "Session", 21), 0);
  EXPECT_EQ(FindUStr(image, "Session", 500), 0);
}

TEST(FindUStr, AMatchMustFitInsideTheImage) {
  // "Ses" wide, cut before its last character's low byte could be compared.
  const SaveImage image = ImageOf({0, 'S', 0, 'e', 0, 's'});
  EXPECT_EQ(FindUStr(image, "Ses", 1), 1);
  const SaveImage cut = ImageOf({0, 'S', 0, 'e', 0});
  EXPECT_EQ(FindUStr(cut, "Ses", 1), 0);
}

}  // namespace
}  // namespace varnak

#include <gtest/gtest.h>

#include "support/case_name.h"

#include <string>

#include "saveio/field_reader.h"
#include "support/byte_writer.h"

namespace varnak {
namespace {

using fixture::ByteWriter;

struct TextCase {
  const char* name;
  std::vector<uint8_t> bytes;  // the field as stored, count first
  std::string text;            // what the reader returns
  int64_t advance;             // how far the cursor moves
  std::u16string whole = {};   // the text whole, when it has a character above 255
};

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<uint8_t> out;
  for (int v : values) out.push_back(static_cast<uint8_t>(v));
  return out;
}

class ReadUStrCase : public testing::TestWithParam<TextCase> {};

TEST_P(ReadUStrCase, ReadsTextAndAdvances) {
  auto bytes = GetParam().bytes;
  bytes.insert(bytes.end(), 16, 0x55);  // data after the field
  FieldReader r(bytes);
  EXPECT_EQ(r.ReadUStr(), GetParam().text);
  EXPECT_EQ(r.Cursor(), GetParam().advance);
  EXPECT_TRUE(r.More());
  EXPECT_EQ(r.TextAboveByte(), !GetParam().whole.empty());
  if (r.TextAboveByte()) {
    EXPECT_EQ(r.AboveByteUnits(), GetParam().whole);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadUStrCase,
    testing::Values(
        TextCase{"WideAB", Bytes({2, 0, 0, 0, 'A', 0, 'B', 0}), "AB", 8},
        TextCase{"NarrowAB", Bytes({2, 0, 0, 0, 'A', 'B'}), "AB", 6},
        TextCase{"OneCharacterIsAlwaysWide", Bytes({1, 0, 0, 0, 'Q', 'R'}), "Q", 6, u"\u5251"},
        TextCase{"NarrowWithControlSecondByteIsTakenForWide",
                 Bytes({2, 0, 0, 0, 'A', 0x0A, 'B', 'C'}), "AB", 8, u"\u0A41\u4342"},
        TextCase{"WideAbove255KeepsLowByte", Bytes({2, 0, 0, 0, 0xE9, 0x04, 'z', 0}),
                 "\xE9z", 8, u"\u04E9z"},
        TextCase{"LowByteZeroEndsTextButCursorPassesIt",
                 Bytes({3, 0, 0, 0, 'a', 0, 0x00, 0x04, 'b', 0}), "a", 10, u"a\u0400b"},
        TextCase{"CharacterZeroEndsTheWholeTextToo",
                 Bytes({4, 0, 0, 0, 0x16, 0x04, 'x', 0, 0, 0, 0x16, 0x04}), "\x16x", 12, u"\u0416x"},
        TextCase{"NothingAbove255BeforeCharacterZero",
                 Bytes({3, 0, 0, 0, 'a', 0, 0, 0, 0x16, 0x04}), "a", 10},
        TextCase{"WideBelow256IsNoUnicodeText", Bytes({2, 0, 0, 0, 0xC6, 0, 0xE0, 0}), "\xC6\xE0", 8},
        TextCase{"EmptyTakesFourBytes", Bytes({0, 0, 0, 0}), "", 4},
        TextCase{"NegativeCountReadsNothing", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 'A', 0}), "", 4},
        TextCase{"CountOf16768IsRefused", Bytes({0x80, 0x41, 0, 0, 'A', 0}), "", 4}),
    fixture::CaseName());

TEST(FieldReader, ReadStrTakesBytesUpToTheFirstZero) {
  ByteWriter w;
  w.I32(5).Raw(std::string("ab\0cd", 5)).I32(16768).I32(-2).I32(77);
  FieldReader r(w.Bytes());
  EXPECT_EQ(r.ReadStr(), "ab");
  EXPECT_EQ(r.Cursor(), 9);
  EXPECT_EQ(r.ReadStr(), "");  // too long: the content is not skipped
  EXPECT_EQ(r.Cursor(), 13);
  EXPECT_EQ(r.ReadStr(), "");
  EXPECT_EQ(r.ReadInt(), 77);
}

TEST(FieldReader, IntegersAreLittleEndianAndSigned) {
  ByteWriter w;
  w.I32(-123456).I16(-2).U8(200).U8(2);
  FieldReader r(w.Bytes());
  EXPECT_EQ(r.ReadInt(), -123456);
  EXPECT_EQ(r.ReadShort(), -2);
  EXPECT_EQ(r.ReadChar(), 200);
  EXPECT_EQ(r.ReadBool(), 2);  // the byte itself survives, not just true
  EXPECT_TRUE(r.More());
}

TEST(FieldReader, ReadsPastTheEndAsZerosAndSaysWhere) {
  const auto bytes = Bytes({0x11, 0x22, 0x33, 0x44, 0x55, 0x66});
  FieldReader r(bytes);
  r.SetSection("the map");
  EXPECT_EQ(r.ReadInt(), 0x44332211);
  EXPECT_TRUE(r.More());
  EXPECT_EQ(r.ReadInt(), 0x6655);  // two real bytes, then zeros
  EXPECT_FALSE(r.More());
  EXPECT_STREQ(r.ExhaustedSection(), "the map");
  r.SetSection("the teams");
  EXPECT_EQ(r.ReadInt(), 0);
  EXPECT_EQ(r.ReadUStr(), "");
  EXPECT_STREQ(r.ExhaustedSection(), "the map");  // the first place counts
}

TEST(FieldReader, TextLongerThanTheDataStaysInsideTheBuffer) {
  ByteWriter w;
  w.I32(16000).Raw("abc");
  FieldReader r(w.Bytes());
  EXPECT_EQ(r.ReadUStr(), "abc");  // 8-bit: second byte is 'b'
  EXPECT_FALSE(r.More());
  FieldReader s(w.Bytes());
  EXPECT_EQ(s.ReadStr(), "abc");
  EXPECT_FALSE(s.More());
}

// The whole text belongs to the text read last; a wide text cut off by the end of
// the data keeps what it had.
TEST(FieldReader, TheWholeTextIsTheLastOnes) {
  ByteWriter w;
  w.WideUnits({0x0416, 'a'}).WideUnits({'b', 'c'});
  w.WideUnits({0x0416, 'd'}).I32(0);
  w.WideUnits({0x0416, 'e'}).WideUnits({'f', 'g'});
  w.I32(6).Raw(std::string("h\0\x16\x04", 4));
  FieldReader r(w.Bytes());
  r.ReadUStr();
  EXPECT_EQ(r.AboveByteUnits(), u"\u0416a");
  r.ReadUStr();
  EXPECT_FALSE(r.TextAboveByte());
  r.ReadUStr();
  EXPECT_TRUE(r.TextAboveByte());
  r.ReadUStr();  // empty
  EXPECT_FALSE(r.TextAboveByte());
  r.ReadUStr();
  r.SkipUStr();
  EXPECT_FALSE(r.TextAboveByte());
  EXPECT_EQ(r.ReadUStr(), "h\x16");
  EXPECT_FALSE(r.More());
  EXPECT_TRUE(r.TextAboveByte());
  EXPECT_EQ(r.AboveByteUnits(), u"h\u0416");
}

TEST(FieldReader, HugeSkipsStopAtTheEnd) {
  const auto bytes = Bytes({1, 2, 3, 4});
  FieldReader r(bytes);
  r.SkipInts(2147483647);
  EXPECT_FALSE(r.More());
  EXPECT_EQ(r.ReadInt(), 0);
  EXPECT_LE(r.Cursor(), r.DataEnd() + 8);
}

}  // namespace
}  // namespace varnak

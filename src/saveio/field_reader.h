// Typed readers over the save image, in the order the game wrote its fields.
//
// Readers check before they move: a field that reaches past the image's last byte
// reads as zeros from there on, nothing outside the image is touched, and the first
// such read is remembered (offset and section) so the user can be told where the
// save ends. Counted loops ask More() so that no count from the file makes them run
// on past the data.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "saveio/little_endian.h"
#include "saveio/save_image.h"

namespace varnak {

// Texts of this many characters or more are refused: the length field is read and
// the content is not skipped.
inline constexpr int32_t kMaxTextLength = 16768;

class FieldReader {
 public:
  explicit FieldReader(const SaveImage& image)
      : data_(image.Bytes.data(), static_cast<size_t>(image.ImageLength)) {}
  explicit FieldReader(std::span<const uint8_t> data) : data_(data) {}

  int64_t Cursor() const { return cursor_; }
  void SetCursor(int64_t at) { cursor_ = at; }

  int32_t ReadInt() {
    // Nearly every field lies wholly inside the data; only the last ones may not.
    if (cursor_ >= 0 && cursor_ + 4 <= DataEnd()) {
      const uint8_t* b = data_.data() + cursor_;
      cursor_ += 4;
      return LoadInt32LE(b);
    }
    return ReadIntAtEnd();
  }
  int16_t ReadShort() {
    if (cursor_ >= 0 && cursor_ + 2 <= DataEnd()) {
      const uint8_t* b = data_.data() + cursor_;
      cursor_ += 2;
      return LoadInt16LE(b);
    }
    return ReadShortAtEnd();
  }
  uint8_t ReadChar() {
    if (cursor_ >= 0 && cursor_ < DataEnd()) return data_[static_cast<size_t>(cursor_++)];
    return ReadCharAtEnd();
  }
  uint8_t ReadBool() { return ReadChar(); }
  std::string ReadStr();   // 8-bit text
  std::string ReadUStr();  // 16-bit or 8-bit text, low bytes kept
  // The same text as ReadUStr, in a buffer of the reader's that the next read of a
  // text overwrites: for texts that are cut or converted before they are kept.
  std::string_view ReadUStrView();
  // The same text written into `text` (whose memory is reused).
  void ReadUStrInto(std::string& text);
  // Whether the text last read by ReadUStr, ReadUStrView or ReadUStrInto holds a character above
  // 255 before its first character 0. Such a text is real UTF-16; its low bytes, which
  // the readers return, are not the text, and AboveByteUnits() holds it whole (up to
  // that character 0) until the next text is read.
  bool TextAboveByte() const { return aboveByte_; }
  std::u16string_view AboveByteUnits() const { return units_; }

  // Passes over fields that are not kept, without looking at them.
  void Skip(int64_t bytes);
  void SkipInts(int64_t count) { Skip(count * 4); }
  void SkipShorts(int64_t count) { Skip(count * 2); }
  void SkipBools(int64_t count) { Skip(count); }
  void SkipUStr();

  // False once a field reached past the end of the data: loops stop.
  bool More() const { return !exhausted_; }
  bool Exhausted() const { return exhausted_; }
  int64_t DataEnd() const { return static_cast<int64_t>(data_.size()); }

  // The section whose name an end-of-data report will carry.
  void SetSection(const char* name) { section_ = name; }
  const char* ExhaustedSection() const { return exhaustedSection_; }

 private:
  // Copies `n` bytes at the cursor into `out`, zero past the end; advances.
  void Take(uint8_t* out, size_t n);
  // Moves on by `n` bytes as Take does, without copying them.
  void Advance(int64_t n);
  void NoteEnd(int64_t wantedEnd);
  // The reads of a field that reaches past the end of the data.
  int32_t ReadIntAtEnd();
  int16_t ReadShortAtEnd();
  uint8_t ReadCharAtEnd();
  // The character count of a text field and whether its characters are 16-bit;
  // a count of 0 means no text (nothing follows the count).
  int32_t TextHead(bool& wide);
  // Notes whether the wide text `raw` (little-endian, `count` characters) holds a
  // character above 255, and keeps its characters when it does.
  void NoteAboveByte(const uint8_t* raw, size_t count);

  std::span<const uint8_t> data_;
  int64_t cursor_ = 0;
  bool exhausted_ = false;
  const char* section_ = "the save header";
  const char* exhaustedSection_ = nullptr;
  std::string text_;  // behind ReadUStrView
  bool aboveByte_ = false;
  std::u16string units_;  // the last text, when aboveByte_
};

}  // namespace varnak

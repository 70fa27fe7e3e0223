// Writes save fields in the game's byte layout: little-endian integers, 8-bit texts
// with a length, and texts of 16-bit characters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varnak::fixture {

// A text field of the save. The game writes most texts as 16-bit characters; some
// saves carry them as 8-bit characters behind the same count.
struct UText {
  std::string Text;
  bool Wide = true;
  // When not empty, the text is written as these 16-bit characters instead (to
  // write characters above 255); Text is then not written.
  std::u16string Units;

  UText() = default;
  UText(const char* text) : Text(text) {}           // NOLINT: texts read naturally
  UText(std::string text) : Text(std::move(text)) {}  // NOLINT
  UText(std::string text, bool wide) : Text(std::move(text)), Wide(wide) {}
  static UText Narrow(std::string text) { return UText(std::move(text), false); }
  static UText Unicode(std::u16string units) {
    UText t;
    t.Units = std::move(units);
    return t;
  }
};

class ByteWriter {
 public:
  ByteWriter& I32(int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<uint8_t>(u >> (8 * i)));
    return *this;
  }
  ByteWriter& I16(int16_t v) {
    const auto u = static_cast<uint16_t>(v);
    bytes_.push_back(static_cast<uint8_t>(u));
    bytes_.push_back(static_cast<uint8_t>(u >> 8));
    return *this;
  }
  ByteWriter& U8(uint8_t v) {
    bytes_.push_back(v);
    return *this;
  }
  ByteWriter& Bool(uint8_t v) { return U8(v); }
  // `count` int32 of the same value (or a running pattern from `first` when
  // `step` is not 0), for fields the analyzer passes over.
  ByteWriter& I32s(int count, int32_t first = 0, int32_t step = 0) {
    for (int i = 0; i < count; ++i) I32(first + step * i);
    return *this;
  }
  ByteWriter& I16s(int count, int16_t value = 0) {
    for (int i = 0; i < count; ++i) I16(value);
    return *this;
  }
  ByteWriter& Bools(int count, uint8_t value = 0) {
    for (int i = 0; i < count; ++i) U8(value);
    return *this;
  }
  // 8-bit text: int32 length, then the bytes.
  ByteWriter& Str(std::string_view text) {
    I32(static_cast<int32_t>(text.size()));
    return Raw(text);
  }
  // Text field: int32 character count, then 16-bit (or 8-bit) characters.
  ByteWriter& UStr(const UText& text) {
    if (!text.Units.empty()) return WideUnits(std::vector<uint16_t>(text.Units.begin(), text.Units.end()));
    I32(static_cast<int32_t>(text.Text.size()));
    if (!text.Wide) return Raw(text.Text);
    for (char c : text.Text) {
      bytes_.push_back(static_cast<uint8_t>(c));
      bytes_.push_back(0);
    }
    return *this;
  }
  // 16-bit characters given as code units (to write characters above 255).
  ByteWriter& WideUnits(const std::vector<uint16_t>& units) {
    I32(static_cast<int32_t>(units.size()));
    for (uint16_t u : units) {
      bytes_.push_back(static_cast<uint8_t>(u));
      bytes_.push_back(static_cast<uint8_t>(u >> 8));
    }
    return *this;
  }
  ByteWriter& Raw(std::string_view bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
  }
  ByteWriter& Raw(const std::vector<uint8_t>& bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
  }

  size_t Size() const { return bytes_.size(); }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace varnak::fixture

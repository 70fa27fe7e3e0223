#include "saveio/field_reader.h"

#include <algorithm>
#include <cstring>

namespace varnak {

void FieldReader::NoteEnd(int64_t wantedEnd) {
  if (wantedEnd > DataEnd() && !exhausted_) {
    exhausted_ = true;
    exhaustedSection_ = section_;
  }
}

void FieldReader::Take(uint8_t* out, size_t n) {
  std::memset(out, 0, n);
  const int64_t end = cursor_ + static_cast<int64_t>(n);
  if (cursor_ >= 0 && cursor_ < DataEnd()) {
    const int64_t available = std::min<int64_t>(static_cast<int64_t>(n), DataEnd() - cursor_);
    std::memcpy(out, data_.data() + cursor_, static_cast<size_t>(available));
  }
  NoteEnd(end);
  cursor_ = end;
}

void FieldReader::Skip(int64_t bytes) {
  if (bytes <= 0) return;
  // Once past the end nothing is read any more; keep the cursor from drifting far.
  const int64_t end = cursor_ + bytes;
  NoteEnd(end);
  cursor_ = exhausted_ ? std::min(end, DataEnd() + 1) : end;
}

void FieldReader::Advance(int64_t n) {
  NoteEnd(cursor_ + n);
  cursor_ += n;
}

int32_t FieldReader::ReadIntAtEnd() {
  uint8_t b[4];
  Take(b, 4);
  return LoadInt32LE(b);
}

int16_t FieldReader::ReadShortAtEnd() {
  uint8_t b[2];
  Take(b, 2);
  return LoadInt16LE(b);
}

uint8_t FieldReader::ReadCharAtEnd() {
  uint8_t b;
  Take(&b, 1);
  return b;
}

std::string FieldReader::ReadStr() {
  const int32_t n = ReadInt();
  if (n < 1 || n >= kMaxTextLength) return {};
  std::string text(static_cast<size_t>(n), '\0');
  Take(reinterpret_cast<uint8_t*>(text.data()), static_cast<size_t>(n));
  text.resize(std::strlen(text.c_str()));
  return text;
}

int32_t FieldReader::TextHead(bool& wide) {
  const int32_t n = ReadInt();
  if (n < 1 || n >= kMaxTextLength) return 0;
  // A text of one character is always wide; otherwise a second byte below 20 means
  // the high byte of a wide first character.
  uint8_t second = 0;
  if (cursor_ + 1 >= 0 && cursor_ + 1 < DataEnd()) second = data_[static_cast<size_t>(cursor_ + 1)];
  wide = n == 1 || second < 20;
  return n;
}

void FieldReader::NoteAboveByte(const uint8_t* raw, size_t count) {
  size_t end = 0;
  uint8_t high = 0;
  for (; end < count && (raw[end * 2] | raw[end * 2 + 1]) != 0; ++end) high |= raw[end * 2 + 1];
  aboveByte_ = high != 0;
  if (!aboveByte_) return;
  units_.resize(end);
  for (size_t i = 0; i < end; ++i) units_[i] = static_cast<char16_t>(raw[i * 2] | raw[i * 2 + 1] << 8);
}

void FieldReader::ReadUStrInto(std::string& text) {
  aboveByte_ = false;
  bool wide = false;
  const int32_t n = TextHead(wide);
  if (n == 0) {
    text.clear();
    return;
  }
  const auto count = static_cast<size_t>(n);
  text.resize(count);
  char* out = text.data();
  const int64_t bytes = wide ? int64_t{n} * 2 : n;
  if (cursor_ >= 0 && cursor_ + bytes <= DataEnd()) {
    const uint8_t* in = data_.data() + cursor_;
    if (wide) {
      uint8_t high = 0;
      for (size_t i = 0; i < count; ++i) {
        out[i] = static_cast<char>(in[i * 2]);
        high |= in[i * 2 + 1];
      }
      // Nearly every wide text has only characters below 256.
      if (high != 0) NoteAboveByte(in, count);
    } else {
      std::memcpy(out, in, count);
    }
    Advance(bytes);
  } else if (!wide) {
    Take(reinterpret_cast<uint8_t*>(out), count);
  } else {
    // The text runs past the end of the data: what is missing reads as zeros.
    std::string raw(count * 2, '\0');
    Take(reinterpret_cast<uint8_t*>(raw.data()), count * 2);
    for (size_t i = 0; i < count; ++i) out[i] = raw[i * 2];
    NoteAboveByte(reinterpret_cast<const uint8_t*>(raw.data()), count);
  }
  const void* zero = std::memchr(out, 0, count);
  if (zero != nullptr) text.resize(static_cast<size_t>(static_cast<const char*>(zero) - out));
}

std::string_view FieldReader::ReadUStrView() {
  ReadUStrInto(text_);
  return text_;
}

std::string FieldReader::ReadUStr() { return std::string(ReadUStrView()); }

void FieldReader::SkipUStr() {
  aboveByte_ = false;
  bool wide = false;
  const int32_t n = TextHead(wide);
  if (n > 0) Advance(wide ? int64_t{n} * 2 : n);
}

}  // namespace varnak

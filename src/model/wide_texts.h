// The shown texts of a save that hold a character above 255.
//
// The model keeps every text 8-bit, byte for byte as the readers give it (the low
// byte of each wide character), and the rules that look at texts work on those
// bytes. A wide text with a character above 255 is real UTF-16, though, and its low
// bytes are not what the player wrote: its whole form is kept here, in UTF-8, keyed
// by where its 8-bit form is kept, so that a view shows it whole. Most saves have
// none, so the table is nearly always empty.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace varnak {

// The model's texts that are shown, in the order the parser reads them.
enum class TextField : uint8_t {
  GameName,
  MapScript,
  SlotName,               // row: the slot
  SlotNationDescription,  // row: the slot
  SlotNationAdjective,    // row: the slot
  ReplayText,             // row: the record of ReplayLog; markup removed
  CityName,               // row: the player; item: the city
  MessageText,            // row: the player; item: the message; markup removed
};

class WideTexts {
 public:
  // The UTF-8 form of the text at (field, row, item), or null when that text has no
  // character above 255 and its 8-bit form is the text.
  const std::string* Find(TextField field, int32_t row = 0, int32_t item = 0) const {
    const Key key{field, row, item};
    auto at = std::lower_bound(entries_.begin(), entries_.end(), key,
                               [](const Entry& e, const Key& k) { return e.Where < k; });
    return at != entries_.end() && at->Where == key ? &at->Utf8 : nullptr;
  }

  void Set(TextField field, int32_t row, int32_t item, std::string utf8) {
    const Key key{field, row, item};
    // The parser sets them in reading order, so nearly always at the end.
    if (entries_.empty() || entries_.back().Where < key) {
      entries_.push_back({key, std::move(utf8)});
      return;
    }
    auto at = std::lower_bound(entries_.begin(), entries_.end(), key,
                               [](const Entry& e, const Key& k) { return e.Where < k; });
    if (at != entries_.end() && at->Where == key) {
      at->Utf8 = std::move(utf8);
    } else {
      entries_.insert(at, {key, std::move(utf8)});
    }
  }

  bool Empty() const { return entries_.empty(); }
  size_t Size() const { return entries_.size(); }

 private:
  struct Key {
    TextField Field;
    int32_t Row;
    int32_t Item;
    bool operator<(const Key& o) const { return std::tie(Field, Row, Item) < std::tie(o.Field, o.Row, o.Item); }
    bool operator==(const Key& o) const = default;
  };
  struct Entry {
    Key Where;
    std::string Utf8;
  };
  std::vector<Entry> entries_;
};

}  // namespace varnak

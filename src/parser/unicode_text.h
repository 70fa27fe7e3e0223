// The whole form of a shown text whose characters go above 255 (see WideTexts).
#pragma once

#include <string>

#include "model/game_model.h"
#include "saveio/codepage.h"
#include "saveio/field_reader.h"
#include "saveio/text.h"

namespace varnak::parser {

// The UTF-8 form of the text `r` read last, into `utf8`, when it holds a character
// above 255; false (and `utf8` left alone) when its 8-bit form is the text.
inline bool TakeUnicode(const FieldReader& r, std::string& utf8, bool cutMarkup = false) {
  if (!r.TextAboveByte()) return false;
  utf8 = Utf16ToUtf8(r.AboveByteUnits());
  if (cutMarkup) utf8 = CutMacrosUtf8(utf8);
  return true;
}

// Keeps the text `r` read last at (field, row, item) of the model's WideTexts when
// it holds a character above 255.
inline void KeepUnicode(const FieldReader& r, GameModel& m, TextField field, int32_t row = 0,
                        int32_t item = 0, bool cutMarkup = false) {
  std::string utf8;
  if (TakeUnicode(r, utf8, cutMarkup)) m.Unicode.Set(field, row, item, std::move(utf8));
}

}  // namespace varnak::parser

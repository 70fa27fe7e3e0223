// Text helpers over the save image and the game's marked-up texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "saveio/save_image.h"

namespace varnak {

class FieldReader;

// The text without markup: everything from a "<" up to and including the next ">"
// is dropped; a "<" that is never closed drops the rest.
std::string CutMacros(std::string_view text);
// The same, written into `out` (whose memory is reused).
void CutMacros(std::string_view text, std::string& out);
// The next text of `r` without markup, into `out`: what CutMacros(r.ReadUStrView(),
// out) gives, without the copy in between.
void ReadCutText(FieldReader& r, std::string& out);
// The same markup removed from the UTF-8 form of a wide text (its "<" and ">" are
// the same bytes), whatever its length in bytes: the reader already bounded it in
// characters, and the text must not vanish where its 8-bit form does not.
std::string CutMacrosUtf8(std::string_view utf8);

}  // namespace varnak

// The user's choice of how the save's 8-bit texts are shown: by the code page that the
// save's own texts point to, or by one code page whatever the save holds.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "saveio/codepage.h"

namespace varnak::ui {

enum class TextEncoding : uint8_t { Auto, Cp1252, Cp1251, Latin1 };

// In the order the desktop's menu lists them.
inline constexpr std::array<TextEncoding, 4> kTextEncodings = {
    TextEncoding::Auto, TextEncoding::Cp1252, TextEncoding::Cp1251, TextEncoding::Latin1};

// "auto", "cp1252", "cp1251", "latin1": what the report tool takes and the desktop keeps
// between runs.
std::string_view TextEncodingName(TextEncoding encoding);
std::optional<TextEncoding> TextEncodingFromName(std::string_view name);

// The code page a choice stands for; Auto stands for `chosen`, what it chose for the save.
CodePage CodePageOf(TextEncoding encoding, CodePage chosen);

// How the menu words a choice: "Western (Windows-1252)", ...; Auto names what it chose
// for the save on show ("Auto (Cyrillic)"), and reads "Auto" alone before any save.
std::string TextEncodingCaption(TextEncoding encoding, std::optional<CodePage> chosen);

}  // namespace varnak::ui

// How the 8-bit texts of a save are turned into Unicode for the user to read.
//
// The game writes its texts in the code page of the player's Windows: Western
// (Windows-1252) for the Western-language games, Cyrillic (Windows-1251) for the
// Russian one. What the program decides from a text (session markers, technology
// names, empty or not) keeps working on the bytes; only what is shown goes through
// a code page.
//
// Bytes a code page leaves undefined (0x81 0x8D 0x8F 0x90 0x9D of 1252, 0x98 of 1251)
// become the C1 control of the same number (U+0081 ...), as Windows itself converts
// them: nothing is lost, and an export can be mapped back to the save's bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace varnak {

enum class CodePage : uint8_t { Cp1252, Cp1251, Latin1 };

inline constexpr std::array<CodePage, 3> kCodePages = {CodePage::Cp1252, CodePage::Cp1251,
                                                       CodePage::Latin1};

// "cp1252", "cp1251", "latin1": the names the report tool takes and prints.
std::string_view CodePageName(CodePage page);
std::optional<CodePage> CodePageFromName(std::string_view name);

// The Unicode character that `byte` stands for in `page`.
char16_t CodePageChar(CodePage page, uint8_t byte);

// `text`, 8-bit in `page`, as UTF-8; appended to `out` (whose memory is reused).
void AppendUtf8(std::string_view text, CodePage page, std::string& out);
std::string ToUtf8(std::string_view text, CodePage page);

// A UTF-16 text as UTF-8: a surrogate pair is one character, a lone surrogate shows
// as U+FFFD, a character 0 ends the text.
std::string Utf16ToUtf8(std::u16string_view units);

// At most this many bytes of the texts are looked at by DetectCodePage, however
// many texts a save holds.
inline constexpr size_t kDetectionBytes = 64 * 1024;

// Cp1251 when the texts read as Cyrillic, else Cp1252. Cyrillic letters of 1251
// (C0-FF, A8, B8 and the Ukrainian and Belarusian ones) that stand in words of
// several such letters count for Cyrillic; letters above 0x7F inside words with
// ASCII letters (café, Straße, año) count for Western; the Cyrillic session marker
// counts much. Texts with no byte above 0x7F give Cp1252.
CodePage DetectCodePage(std::span<const std::string_view> texts);

}  // namespace varnak

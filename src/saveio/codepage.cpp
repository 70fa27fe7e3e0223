#include "saveio/codepage.h"

#include <algorithm>
#include <cstring>

namespace varnak {
namespace {

using HighHalf = std::array<char16_t, 128>;  // bytes 0x80..0xFF

// clang-format off
constexpr HighHalf kWindows1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, 0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7, 0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,
};

constexpr HighHalf kWindows1251 = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};
// clang-format on

void AppendCodePoint(char32_t c, std::string& out) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// ---- Detection ----

enum class LetterKind : uint8_t { None, Ascii, High };

// Letters above 0x7F are those of 1251: C0-FF, Ё ё (A8 B8), and Ў ў Ґ Є Ї І і ґ є ї
// (A1 A2 A5 AA AF B2 B3 B4 BA BF). In 1252 the same bytes are mostly accented
// letters, which stand among ASCII letters in a word.
constexpr std::array<LetterKind, 256> MakeLetterKinds() {
  std::array<LetterKind, 256> kinds{};
  for (int b = 'A'; b <= 'Z'; ++b) kinds[static_cast<size_t>(b)] = LetterKind::Ascii;
  for (int b = 'a'; b <= 'z'; ++b) kinds[static_cast<size_t>(b)] = LetterKind::Ascii;
  for (int b = 0xC0; b <= 0xFF; ++b) kinds[static_cast<size_t>(b)] = LetterKind::High;
  for (int b : {0xA8, 0xB8, 0xA1, 0xA2, 0xA5, 0xAA, 0xAF, 0xB2, 0xB3, 0xB4, 0xBA, 0xBF})
    kinds[static_cast<size_t>(b)] = LetterKind::High;
  return kinds;
}
constexpr std::array<LetterKind, 256> kLetterKinds = MakeLetterKinds();

// "Сессия" in 1251, the word the Russian game opens each session's replay line with.
constexpr std::string_view kCyrillicSessionMarker = "\xD1\xE5\xF1\xF1\xE8\xFF";
constexpr int64_t kSessionMarkerWeight = 64;

}  // namespace

std::string_view CodePageName(CodePage page) {
  switch (page) {
    case CodePage::Cp1251:
      return "cp1251";
    case CodePage::Latin1:
      return "latin1";
    case CodePage::Cp1252:
      break;
  }
  return "cp1252";
}

std::optional<CodePage> CodePageFromName(std::string_view name) {
  for (CodePage page : kCodePages)
    if (CodePageName(page) == name) return page;
  return std::nullopt;
}

char16_t CodePageChar(CodePage page, uint8_t byte) {
  if (byte < 0x80 || page == CodePage::Latin1) return byte;
  const HighHalf& table = page == CodePage::Cp1251 ? kWindows1251 : kWindows1252;
  return table[byte - 0x80u];
}

void AppendUtf8(std::string_view text, CodePage page, std::string& out) {
  out.reserve(out.size() + text.size());
  // Texts are mostly ASCII, which stays as it is: runs of it are copied whole.
  size_t i = 0;
  while (i < text.size()) {
    size_t ascii = i;
    for (; ascii + 8 <= text.size(); ascii += 8) {
      uint64_t eight;
      std::memcpy(&eight, text.data() + ascii, sizeof eight);
      if ((eight & 0x8080808080808080u) != 0) break;
    }
    while (ascii < text.size() && static_cast<uint8_t>(text[ascii]) < 0x80) ++ascii;
    out.append(text.data() + i, ascii - i);
    if (ascii == text.size()) break;
    AppendCodePoint(CodePageChar(page, static_cast<uint8_t>(text[ascii])), out);
    i = ascii + 1;
  }
}

std::string ToUtf8(std::string_view text, CodePage page) {
  std::string out;
  AppendUtf8(text, page, out);
  return out;
}

std::string Utf16ToUtf8(std::u16string_view units) {
  std::string out;
  out.reserve(units.size());
  for (size_t i = 0; i < units.size(); ++i) {
    const char16_t u = units[i];
    if (u == 0) break;
    if (IsHighSurrogate(u) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
      const char32_t c = 0x10000 + ((char32_t{u} - 0xD800) << 10) + (char32_t{units[i + 1]} - 0xDC00);
      AppendCodePoint(c, out);
      ++i;
    } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
      AppendCodePoint(0xFFFD, out);
    } else {
      AppendCodePoint(u, out);
    }
  }
  return out;
}

CodePage DetectCodePage(std::span<const std::string_view> texts) {
  size_t budget = kDetectionBytes;
  int64_t cyrillic = 0;
  int64_t western = 0;
  for (std::string_view whole : texts) {
    if (budget == 0) break;
    const std::string_view text = whole.substr(0, std::min(whole.size(), budget));
    budget -= text.size();
    size_t i = 0;
    while (i < text.size()) {
      int64_t ascii = 0;
      int64_t high = 0;
      for (; i < text.size(); ++i) {
        const LetterKind kind = kLetterKinds[static_cast<uint8_t>(text[i])];
        if (kind == LetterKind::None) break;
        (kind == LetterKind::Ascii ? ascii : high) += 1;
      }
      if (ascii > 0) {
        western += high;
      } else if (high >= 2) {
        // A lone letter above 0x7F is as likely "à" as "в": it counts for neither.
        cyrillic += high;
      }
      if (i < text.size()) ++i;  // the byte that ended the word
    }
    if (text.find(kCyrillicSessionMarker) != std::string_view::npos) cyrillic += kSessionMarkerWeight;
  }
  return cyrillic > western ? CodePage::Cp1251 : CodePage::Cp1252;
}

}  // namespace varnak

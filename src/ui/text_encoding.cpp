#include "ui/text_encoding.h"

namespace varnak::ui {

std::string_view TextEncodingName(TextEncoding encoding) {
  return encoding == TextEncoding::Auto ? "auto" : CodePageName(CodePageOf(encoding, CodePage::Cp1252));
}

std::optional<TextEncoding> TextEncodingFromName(std::string_view name) {
  for (TextEncoding encoding : kTextEncodings)
    if (TextEncodingName(encoding) == name) return encoding;
  return std::nullopt;
}

CodePage CodePageOf(TextEncoding encoding, CodePage chosen) {
  switch (encoding) {
    case TextEncoding::Cp1252: return CodePage::Cp1252;
    case TextEncoding::Cp1251: return CodePage::Cp1251;
    case TextEncoding::Latin1: return CodePage::Latin1;
    case TextEncoding::Auto: break;
  }
  return chosen;
}

std::string TextEncodingCaption(TextEncoding encoding, std::optional<CodePage> chosen) {
  switch (encoding) {
    case TextEncoding::Cp1252: return "Western (Windows-1252)";
    case TextEncoding::Cp1251: return "Cyrillic (Windows-1251)";
    case TextEncoding::Latin1: return "Latin-1";
    case TextEncoding::Auto: break;
  }
  if (!chosen) return "Auto";
  // Auto chooses between the two scripts the game is written in.
  return *chosen == CodePage::Cp1251 ? "Auto (Cyrillic)" : "Auto (Western)";
}

}  // namespace varnak::ui

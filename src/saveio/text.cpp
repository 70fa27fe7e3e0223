#include "saveio/text.h"

#include <cstring>

#include "saveio/field_reader.h"

namespace varnak {

std::string CutMacros(std::string_view text) {
  std::string out;
  CutMacros(text, out);
  return out;
}

namespace {

// Markup removal of a text already cut at its first zero byte.
void DropMarkup(std::string_view text, std::string& out) {
  // Most texts have no markup at all.
  if (text.find('<') == std::string_view::npos) {
    out.assign(text);
    return;
  }
  bool inMarkup = false;
  for (char c : text) {
    if (c == '<') inMarkup = true;
    if (!inMarkup) out.push_back(c);
    if (c == '>') inMarkup = false;
  }
}

}  // namespace

void CutMacros(std::string_view text, std::string& out) {
  out.clear();
  const size_t zero = text.find('\0');
  if (zero != std::string_view::npos) text = text.substr(0, zero);
  if (text.empty() || text.size() >= static_cast<size_t>(kMaxTextLength)) return;
  DropMarkup(text, out);
}

std::string CutMacrosUtf8(std::string_view utf8) {
  std::string out;
  const size_t zero = utf8.find('\0');
  DropMarkup(utf8.substr(0, zero), out);
  return out;
}

}  // namespace varnak

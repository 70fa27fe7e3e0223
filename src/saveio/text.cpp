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

// Markup removal, in place, of a text already cut at its first zero byte.
void DropMarkup(std::string& text) {
  // Most texts have no markup at all.
  if (text.find('<') == std::string::npos) return;
  // What is kept never overtakes what is read.
  size_t kept = 0;
  bool inMarkup = false;
  for (const char c : text) {
    if (c == '<') inMarkup = true;
    if (!inMarkup) text[kept++] = c;
    if (c == '>') inMarkup = false;
  }
  text.resize(kept);
}

}  // namespace

void CutMacros(std::string_view text, std::string& out) {
  out.clear();
  const size_t zero = text.find('\0');
  if (zero != std::string_view::npos) text = text.substr(0, zero);
  if (text.empty() || text.size() >= static_cast<size_t>(kMaxTextLength)) return;
  out.assign(text);
  DropMarkup(out);
}

void ReadCutText(FieldReader& r, std::string& out) {
  r.ReadUStrInto(out);  // cut at its first zero
  if (out.size() >= static_cast<size_t>(kMaxTextLength)) {
    out.clear();
    return;
  }
  DropMarkup(out);
}

std::string CutMacrosUtf8(std::string_view utf8) {
  std::string out(utf8.substr(0, utf8.find('\0')));
  DropMarkup(out);
  return out;
}

}  // namespace varnak

// Texts in the byte values a save holds, written in the test's source as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace varnak::fixture {

// `utf8` in the code page named as iconv names it ("CP1251", "CP1252",
// "ISO-8859-1"), through the C library's iconv, so that the bytes do not come
// from the code under test. A character the code page lacks is a fault of the
// test: it aborts.
std::string Encode(std::string_view utf8, const char* codePage);
inline std::string Cp1251(std::string_view utf8) { return Encode(utf8, "CP1251"); }
inline std::string Cp1252(std::string_view utf8) { return Encode(utf8, "CP1252"); }

}  // namespace varnak::fixture

#include "support/code_page_text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <cstdio>
#include <cstdlib>

namespace varnak::fixture {

#ifdef _WIN32
// The C library of Windows has no iconv; its own conversion serves the same end.
std::string Encode(std::string_view utf8, const char* codePage) {
  const std::string_view name(codePage);
  const UINT cp = name == "CP1251" ? 1251 : name == "CP1252" ? 1252 : 28591;
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  BOOL lost = FALSE;
  const int m = WideCharToMultiByte(cp, WC_NO_BEST_FIT_CHARS, wide.data(), n, nullptr, 0, nullptr, &lost);
  std::string out(static_cast<size_t>(m), '\0');
  WideCharToMultiByte(cp, WC_NO_BEST_FIT_CHARS, wide.data(), n, out.data(), m, nullptr, &lost);
  if (lost) {
    std::fprintf(stderr, "\"%s\" is not all in %s\n", std::string(utf8).c_str(), codePage);
    std::abort();
  }
  return out;
}
#else
std::string Encode(std::string_view utf8, const char* codePage) {
  iconv_t cd = iconv_open(codePage, "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    std::fprintf(stderr, "iconv has no code page %s\n", codePage);
    std::abort();
  }
  std::string in(utf8);
  std::string out(in.size(), '\0');  // no character grows from UTF-8 to 8 bits
  char* from = in.data();
  size_t fromLeft = in.size();
  char* to = out.data();
  size_t toLeft = out.size();
  if (iconv(cd, &from, &fromLeft, &to, &toLeft) == static_cast<size_t>(-1)) {
    std::fprintf(stderr, "\"%s\" is not all in %s\n", in.c_str(), codePage);
    std::abort();
  }
  iconv_close(cd);
  out.resize(out.size() - toLeft);
  return out;
}
#endif

}  // namespace varnak::fixture

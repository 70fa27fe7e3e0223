#include "support/code_page_text.h"

#include <iconv.h>

#include <cstdio>
#include <cstdlib>

namespace varnak::fixture {

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

}  // namespace varnak::fixture

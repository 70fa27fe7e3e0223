#include "saveio/platform.h"

#include <cerrno>
#include <clocale>
#include <cstring>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <shellapi.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <locale.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace varnak {

#ifdef _WIN32

namespace {

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

std::string Narrow(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n,
                      nullptr, nullptr);
  return utf8;
}

}  // namespace

InputFile::InputFile(const std::string& utf8Path) {
  const std::wstring path = Wide(utf8Path);
  // Windows refuses to open a folder with an access error; say what it is instead.
  struct _stat64 st {};
  if (_wstat64(path.c_str(), &st) == 0 && (st.st_mode & _S_IFDIR) != 0) {
    problem_ = "it is a folder";
    return;
  }
  file_ = _wfopen(path.c_str(), L"rb");
  if (file_ == nullptr || _fstat64(_fileno(file_), &st) != 0) {
    problem_ = std::strerror(errno);
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
    return;
  }
  size_ = st.st_size;
  modified_ = st.st_mtime;
}

bool LocalTime(int64_t unixSeconds, std::tm& local) {
  const auto t = static_cast<std::time_t>(unixSeconds);
  return localtime_s(&local, &t) == 0;
}

ClassicNumbers::ClassicNumbers() {
  const char* point = std::localeconv()->decimal_point;
  if (point != nullptr && std::strcmp(point, ".") == 0) return;  // the usual case: nothing to do
  // The C runtime has no uselocale(): the thread takes a locale of its own for a while.
  threadMode_ = _configthreadlocale(_ENABLE_PER_THREAD_LOCALE);
  const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
  numeric_ = numeric != nullptr ? numeric : "C";
  std::setlocale(LC_NUMERIC, "C");
  switched_ = true;
}

ClassicNumbers::~ClassicNumbers() {
  if (!switched_) return;
  std::setlocale(LC_NUMERIC, numeric_.c_str());
  _configthreadlocale(threadMode_);
}

int64_t CurrentProcessId() { return static_cast<int64_t>(GetCurrentProcessId()); }

void ReleasePages(void*, void*) {}

// Large pages on Windows need a privilege that users do not hold.
void PreferLargePages(void*, void*) {}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  std::vector<std::string> args;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
  for (int i = 1; i < count; ++i) args.push_back(Narrow(wide[i]));
  LocalFree(wide);
  return args;
}

void UseBinaryStandardOutput() { _setmode(_fileno(stdout), _O_BINARY); }

std::FILE* OpenFileForWriting(const std::string& utf8Path) { return _wfopen(Wide(utf8Path).c_str(), L"wb"); }

#else

std::FILE* OpenFileForWriting(const std::string& utf8Path) { return std::fopen(utf8Path.c_str(), "wb"); }

InputFile::InputFile(const std::string& utf8Path) {
  file_ = std::fopen(utf8Path.c_str(), "rb");
  struct stat st {};
  if (file_ == nullptr || ::fstat(fileno(file_), &st) != 0) {
    problem_ = std::strerror(errno);
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
    return;
  }
  if (S_ISDIR(st.st_mode)) {
    problem_ = "it is a folder";
    std::fclose(file_);
    file_ = nullptr;
    return;
  }
  size_ = static_cast<int64_t>(st.st_size);
  modified_ = static_cast<int64_t>(st.st_mtime);
}

bool LocalTime(int64_t unixSeconds, std::tm& local) {
  const auto t = static_cast<std::time_t>(unixSeconds);
  return localtime_r(&t, &local) != nullptr;
}

namespace {

locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

}  // namespace

ClassicNumbers::ClassicNumbers() : previous_(uselocale(CLocale())) {}

ClassicNumbers::~ClassicNumbers() { uselocale(static_cast<locale_t>(previous_)); }

int64_t CurrentProcessId() { return static_cast<int64_t>(::getpid()); }

void ReleasePages(void* from, void* to) {
  const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const uintptr_t first = (reinterpret_cast<uintptr_t>(from) + page - 1) / page * page;
  const uintptr_t last = reinterpret_cast<uintptr_t>(to) / page * page;
  if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
}

void PreferLargePages(void* from, void* to) {
#ifdef MADV_HUGEPAGE
  constexpr uintptr_t kLarge = uintptr_t{2} << 20;
  const uintptr_t first = (reinterpret_cast<uintptr_t>(from) + kLarge - 1) / kLarge * kLarge;
  const uintptr_t last = reinterpret_cast<uintptr_t>(to) / kLarge * kLarge;
  // Advice only: where the system has no large pages the memory stays as it was.
  if (last > first) (void)::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
  (void)from;
  (void)to;
#endif
}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void UseBinaryStandardOutput() {}

#endif

InputFile::~InputFile() {
  if (file_ != nullptr) std::fclose(file_);
}

size_t InputFile::Read(void* into, size_t n) {
  return file_ != nullptr ? std::fread(into, 1, n, file_) : 0;
}

bool InputFile::Failed() const { return file_ == nullptr || std::ferror(file_) != 0; }

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace varnak

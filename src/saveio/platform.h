// The one place where the program meets the operating system: files named by UTF-8
// paths, their size and modification time, the local time, the thread's number
// locale, the process id and the command line. Everything else in the program is
// plain standard C++.
//
// Paths are UTF-8 on every system. On Windows they are opened through the wide-character
// API, so that a save under C:\Users\Вася\Documents opens whatever the ANSI code page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace varnak {

// A file opened for reading, with what the system knows of it.
class InputFile {
 public:
  explicit InputFile(const std::string& utf8Path);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // True when the file is open and is no folder.
  bool IsOpen() const { return file_ != nullptr; }
  // Why it is not: the system's words ("No such file or directory"), or "it is a folder".
  const std::string& Problem() const { return problem_; }

  int64_t Size() const { return size_; }
  int64_t ModifiedUnixSeconds() const { return modified_; }

  // Reads up to `n` bytes; returns how many came. Fewer than asked: the end, or an
  // error that Failed() then reports.
  size_t Read(void* into, size_t n);
  bool Failed() const;

 private:
  std::FILE* file_ = nullptr;
  std::string problem_;
  int64_t size_ = 0;
  int64_t modified_ = 0;
};

// The file at a UTF-8 path, created or emptied, for writing bytes; null when the system
// refuses (errno says why). The caller closes it.
std::FILE* OpenFileForWriting(const std::string& utf8Path);

// A UTF-8 path as the standard library's path, and back.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

// The broken-down local time of a moment given in seconds since 1970 (UTC); false
// when the system cannot represent it.
bool LocalTime(int64_t unixSeconds, std::tm& local);

// While one lives, the C library writes and reads numbers on this thread with "." as
// the decimal point, whatever locale the program or a toolkit chose (a German desktop
// would otherwise turn 1.27 into 1,27).
class ClassicNumbers {
 public:
  ClassicNumbers();
  ~ClassicNumbers();
  ClassicNumbers(const ClassicNumbers&) = delete;
  ClassicNumbers& operator=(const ClassicNumbers&) = delete;

 private:
#ifdef _WIN32
  bool switched_ = false;
  int threadMode_ = 0;
  std::string numeric_;
#else
  void* previous_ = nullptr;
#endif
};

int64_t CurrentProcessId();

// Gives the whole pages between `from` and `to` back to the system (they read as
// zeros when next touched); a no-op where the system offers no such call.
void ReleasePages(void* from, void* to);

// Asks the system to back the whole 2 MiB blocks between `from` and `to` with large
// pages: a body of tens of megabytes then costs a few dozen page faults and TLB
// entries instead of thousands. A no-op where the system takes no such request.
void PreferLargePages(void* from, void* to);

// The program's arguments (without its name) as UTF-8. On Windows `argv` is in the
// ANSI code page, which cannot hold every file name: the wide command line is used.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Standard output without any translation of line ends, so that text written on
// Windows is byte for byte what is written elsewhere.
void UseBinaryStandardOutput();

}  // namespace varnak

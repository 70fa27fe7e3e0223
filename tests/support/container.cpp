#include "support/container.h"

#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "saveio/platform.h"
#include "support/byte_writer.h"

namespace varnak::fixture {

std::vector<uint8_t> Compress(const std::vector<uint8_t>& body, int level) {
  uLongf size = compressBound(static_cast<uLong>(body.size()));
  std::vector<uint8_t> packed(size);
  if (compress2(packed.data(), &size, body.data(), static_cast<uLong>(body.size()), level) != Z_OK)
    throw std::runtime_error("compress2 failed");
  packed.resize(size);
  return packed;
}

std::vector<uint8_t> WrapPacked(const std::vector<uint8_t>& header,
                                const std::vector<uint8_t>& packed,
                                const ContainerOptions& options) {
  std::vector<size_t> sizes = options.ChunkSizes;
  if (sizes.empty()) {
    const size_t third = std::max<size_t>(1, packed.size() / 3);
    sizes = {third, third, 0};
  }
  ByteWriter w;
  w.Raw(header);
  size_t at = 0;
  for (size_t i = 0; i < sizes.size() && at < packed.size(); ++i) {
    const bool last = i + 1 == sizes.size();
    const size_t n = last ? packed.size() - at : std::min(sizes[i], packed.size() - at);
    w.I32(static_cast<int32_t>(n));
    w.Raw(std::vector<uint8_t>(packed.begin() + static_cast<std::ptrdiff_t>(at),
                               packed.begin() + static_cast<std::ptrdiff_t>(at + n)));
    at += n;
  }
  if (at < packed.size()) {
    w.I32(static_cast<int32_t>(packed.size() - at));
    w.Raw(std::vector<uint8_t>(packed.begin() + static_cast<std::ptrdiff_t>(at), packed.end()));
  }
  w.I32(options.Terminator);
  w.Raw(options.Trailer);
  return w.Take();
}

std::vector<uint8_t> WrapSave(const std::vector<uint8_t>& header, const std::vector<uint8_t>& body,
                              const ContainerOptions& options) {
  return WrapPacked(header, Compress(body, options.Level), options);
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string TempPath(const std::string& name) {
  // One folder per process: test programs run side by side under ctest -j.
  const auto dir = std::filesystem::temp_directory_path() /
                   ("varnak-tests-" + std::to_string(CurrentProcessId()));
  const auto path = dir / PathFromUtf8(name);
  std::filesystem::create_directories(path.parent_path());
  // UTF-8 whatever the system: a temp folder under C:\Users\Вася stays whole.
  return Utf8FromPath(path);
}

}  // namespace varnak::fixture

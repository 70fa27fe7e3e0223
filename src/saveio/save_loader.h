// Reading a save file and rebuilding its uncompressed image.
//
// Failure policy of this layer: a load returns either a complete SaveImage or a
// one-sentence error that names the file and the reason. It never hands on a
// half-built image.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "saveio/save_image.h"

namespace varnak {

// Largest body we agree to inflate. The game's own image holds at most 24 million
// bytes; anything far beyond that is a damaged or hostile file, not a save.
inline constexpr int64_t kMaxInflatedBody = int64_t{128} * 1024 * 1024;
// A save is a few megabytes; this bound keeps every offset inside 32 bits.
inline constexpr int64_t kMaxSaveFileSize = int64_t{1024} * 1024 * 1024;

struct LoadedSave {
  bool Ok = false;
  std::string Error;             // one sentence when !Ok
  SaveImage Image;
  int64_t ModifiedUnixSeconds = 0;  // the file's last-modification time
};

// How the stream is inflated. Fast is libdeflate where the build has it, in one call
// over the whole stream, and zlib's own streaming inflate for any stream libdeflate
// refuses, so that a damaged stream gives zlib's result and zlib's words. Zlib skips
// libdeflate; the two give the same result for every file.
enum class Inflater { Fast, Zlib };

// Whether this build has libdeflate (without it, Fast is zlib alone).
bool HaveFastInflater();

// The inflaters this build uses and their versions, e.g. "zlib 1.3.1, libdeflate 1.23".
std::string InflaterVersions();

// Reads the file whole and builds its image; an error names the file by `path` as given.
LoadedSave LoadSaveFile(const std::string& path);

// The same for bytes already in memory (the file's whole content).
LoadedSave BuildSaveImage(std::span<const uint8_t> raw, const std::string& displayName,
                          Inflater inflater = Inflater::Fast);

// Gives an image's memory back once the image has been read, for the next load to
// build its image in. The memory stays with the thread that loaded the save.
void RecycleImage(SaveImage&& image);

// Offset of the first 0x78 0x9C pair at 0..n-4, or -1.
int32_t FindStreamStart(std::span<const uint8_t> raw);

}  // namespace varnak

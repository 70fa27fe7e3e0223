#include "saveio/save_loader.h"

#include <zlib.h>
#ifdef VARNAK_HAVE_LIBDEFLATE
#include <libdeflate.h>
#endif

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>

#include "saveio/platform.h"

namespace varnak {
namespace {

int32_t ReadLE32(std::span<const uint8_t> raw, size_t at) {
  uint32_t v = uint32_t{raw[at]} | uint32_t{raw[at + 1]} << 8 | uint32_t{raw[at + 2]} << 16 |
               uint32_t{raw[at + 3]} << 24;
  return static_cast<int32_t>(v);
}

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

// zlib's own words for a return code, preferring the stream's message.
std::string ZlibReason(int code, const z_stream& zs) {
  if (zs.msg != nullptr) return zs.msg;
  const char* text = zError(code);
  return text != nullptr ? text : "unknown zlib error " + std::to_string(code);
}

struct Chunk {
  size_t Offset;
  size_t Length;
};

// The chunk list that starts with the length field just before the stream. A length
// that reaches past the end of the file is cut at the end. `terminator` is the
// offset of the closing length field (below 1), or the file's size when the file
// ends inside the list.
std::vector<Chunk> GatherChunks(std::span<const uint8_t> raw, size_t firstLengthField,
                                size_t& terminator) {
  std::vector<Chunk> chunks;
  size_t at = firstLengthField;
  terminator = raw.size();
  while (at + 4 <= raw.size()) {
    int32_t length = ReadLE32(raw, at);
    if (length < 1) {
      terminator = at;
      break;
    }
    size_t data = at + 4;
    size_t available = raw.size() - data;
    size_t take = std::min(static_cast<size_t>(length), available);
    if (take > 0) chunks.push_back({data, take});
    at = data + static_cast<size_t>(length);
    if (take < static_cast<size_t>(length)) break;
  }
  return chunks;
}

// Memory handed back by RecycleImage and the file buffer of the last load, for the
// next load to fill. Fresh memory costs a page fault at its first write, and on the
// machines the analyzer runs on that costs more than inflating into it: a window that
// opens one save after another keeps one buffer of the largest body instead.
ByteBuffer& SpareImageBytes() {
  thread_local ByteBuffer spare;
  return spare;
}

ByteBuffer& FileBuffer() {
  thread_local ByteBuffer buffer;
  return buffer;
}

// Inflates the chunks, one after another, into `out` from `out.size()` on.
// Returns an empty string on success, else zlib's reason. A stream that ends before
// its end mark is no error: the body is what was inflated so far.
std::string InflateChunks(std::span<const uint8_t> raw, const std::vector<Chunk>& chunks,
                          ByteBuffer& out, size_t packedSize) {
  z_stream zs{};
  int rc = inflateInit(&zs);
  if (rc != Z_OK) return ZlibReason(rc, zs);

  const size_t base = out.size();
  const auto limit = static_cast<size_t>(kMaxInflatedBody);
  // Most saves inflate to about eight times their packed size. Reserving writes
  // nothing; the output then grows in small steps just ahead of zlib, so that only
  // what the body fills is ever touched.
  constexpr size_t kStep = size_t{256} * 1024;
  out.reserve(base + std::min(std::max<size_t>(packedSize * 8, 1 << 16), limit));
  size_t produced = 0;
  std::string error;
  bool finished = false;

  for (size_t c = 0; c < chunks.size() && !finished && error.empty(); ++c) {
    zs.next_in = const_cast<Bytef*>(raw.data() + chunks[c].Offset);
    zs.avail_in = static_cast<uInt>(chunks[c].Length);
    while (zs.avail_in > 0 || zs.avail_out == 0) {
      if (base + produced == out.size()) {
        if (produced >= limit) {
          error = "its body inflates to more than 128 MiB, more than any save holds";
          break;
        }
        out.resize(base + std::min(produced + kStep, limit));
      }
      zs.next_out = out.data() + base + produced;
      zs.avail_out = static_cast<uInt>(out.size() - base - produced);
      const uInt before = zs.avail_out;
      rc = inflate(&zs, Z_NO_FLUSH);
      produced += before - zs.avail_out;
      if (rc == Z_STREAM_END) {
        finished = true;
        break;
      }
      if (rc == Z_BUF_ERROR) break;  // needs more input than this chunk has
      if (rc != Z_OK) {
        error = ZlibReason(rc == Z_NEED_DICT ? Z_DATA_ERROR : rc, zs);
        break;
      }
      if (zs.avail_in == 0 && zs.avail_out > 0) break;
    }
  }
  inflateEnd(&zs);
  out.resize(base + produced);
  return error;
}

#ifdef VARNAK_HAVE_LIBDEFLATE
// The packed and inflated sizes of the last body libdeflate inflated. libdeflate needs
// an output of known capacity, and a capacity too small costs a second inflate; the
// next save is most likely the same game again or one like it, so the last body's
// ratio gives a capacity close to the body.
struct LastBody {
  uint64_t Packed = 1;
  uint64_t Inflated = 4;
};

LastBody& LastInflated() {
  thread_local LastBody last;
  return last;
}

// The capacity to try first: the last body's ratio and a thirty-second more. Memory
// that the last body filled is used again at no cost in memory; beyond that, no more
// than eight times the packed size is taken on a guess, so that one save that packed
// unusually well does not make the next load hold far more than it fills.
size_t FirstCapacity(size_t packed) {
  const LastBody& last = LastInflated();
  const uint64_t byRatio = packed * last.Inflated / last.Packed;
  const uint64_t written = std::max<uint64_t>(uint64_t{packed} * 8, last.Inflated);
  const uint64_t guess = std::min(byRatio + byRatio / 32, written) + (uint64_t{64} << 10);
  return static_cast<size_t>(std::min<uint64_t>(guess, static_cast<uint64_t>(kMaxInflatedBody)));
}

// Hands back to the system the whole pages of `block` past its end. A block allocated
// for this load may have been written past the body (an inflate that ran out of room
// and was tried again in a larger block); those pages would count, unused, against the
// load's peak memory until the block is freed.
void ReleasePagesPastTheEnd(ByteBuffer& block) {
  ReleasePages(block.data() + block.size(), block.data() + block.capacity());
}

struct DecompressorDeleter {
  void operator()(libdeflate_decompressor* d) const { libdeflate_free_decompressor(d); }
};

// Inflates the whole stream with libdeflate into `out` from `out.size()` on. False,
// and `out` as it was, when libdeflate refuses the stream (damaged, cut short, or
// larger than the bound): the zlib path then decides what the stream gives.
bool InflateWhole(std::span<const uint8_t> stream, ByteBuffer& out) {
  thread_local std::unique_ptr<libdeflate_decompressor, DecompressorDeleter> decompressor(
      libdeflate_alloc_decompressor());
  if (decompressor == nullptr) return false;
  const size_t packed = stream.size();
  const size_t base = out.size();
  const auto limit = static_cast<size_t>(kMaxInflatedBody);
  size_t capacity = FirstCapacity(packed);
  const uint8_t* const recycled = out.data();
  while (true) {
    out.resize(base + capacity);
    size_t inflated = 0;
    const libdeflate_result rc = libdeflate_zlib_decompress(
        decompressor.get(), stream.data(), stream.size(), out.data() + base, capacity, &inflated);
    // A body of the bound's size or more is zlib's to refuse, in its words.
    if (rc == LIBDEFLATE_SUCCESS && inflated < limit) {
      out.resize(base + inflated);
      // A recycled block was written as far by an earlier load: its pages stay for the next.
      if (out.data() != recycled) ReleasePagesPastTheEnd(out);
      LastInflated() = {packed, std::max<uint64_t>(inflated, 1)};
      return true;
    }
    if (rc != LIBDEFLATE_INSUFFICIENT_SPACE || capacity == limit) break;
    capacity = std::min(capacity / 2 * 3, limit);
  }
  out.resize(base);
  if (out.data() != recycled) ReleasePagesPastTheEnd(out);  // zlib writes what it needs
  return false;
}
#endif

}  // namespace

bool HaveFastInflater() {
#ifdef VARNAK_HAVE_LIBDEFLATE
  return true;
#else
  return false;
#endif
}

int32_t FindStreamStart(std::span<const uint8_t> raw) {
  if (raw.size() < 4) return -1;
  const size_t last = raw.size() - 4;
  const uint8_t* begin = raw.data();
  const uint8_t* p = begin;
  while (true) {
    const void* hit = std::memchr(p, 0x78, last + 1 - static_cast<size_t>(p - begin));
    if (hit == nullptr) return -1;
    p = static_cast<const uint8_t*>(hit);
    if (p[1] == 0x9C) return static_cast<int32_t>(p - begin);
    if (static_cast<size_t>(p - begin) == last) return -1;
    ++p;
  }
}

namespace {

#ifdef VARNAK_HAVE_LIBDEFLATE
// Joins the chunks into one stream, in place: each chunk's data moves down over the
// length fields before it. Header and trailer stay where they are.
std::span<const uint8_t> JoinInPlace(std::span<uint8_t> raw, const std::vector<Chunk>& chunks) {
  size_t to = chunks.front().Offset;
  for (const Chunk& c : chunks) {
    std::memmove(raw.data() + to, raw.data() + c.Offset, c.Length);
    to += c.Length;
  }
  return raw.subspan(chunks.front().Offset, to - chunks.front().Offset);
}
#endif

// The load of `raw`. `writable` is raw itself when its bytes may be rearranged (the
// loader's own file buffer), so that a stream in several chunks is joined where it
// lies; else it is empty, and the chunks are joined in a copy.
LoadedSave BuildImage(std::span<const uint8_t> raw, std::span<uint8_t> writable,
                      const std::string& displayName, Inflater inflater) {
  LoadedSave result;
  const std::string file = "The file " + Quoted(displayName);
  if (raw.empty()) {
    result.Error = file + " is empty.";
    return result;
  }
  if (static_cast<int64_t>(raw.size()) > kMaxSaveFileSize) {
    result.Error = file + " is too large to be a save (over 1 GiB).";
    return result;
  }
  const int32_t headerLength = FindStreamStart(raw);
  if (headerLength < 8) {
    result.Error = file + " is not a save: no compressed game data was found in it.";
    return result;
  }

  size_t terminator = 0;
  auto chunks = GatherChunks(raw, static_cast<size_t>(headerLength) - 4, terminator);
  size_t packed = 0;
  for (const Chunk& c : chunks) packed += c.Length;
  if (packed == 0) {
    result.Error = file + " could not be inflated: its compressed game data is empty.";
    return result;
  }

  SaveImage& image = result.Image;
  image.Bytes = std::move(SpareImageBytes());
  image.Bytes.assign(raw.begin(), raw.begin() + headerLength);
  std::memcpy(image.Bytes.data() + headerLength - 4, "BODY", 4);
  bool inflated = false;
#ifdef VARNAK_HAVE_LIBDEFLATE
  if (inflater == Inflater::Fast) {
    // libdeflate wants the stream in one block.
    std::vector<uint8_t> joined;
    std::span<const uint8_t> stream = raw.subspan(chunks.front().Offset, chunks.front().Length);
    if (chunks.size() > 1 && !writable.empty()) {
      stream = JoinInPlace(writable, chunks);
      chunks = {{chunks.front().Offset, packed}};  // for zlib too, should libdeflate refuse it
    } else if (chunks.size() > 1) {
      joined.reserve(packed);
      for (const Chunk& c : chunks) {
        const std::span<const uint8_t> data = raw.subspan(c.Offset, c.Length);
        joined.insert(joined.end(), data.begin(), data.end());
      }
      stream = joined;
    }
    inflated = InflateWhole(stream, image.Bytes);
  }
#else
  (void)inflater;
  (void)writable;
#endif
  const std::string reason = inflated ? std::string() : InflateChunks(raw, chunks, image.Bytes, packed);
  if (!reason.empty()) {
    result.Error = file + " could not be inflated: " + reason + ".";
    RecycleImage(std::move(result.Image));  // leaves the result's image empty
    return result;
  }
  image.Bytes.insert(image.Bytes.end(), raw.begin() + static_cast<std::ptrdiff_t>(terminator),
                     raw.end());
  image.HeaderLength = headerLength;
  image.ImageLength = static_cast<int32_t>(image.Bytes.size());
  result.Ok = true;
  return result;
}

}  // namespace

LoadedSave BuildSaveImage(std::span<const uint8_t> raw, const std::string& displayName,
                          Inflater inflater) {
  return BuildImage(raw, {}, displayName, inflater);
}

std::string InflaterVersions() {
  std::string versions = std::string("zlib ") + zlibVersion();
#ifdef VARNAK_HAVE_LIBDEFLATE
  // Not one literal: "deflate" followed by a version is how lintian spots a copy of
  // zlib built into a program, and this one only names the library it links.
  versions += ", libdeflate";
  versions += ' ';
  versions += LIBDEFLATE_VERSION_STRING;
#endif
  return versions;
}

LoadedSave LoadSaveFile(const std::string& path) {
  LoadedSave failed;
  InputFile in(path);
  if (!in.IsOpen()) {
    failed.Error = "Cannot open the file " + Quoted(path) + ": " + in.Problem() + ".";
    return failed;
  }
  if (in.Size() > kMaxSaveFileSize) {
    failed.Error = "The file " + Quoted(path) + " is too large to be a save (over 1 GiB).";
    return failed;
  }
  ByteBuffer& raw = FileBuffer();
  raw.resize(static_cast<size_t>(in.Size()));
  raw.resize(in.Read(raw.data(), raw.size()));
  if (in.Failed()) {
    failed.Error = "Cannot read the file " + Quoted(path) + ".";
    return failed;
  }
  LoadedSave result = BuildImage(raw, raw, path, Inflater::Fast);
  result.ModifiedUnixSeconds = in.ModifiedUnixSeconds();
  return result;
}

void RecycleImage(SaveImage&& image) {
  ByteBuffer& spare = SpareImageBytes();
  // Keep the larger block: it holds any body the smaller one holds.
  if (image.Bytes.capacity() > spare.capacity()) spare = std::move(image.Bytes);
  spare.clear();
  image = SaveImage{};
}

}  // namespace varnak

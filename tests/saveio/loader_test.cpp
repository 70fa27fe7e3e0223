#include <gtest/gtest.h>

#include "support/case_name.h"

#include <cstring>
#include <span>
#include <string>

#include "saveio/save_loader.h"
#include "support/byte_writer.h"
#include "support/container.h"

namespace varnak {
namespace {

using fixture::ByteWriter;
using fixture::Compress;
using fixture::ContainerOptions;
using fixture::WrapPacked;
using fixture::WrapSave;

std::vector<uint8_t> SomeHeader() {
  ByteWriter w;
  w.I32(302).Str("mods\\none").I32(1).I32(2).I32(3);
  return w.Take();
}

std::vector<uint8_t> SomeBody(size_t n) {
  std::vector<uint8_t> body(n);
  for (size_t i = 0; i < n; ++i) body[i] = static_cast<uint8_t>((i * 7 + i / 13) & 0xFF);
  return body;
}

std::string AsText(std::span<const uint8_t> bytes, size_t at, size_t n) {
  return std::string(reinterpret_cast<const char*>(bytes.data() + at), n);
}

TEST(SaveLoader, RebuildsHeaderTagBodyAndTrailerFromSeveralChunks) {
  const auto header = SomeHeader();
  const auto body = SomeBody(50000);
  ContainerOptions options;
  options.ChunkSizes = {100, 2000, 7, 0};
  options.Trailer = {1, 2, 3, 4, 5, 6};
  const auto file = WrapSave(header, body, options);

  const LoadedSave loaded = BuildSaveImage(file, "game.sav");
  ASSERT_TRUE(loaded.Ok) << loaded.Error;
  const SaveImage& image = loaded.Image;
  const auto h = static_cast<size_t>(image.HeaderLength);
  EXPECT_EQ(h, header.size() + 4);
  EXPECT_TRUE(std::equal(header.begin(), header.end(), image.Bytes.begin()));
  EXPECT_EQ(AsText(image.Bytes, h - 4, 4), "BODY");
  ASSERT_GE(image.Bytes.size(), h + body.size());
  EXPECT_TRUE(std::equal(body.begin(), body.end(), image.Bytes.begin() + static_cast<long>(h)));
  // The trailer starts with the terminator itself.
  const std::vector<uint8_t> trailer(image.Bytes.begin() + static_cast<long>(h + body.size()),
                                     image.Bytes.end());
  EXPECT_EQ(trailer, (std::vector<uint8_t>{0, 0, 0, 0, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(image.ImageLength, static_cast<int32_t>(h + body.size() + trailer.size()));
}

TEST(SaveLoader, NothingAfterTheTerminatorLeavesAFourByteTrailer) {
  ContainerOptions options;
  options.Trailer = {};
  const auto body = SomeBody(300);
  const LoadedSave loaded = BuildSaveImage(WrapSave(SomeHeader(), body, options), "x");
  ASSERT_TRUE(loaded.Ok) << loaded.Error;
  EXPECT_EQ(loaded.Image.ImageLength,
            loaded.Image.HeaderLength + static_cast<int32_t>(body.size()) + 4);
}

TEST(SaveLoader, FirstStreamSignatureWins) {
  EXPECT_EQ(FindStreamStart(std::vector<uint8_t>{1, 2, 0x78, 0x9C, 0, 0x78, 0x9C, 0}), 2);
  EXPECT_EQ(FindStreamStart(std::vector<uint8_t>{0x78, 0x78, 0x9C, 0, 0}), 1);
  // The pair must start at n - 4 at the latest.
  EXPECT_EQ(FindStreamStart(std::vector<uint8_t>{0, 0, 0, 0x78, 0x9C, 0}), -1);
  EXPECT_EQ(FindStreamStart(std::vector<uint8_t>{0x78, 0x9C, 0}), -1);

  // A signature inside the header cuts the save there: what follows is no stream.
  ByteWriter header;
  header.I32(302).I32(0).U8(0x78).U8(0x9C).I32(5).I32(6);
  const LoadedSave loaded = BuildSaveImage(WrapSave(header.Take(), SomeBody(1000)), "cut.sav");
  EXPECT_FALSE(loaded.Ok);
}

TEST(SaveLoader, StreamThatEndsEarlyGivesWhatWasInflated) {
  const auto body = SomeBody(200000);
  auto packed = Compress(body);
  packed.resize(packed.size() / 2);
  const LoadedSave loaded = BuildSaveImage(WrapPacked(SomeHeader(), packed), "short.sav");
  ASSERT_TRUE(loaded.Ok) << loaded.Error;
  const auto h = static_cast<size_t>(loaded.Image.HeaderLength);
  const size_t inflated = loaded.Image.Bytes.size() - h - 8;  // terminator + "TRLR"
  EXPECT_GT(inflated, 0u);
  EXPECT_LT(inflated, body.size());
  EXPECT_TRUE(std::equal(body.begin(), body.begin() + static_cast<long>(inflated),
                         loaded.Image.Bytes.begin() + static_cast<long>(h)));
}

TEST(SaveLoader, ChunkLengthPastTheEndOfTheFileTakesWhatIsThere) {
  const auto body = SomeBody(5000);
  const auto packed = Compress(body);
  ByteWriter w;
  w.Raw(SomeHeader());
  w.I32(static_cast<int32_t>(packed.size() + 100000));
  w.Raw(packed);
  const LoadedSave loaded = BuildSaveImage(w.Take(), "long.sav");
  ASSERT_TRUE(loaded.Ok) << loaded.Error;
  // No terminator in the file, so no trailer either.
  EXPECT_EQ(loaded.Image.ImageLength,
            loaded.Image.HeaderLength + static_cast<int32_t>(body.size()));
}

struct BadFile {
  const char* name;
  std::vector<uint8_t> bytes;
  const char* error;
};

class SaveLoaderRefuses : public testing::TestWithParam<BadFile> {};

TEST_P(SaveLoaderRefuses, WithOneSentenceNamingFileAndReason) {
  for (const Inflater inflater : {Inflater::Fast, Inflater::Zlib}) {
    SCOPED_TRACE(inflater == Inflater::Fast ? "fast" : "zlib");
    const LoadedSave loaded = BuildSaveImage(GetParam().bytes, "bad.sav", inflater);
    EXPECT_FALSE(loaded.Ok);
    EXPECT_EQ(loaded.Error, GetParam().error);
    EXPECT_TRUE(loaded.Image.Bytes.empty());
  }
}

std::vector<uint8_t> CorruptStream() {
  auto packed = Compress(SomeBody(4000));
  for (size_t i = 2; i < 12; ++i) packed[i] = 0xFF;
  return WrapPacked(SomeHeader(), packed);
}

// The length field before the signature says 0: the chunk list is empty.
std::vector<uint8_t> EmptyFirstChunk() {
  ByteWriter w;
  w.Raw(SomeHeader()).I32(0).U8(0x78).U8(0x9C).I32(7);
  return w.Take();
}

std::vector<uint8_t> StreamTooEarly() {
  ByteWriter w;
  w.I32(5).U8(0x78).U8(0x9C).I32(0).I32(0);
  return w.Take();
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, SaveLoaderRefuses,
    testing::Values(
        BadFile{"Empty", {}, "The file \"bad.sav\" is empty."},
        BadFile{"ThreeBytes", {0x78, 0x9C, 0},
                "The file \"bad.sav\" is not a save: no compressed game data was found in it."},
        BadFile{"NoSignature", SomeBody(64),
                "The file \"bad.sav\" is not a save: no compressed game data was found in it."},
        BadFile{"SignatureBelowOffset8", StreamTooEarly(),
                "The file \"bad.sav\" is not a save: no compressed game data was found in it."},
        BadFile{"StreamRejectedByZlib", CorruptStream(),
                "The file \"bad.sav\" could not be inflated: invalid block type."},
        BadFile{"FirstChunkLengthZero", EmptyFirstChunk(),
                "The file \"bad.sav\" could not be inflated: its compressed game data is empty."}),
    fixture::CaseName());

// The fast inflater sizes its output from the saves before: a save that packs far
// better or far worse than the last one, or one cut into many chunks, must still
// come out whole and equal to zlib's.
TEST(SaveLoader, FastInflaterAgreesWithZlibOverSavesOfEveryRatio) {
  struct Step {
    const char* name;
    std::vector<uint8_t> body;
    std::vector<size_t> chunks;
  };
  std::vector<uint8_t> noise(300000);
  uint32_t x = 12345;
  for (uint8_t& b : noise) b = static_cast<uint8_t>((x = x * 1103515245u + 12345u) >> 24);
  const std::vector<Step> steps = {
      {"patterned", SomeBody(400000), {}},
      {"zeros, about 1000 to 1", std::vector<uint8_t>(6'000'000, 0), {}},
      {"noise, about 1 to 1", noise, {}},
      {"zeros again, one chunk", std::vector<uint8_t>(3'000'000, 0), {1u << 30}},
      {"empty body", {}, {}},
      {"patterned, chunks of 1 to 100 bytes", SomeBody(20000), {2, 1, 3, 5, 8, 13, 21, 34, 55, 89, 100}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    ContainerOptions options;
    options.ChunkSizes = step.chunks;
    const auto file = WrapSave(SomeHeader(), step.body, options);
    const LoadedSave fast = BuildSaveImage(file, "x.sav", Inflater::Fast);
    const LoadedSave zlib = BuildSaveImage(file, "x.sav", Inflater::Zlib);
    ASSERT_TRUE(fast.Ok) << fast.Error;
    ASSERT_TRUE(zlib.Ok) << zlib.Error;
    EXPECT_EQ(fast.Image.ImageLength,
              fast.Image.HeaderLength + static_cast<int32_t>(step.body.size()) + 8);
    EXPECT_TRUE(fast.Image.Bytes == zlib.Image.Bytes);
    EXPECT_EQ(fast.Image.HeaderLength, zlib.Image.HeaderLength);
    EXPECT_EQ(fast.Image.ImageLength, zlib.Image.ImageLength);
  }
}

TEST(SaveLoader, RefusesABodyThatInflatesBeyondTheBound) {
  std::vector<uint8_t> zeros(static_cast<size_t>(kMaxInflatedBody) + 4096, 0);
  const auto packed = Compress(zeros);
  zeros = {};
  const LoadedSave loaded = BuildSaveImage(WrapPacked(SomeHeader(), packed), "bomb.sav");
  EXPECT_FALSE(loaded.Ok);
  EXPECT_EQ(loaded.Error,
            "The file \"bomb.sav\" could not be inflated: its body inflates to more than 128 MiB, "
            "more than any save holds.");
}

TEST(SaveLoader, FileThatCannotBeOpenedIsReportedWithTheSystemReason) {
  const LoadedSave loaded = LoadSaveFile("/nonexistent/folder/game.sav");
  EXPECT_FALSE(loaded.Ok);
  EXPECT_EQ(loaded.Error,
            "Cannot open the file \"/nonexistent/folder/game.sav\": No such file or directory.");
}

TEST(SaveLoader, ReadsAFileFromDiskWithItsModificationTime) {
  const std::string path = fixture::TempPath("disk.sav");
  const auto body = SomeBody(1234);
  fixture::WriteFile(path, WrapSave(SomeHeader(), body));
  const LoadedSave loaded = LoadSaveFile(path);
  ASSERT_TRUE(loaded.Ok) << loaded.Error;
  EXPECT_GT(loaded.ModifiedUnixSeconds, 1'500'000'000);
  EXPECT_EQ(loaded.Image.ImageLength, loaded.Image.HeaderLength + 1234 + 8);
}

// Paths are UTF-8 on every system; on Windows the ANSI code page cannot name this
// folder, so a narrow open would miss it.
TEST(SaveLoader, OpensASaveUnderAFolderNamedInCyrillicAndAccentedLetters) {
  const std::string path = fixture::TempPath("Вася Ünïcödé/Documents/Партия é.sav");
  fixture::WriteFile(path, WrapSave(SomeHeader(), SomeBody(500)));
  const LoadedSave loaded = LoadSaveFile(path);
  ASSERT_TRUE(loaded.Ok) << loaded.Error;
  EXPECT_GT(loaded.ModifiedUnixSeconds, 1'500'000'000);
  EXPECT_EQ(loaded.Image.ImageLength, loaded.Image.HeaderLength + 500 + 8);

  const std::string folder = path.substr(0, path.rfind('/'));
  EXPECT_EQ(LoadSaveFile(folder).Error, "Cannot open the file \"" + folder + "\": it is a folder.");
  const std::string missing = folder + "/Нет ñ.sav";
  EXPECT_EQ(LoadSaveFile(missing).Error,
            "Cannot open the file \"" + missing + "\": No such file or directory.");
}

}  // namespace
}  // namespace varnak

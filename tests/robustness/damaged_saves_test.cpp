// Damaged and hostile variants of the sample save: every one must load or be
// refused with a clear message, and never crash, hang or touch memory it should not
// (the sanitizer build runs this table too); the fast inflater and zlib alone must
// agree on each.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "app/window_report.h"
#include "parser/save_analyse.h"
#include "saveio/save_loader.h"
#include "support/byte_writer.h"
#include "support/case_name.h"
#include "support/container.h"
#include "ui/form_fixture.h"

namespace varnak {
namespace {

std::vector<uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::vector<uint8_t>& Sample() {
  static const std::vector<uint8_t> bytes = ReadAll(VARNAK_SAMPLE_SAVE);
  return bytes;
}

struct Parts {
  std::vector<uint8_t> header;  // the file's bytes before the first chunk's length
  std::vector<uint8_t> body;    // inflated
};

Parts Split(const std::vector<uint8_t>& file) {
  const LoadedSave loaded = BuildSaveImage(file, "sample");
  EXPECT_TRUE(loaded.Ok) << loaded.Error;
  const auto h = static_cast<size_t>(loaded.Image.HeaderLength);
  Parts p;
  p.header.assign(file.begin(), file.begin() + static_cast<long>(h - 4));
  // The image ends with the terminator and the trailer; the sample's trailer is "TRLR".
  p.body.assign(loaded.Image.Bytes.begin() + static_cast<long>(h), loaded.Image.Bytes.end() - 8);
  return p;
}

void ExpectSameLoad(const LoadedSave& a, const LoadedSave& b, const char* what) {
  SCOPED_TRACE(what);
  EXPECT_EQ(a.Ok, b.Ok);
  EXPECT_EQ(a.Error, b.Error);
  EXPECT_EQ(a.Image.HeaderLength, b.Image.HeaderLength);
  EXPECT_EQ(a.Image.ImageLength, b.Image.ImageLength);
  EXPECT_TRUE(a.Image.Bytes == b.Image.Bytes) << "the images differ";
}

// Runs one file through the whole window: load, every view, a few events. zlib alone,
// and the load from the disk (which joins the chunks in its own file buffer), must
// end the same way, to the byte and to the word.
void Exercise(const std::vector<uint8_t>& file) {
  fixture::RecordingHost host;
  ui::TForm1 form(host);
  static const std::string path = fixture::TempPath("damaged.sav");
  LoadedSave loaded = BuildSaveImage(file, path);
  ExpectSameLoad(loaded, BuildSaveImage(file, path, Inflater::Zlib), "zlib alone");
  fixture::WriteFile(path, file);
  LoadedSave fromDisk = LoadSaveFile(path);
  ExpectSameLoad(loaded, fromDisk, "from the disk");
  RecycleImage(std::move(fromDisk.Image));
  if (!loaded.Ok) {
    EXPECT_FALSE(loaded.Error.empty());
    return;
  }
  form.ShowLoadedModel(SaveAnalyse(loaded.Image, GameScoreFactors{}), path, "");
  form.UserCheck("ShowAICheckBox", true);
  form.UserCheck("ShowCombatsCheckBox", true);
  for (int e = 0; e < 8; ++e) form.UserSelect("GraphSelect", e);
  const int n = static_cast<int>(form.AttLeaderSel1.Items.size());
  for (int p = 0; p < n; ++p) {
    form.UserSelect("AttLeaderSel1", p);
    form.UserSelect("PlayerInfoSelect", p);
    form.UserSelect("PlayerLogSelect", p);
  }
  (void)app::WindowState(form).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::vector<size_t> Spread(size_t size, size_t count) {
  std::vector<size_t> at;
  for (size_t i = 0; i < count && size > 0; ++i) at.push_back(i * size / count);
  return at;
}

struct Damage {
  const char* name;
  std::function<std::vector<std::vector<uint8_t>>()> variants;
};

class DamagedSave : public testing::TestWithParam<Damage> {};

TEST_P(DamagedSave, LoadsOrIsRefusedCleanly) {
  const auto variants = GetParam().variants();
  ASSERT_FALSE(variants.empty());
  for (size_t i = 0; i < variants.size(); ++i) {
    SCOPED_TRACE(i);
    Exercise(variants[i]);
  }
}

std::vector<std::vector<uint8_t>> FileCuts() {
  std::vector<std::vector<uint8_t>> out;
  const auto& s = Sample();
  for (size_t at : Spread(s.size(), 150)) out.emplace_back(s.begin(), s.begin() + static_cast<long>(at));
  return out;
}

std::vector<std::vector<uint8_t>> BodyCuts() {
  const Parts p = Split(Sample());
  std::vector<std::vector<uint8_t>> out;
  for (size_t at : Spread(p.body.size(), 300)) {
    std::vector<uint8_t> body(p.body.begin(), p.body.begin() + static_cast<long>(at));
    out.push_back(fixture::WrapSave(p.header, body));
  }
  return out;
}

std::vector<std::vector<uint8_t>> BodyFlips() {
  const Parts p = Split(Sample());
  std::vector<std::vector<uint8_t>> out;
  for (size_t at : Spread(p.body.size(), 300)) {
    std::vector<uint8_t> body = p.body;
    body[at] ^= 0xFF;
    out.push_back(fixture::WrapSave(p.header, body));
  }
  return out;
}

std::vector<std::vector<uint8_t>> BodyCounts(int32_t value) {
  const Parts p = Split(Sample());
  std::vector<std::vector<uint8_t>> out;
  for (size_t at : Spread(p.body.size() - 4, 250)) {
    std::vector<uint8_t> body = p.body;
    for (int k = 0; k < 4; ++k) body[at + static_cast<size_t>(k)] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * k));
    out.push_back(fixture::WrapSave(p.header, body));
  }
  return out;
}

std::vector<std::vector<uint8_t>> HeaderFlips() {
  const Parts p = Split(Sample());
  std::vector<std::vector<uint8_t>> out;
  for (size_t at : Spread(p.header.size(), 120)) {
    std::vector<uint8_t> header = p.header;
    header[at] ^= 0x5A;
    out.push_back(fixture::WrapSave(header, p.body));
  }
  return out;
}

std::vector<std::vector<uint8_t>> ChunkLengths() {
  const Parts p = Split(Sample());
  std::vector<std::vector<uint8_t>> out;
  for (int32_t length : {0, -1, 1, 7, 2147483647}) {
    fixture::ContainerOptions options;
    options.ChunkSizes = {};
    auto file = fixture::WrapSave(p.header, p.body, options);
    const size_t field = p.header.size();
    for (int k = 0; k < 4; ++k) file[field + static_cast<size_t>(k)] = static_cast<uint8_t>(static_cast<uint32_t>(length) >> (8 * k));
    out.push_back(std::move(file));
  }
  return out;
}

std::vector<std::vector<uint8_t>> Tiny() {
  return {{}, {0x78, 0x9C, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0x78, 0x9C},
          {0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0x78, 0x9C, 0, 0, 0, 0}};
}

INSTANTIATE_TEST_SUITE_P(
    Sample, DamagedSave,
    testing::Values(Damage{"FileCutAtManyOffsets", FileCuts}, Damage{"BodyCutAtManyOffsets", BodyCuts},
                    Damage{"BodyBytesFlipped", BodyFlips}, Damage{"HeaderBytesFlipped", HeaderFlips},
                    Damage{"CountsSetToMinusOne", [] { return BodyCounts(-1); }},
                    Damage{"CountsSetToZero", [] { return BodyCounts(0); }},
                    Damage{"CountsSetToIntMax", [] { return BodyCounts(2147483647); }},
                    Damage{"ChunkLengths", ChunkLengths}, Damage{"TinyFiles", Tiny}),
    fixture::CaseName());

TEST(DamagedSave, TheSampleItselfLoadsWithoutWarning) {
  fixture::FormFixture f;
  f.Host.NextFile = VARNAK_SAMPLE_SAVE;
  f.Form.UserLoad();
  EXPECT_TRUE(f.Form.LastLoad().Ok);
  EXPECT_TRUE(f.Form.LastLoad().Warnings.empty());
  EXPECT_TRUE(f.Host.Errors.empty());
}

TEST(DamagedSave, ARefusedLoadKeepsThePreviousWindow) {
  fixture::FormFixture f;
  f.Host.NextFile = VARNAK_SAMPLE_SAVE;
  f.Form.UserLoad();
  const auto before = app::WindowState(f.Form)["controls"];
  const std::string path = fixture::TempPath("refused.sav");
  fixture::WriteFile(path, {0x78, 0x9C, 0});
  f.Host.NextFile = path;
  f.Form.UserLoad();
  EXPECT_FALSE(f.Form.LastLoad().Ok);
  EXPECT_TRUE(app::WindowState(f.Form)["controls"] == before);
}

}  // namespace
}  // namespace varnak

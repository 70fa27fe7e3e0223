#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/png_file.h"
#include "support/case_name.h"
#include "support/container.h"

#ifdef VARNAK_HAVE_PNG
#include <png.h>
#endif

namespace varnak {
namespace {

// A picture whose every pixel differs from the others, so that a row or a channel
// out of place shows.
ui::MapPicture Gradient(int32_t width, int32_t height) {
  ui::MapPicture picture{width, height, {}};
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x)
      for (int c = 0; c < 3; ++c) picture.Rgb.push_back(static_cast<uint8_t>((x * 7 + y * 31 + c * 85) & 0xFF));
  return picture;
}

#ifdef VARNAK_HAVE_PNG

// Reads a PNG back with libpng's own simplified reader, as RGB.
bool ReadBack(const std::string& path, ui::MapPicture& out) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path.c_str()) == 0) return false;
  image.format = PNG_FORMAT_RGB;
  out.Width = static_cast<int32_t>(image.width);
  out.Height = static_cast<int32_t>(image.height);
  out.Rgb.resize(PNG_IMAGE_SIZE(image));
  return png_image_finish_read(&image, nullptr, out.Rgb.data(), 0, nullptr) != 0;
}

struct SizeCase {
  const char* name;
  int32_t width, height;
};

class PngFile : public testing::TestWithParam<SizeCase> {};

TEST_P(PngFile, HoldsEveryPixelOfThePicture) {
  const ui::MapPicture picture = Gradient(GetParam().width, GetParam().height);
  const std::string path = fixture::TempPath(std::string("map-") + GetParam().name + ".png");
  std::string why;
  ASSERT_TRUE(app::WritePng(picture, path, why)) << why;
  ui::MapPicture back;
  ASSERT_TRUE(ReadBack(path, back));
  EXPECT_EQ(back.Width, picture.Width);
  EXPECT_EQ(back.Height, picture.Height);
  EXPECT_TRUE(back.Rgb == picture.Rgb);
  std::remove(path.c_str());
}

INSTANTIATE_TEST_SUITE_P(Sizes, PngFile,
                         testing::Values(SizeCase{"OnePlot", 1, 1}, SizeCase{"OneRow", 500, 1},
                                         SizeCase{"Sample", 60, 40}, SizeCase{"FullTable", 500, 500}),
                         fixture::CaseName());

#endif

TEST(PngFile, SaysWhyWhenItCannotWrite) {
  std::string why;
  EXPECT_FALSE(app::WritePng(ui::MapPicture{}, fixture::TempPath("none.png"), why));
  EXPECT_FALSE(why.empty());
  ui::MapPicture cut = Gradient(4, 4);
  cut.Rgb.pop_back();  // a buffer that does not match its size is never read past
  why.clear();
  EXPECT_FALSE(app::WritePng(cut, fixture::TempPath("cut.png"), why));
  EXPECT_FALSE(why.empty());
  why.clear();
  const std::string folder = fixture::TempPath("no-such-folder") + "/map.png";
  EXPECT_FALSE(app::WritePng(Gradient(2, 2), folder, why));
  EXPECT_NE(why.find("map.png"), std::string::npos) << why;
  EXPECT_EQ(app::PngAvailable(), why.find("libpng") == std::string::npos);
}

}  // namespace
}  // namespace varnak

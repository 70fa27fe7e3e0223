#include "app/png_file.h"

#include <cstdio>
#include <vector>

#include "saveio/platform.h"

#ifdef VARNAK_HAVE_PNG
#include <png.h>
#endif

namespace varnak::app {

#ifdef VARNAK_HAVE_PNG
namespace {

// libpng reports through callbacks; a failure ends the write by a long jump back to
// WritePng, with its words kept here.
struct PngErrors {
  std::string Message;
};

void OnPngError(png_structp png, png_const_charp message) {
  static_cast<PngErrors*>(png_get_error_ptr(png))->Message = message;
  png_longjmp(png, 1);
}
void OnPngWarning(png_structp, png_const_charp) {}

// Everything between creating the write struct and the last row, apart from the
// file: kept free of C++ objects that a long jump would skip the destructors of.
bool WriteRows(std::FILE* file, const ui::MapPicture& picture, png_bytep* rows, PngErrors& errors) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &errors, OnPngError, OnPngWarning);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.Width), static_cast<png_uint_32>(picture.Height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool PngAvailable() { return true; }

bool WritePng(const ui::MapPicture& picture, const std::string& path, std::string& why) {
  const size_t rowBytes = static_cast<size_t>(picture.Width) * 3;
  if (picture.Width <= 0 || picture.Height <= 0 || picture.Rgb.size() != rowBytes * static_cast<size_t>(picture.Height)) {
    why = "there is no map to write";
    return false;
  }
  std::FILE* file = OpenFileForWriting(path);
  if (file == nullptr) {
    why = "cannot open " + path + " for writing";
    return false;
  }
  std::vector<png_bytep> rows(static_cast<size_t>(picture.Height));
  auto* first = const_cast<png_bytep>(picture.Rgb.data());  // libpng only reads the rows
  for (size_t y = 0; y < rows.size(); ++y) rows[y] = first + y * rowBytes;
  PngErrors errors;
  const bool written = WriteRows(file, picture, rows.data(), errors);
  const bool closed = std::fclose(file) == 0;
  if (!written) {
    why = "cannot write the PNG " + path + (errors.Message.empty() ? std::string() : ": " + errors.Message);
    return false;
  }
  if (!closed) {
    why = "cannot write " + path;
    return false;
  }
  return true;
}

#else

bool PngAvailable() { return false; }

bool WritePng(const ui::MapPicture&, const std::string& path, std::string& why) {
  why = "this build cannot write PNG files (no libpng): " + path + " was not written";
  return false;
}

#endif

}  // namespace varnak::app

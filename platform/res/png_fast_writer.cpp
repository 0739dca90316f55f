#include "platform/res/png_fast_writer.h"

#include <png.h>
#include <zlib.h>

#include <bit>

namespace res {

namespace {

class WriteStruct {
 public:
  WriteStruct() : png_(png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr)) {
    if (png_) info_ = png_create_info_struct(png_);
  }
  ~WriteStruct() { png_destroy_write_struct(&png_, &info_); }
  WriteStruct(const WriteStruct&) = delete;
  WriteStruct& operator=(const WriteStruct&) = delete;

  png_structp Png() const { return png_; }
  png_infop Info() const { return info_; }
  explicit operator bool() const { return png_ && info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

void SetUp(png_structp png, png_infop info, const gdi::Surface32& image) {
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
               static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_set_compression_level(png, Z_BEST_SPEED);
}

// A pixel 0x00RRGGBB in memory: B, G, R, 0 on a little-endian machine,
// 0, R, G, B on a big-endian one; libpng drops the unused byte.
void TakeRowsAsPixels(png_structp png) {
  if constexpr (std::endian::native == std::endian::little) {
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    png_set_bgr(png);
  } else {
    png_set_filler(png, 0, PNG_FILLER_BEFORE);
  }
}

// libpng reports a failure by a long jump back to here; no object with a
// destructor lives in this frame or in libpng's between the two.
bool WriteRows(const WriteStruct& write, const gdi::Surface32& image) {
  if (setjmp(png_jmpbuf(write.Png()))) return false;
  SetUp(write.Png(), write.Info(), image);
  png_write_info(write.Png(), write.Info());
  TakeRowsAsPixels(write.Png());
  for (int y = 0; y < image.height; ++y)
    png_write_row(write.Png(), reinterpret_cast<png_const_bytep>(image.Row(y)));
  png_write_end(write.Png(), nullptr);
  return true;
}

void AppendToVector(png_structp png, png_bytep bytes, png_size_t size) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), bytes, bytes + size);
}

void NoFlush(png_structp) {}

}  // namespace

bool WriteFastPng(const gdi::Surface32& image, std::FILE* file) {
  const WriteStruct write;
  if (!write) return false;
  png_init_io(write.Png(), file);
  return WriteRows(write, image);
}

bool WriteFastPng(const gdi::Surface32& image, std::vector<std::uint8_t>& out) {
  const WriteStruct write;
  if (!write) return false;
  png_set_write_fn(write.Png(), &out, AppendToVector, NoFlush);
  return WriteRows(write, image);
}

}  // namespace res

// The FreeType library instance. Typefaces share it and keep it alive, so
// a face is always closed before the library that opened it.
#pragma once

struct FT_LibraryRec_;

namespace gdi {

class FontLibrary {
 public:
  FontLibrary();
  ~FontLibrary();
  FontLibrary(const FontLibrary&) = delete;
  FontLibrary& operator=(const FontLibrary&) = delete;

  // nullptr when FreeType could not start; every face then stays empty.
  FT_LibraryRec_* Handle() const { return library_; }

 private:
  FT_LibraryRec_* library_ = nullptr;
};

}  // namespace gdi

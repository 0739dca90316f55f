#include "platform/gdi/face_resolver.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "platform/gdi/font_engine.h"
#include "platform/gdi/typeface.h"
#include "tests/platform/gdi/text_canvas.h"

namespace gdi_test {
namespace {

constexpr gdi::Pixel kWhite = 0xFFFFFF;

Canvas Drawn(const gdi::Typeface& face) {
  Canvas canvas(120, 30, kWhite);
  const RECT all = canvas.Whole();
  face.Draw(canvas.View(), 1, 1, L"지출입력", RGB(0, 0, 0), {&all, 1});
  return canvas;
}

TEST(FaceResolver, BoldIsSynthesisedWhenTheFileLacksIt) {
  gdi::FaceResolver resolver;
  const std::optional<gdi::FaceFile> regular = resolver.Resolve({14, 400});
  ASSERT_TRUE(regular);
  EXPECT_FALSE(regular->embolden);
  gdi::FaceFile emboldened = *regular;
  emboldened.embolden = true;
  const auto library = gdi::OpenFontLibrary();
  const gdi::Typeface plain(library, regular, 14), heavy(library, emboldened, 14);
  EXPECT_GT(Drawn(heavy).Darkness(), Drawn(plain).Darkness() * 11 / 10);
}

// A fontconfig configuration that sees only the given font directory.
class OnlyFontsIn {
 public:
  explicit OnlyFontsIn(const std::string& directory) {
    if (const char* old = std::getenv("FONTCONFIG_FILE")) saved_ = old;
    std::ofstream(path_) << "<?xml version=\"1.0\"?>\n<fontconfig><dir>" << directory
                         << "</dir><cachedir>fc-cache-test</cachedir></fontconfig>\n";
    setenv("FONTCONFIG_FILE", path_.c_str(), 1);
  }
  ~OnlyFontsIn() {
    if (saved_)
      setenv("FONTCONFIG_FILE", saved_->c_str(), 1);
    else
      unsetenv("FONTCONFIG_FILE");
    std::remove(path_.c_str());
  }

 private:
  // fontconfig reads a relative name from its own directory, not ours; one
  // file per process, as the tests run side by side in one directory.
  const std::string path_ =
      std::filesystem::absolute("fonts_only-" + std::to_string(::getpid()) + ".conf").string();
  std::optional<std::string> saved_;
};

TEST(FaceResolver, WithoutKoreanFacesWarnsOnceAndUsesWhatExists) {
  const OnlyFontsIn latinOnly("/usr/share/fonts/truetype/dejavu");
  testing::internal::CaptureStderr();
  gdi::FontEngine engine;
  const auto face = engine.Get({14, 400});
  engine.Get({15, 700});
  const std::string warnings = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(warnings.begin(), warnings.end(), '\n'), 1) << warnings;
  EXPECT_NE(warnings.find("Korean"), std::string::npos) << warnings;
  EXPECT_EQ(face->Metrics().height, 14);
  EXPECT_GT(face->Measure(L"Oil").cx, 0);
}

TEST(FaceResolver, WithNoFontsAtAllTextMeasuresZeroAndDrawsNothing) {
  const OnlyFontsIn nothing("/nonexistent-font-dir");
  gdi::FontEngine engine;
  const auto face = engine.Get({14, 400});
  ASSERT_TRUE(face);
  EXPECT_EQ(face->Measure(L"지출입력").cx, 0);
  EXPECT_EQ(Drawn(*face).CountNot(kWhite), 0);
}

// Every kind of request the program makes of a device face is answered by
// the known file, and as fontconfig answers it.
TEST(FaceResolver, KnownFileAgreesWithFontconfigOnEveryDeviceRequest) {
  if (!std::filesystem::exists("/usr/share/fonts/truetype/nanum/NanumGothic.ttf"))
    GTEST_SKIP() << "fonts-nanum is not installed";
  gdi::FaceResolver fontconfig(gdi::FaceLookup::kFontconfigOnly);
  const gdi::FontSpec requests[] = {
      {14, 400}, {14, 700}, {13, 600}, {15, 500}, {14, 900}, {12, 400}, {12, 0}, {14, 700},
  };
  for (const gdi::FontSpec& wanted : requests) {
    const std::optional<gdi::FaceFile> known = gdi::KnownKoreanFace(wanted);
    ASSERT_TRUE(known) << "weight " << wanted.weight;
    const std::optional<gdi::FaceFile> chosen = fontconfig.Resolve(wanted);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(known->path, chosen->path) << "weight " << wanted.weight;
    EXPECT_EQ(*known, *chosen) << "weight " << wanted.weight;
  }
}

// Fontconfig decides whenever it may decide otherwise:
// another configuration in the environment, the user's own configuration.
TEST(FaceResolver, KnownFileStandsAsideWhenFontconfigHasASay) {
  if (!std::filesystem::exists("/usr/share/fonts/truetype/nanum/NanumGothic.ttf"))
    GTEST_SKIP() << "fonts-nanum is not installed";
  const gdi::FontSpec gulim{14, 400};
  ASSERT_TRUE(gdi::KnownKoreanFace(gulim));
  {
    const OnlyFontsIn named("/usr/share/fonts/truetype/nanum");
    EXPECT_FALSE(gdi::KnownKoreanFace(gulim));
  }
  const std::filesystem::path user = std::filesystem::absolute("known_face_config");
  std::filesystem::create_directories(user / "fontconfig");
  std::ofstream(user / "fontconfig" / "fonts.conf") << "<fontconfig/>\n";
  const char* saved = std::getenv("XDG_CONFIG_HOME");
  const std::optional<std::string> old = saved ? std::optional<std::string>(saved) : std::nullopt;
  setenv("XDG_CONFIG_HOME", user.c_str(), 1);
  EXPECT_FALSE(gdi::KnownKoreanFace(gulim));
  if (old)
    setenv("XDG_CONFIG_HOME", old->c_str(), 1);
  else
    unsetenv("XDG_CONFIG_HOME");
  std::filesystem::remove_all(user);
}

}  // namespace
}  // namespace gdi_test

#include "platform/res/manifest.h"

#include <gtest/gtest.h>

namespace {

TEST(ManifestTest, ReadsEntriesSkippingCommentsAndBlankLines) {
  const res::Manifest manifest = res::ParseManifest(
      "# skins\n\nbitmap 2793 skins/marker dots.png\r\n  icon\t128\ticon.png\ndialog 65535 d.dlg");
  ASSERT_FALSE(manifest.error);
  ASSERT_EQ(manifest.entries.size(), 3u);
  EXPECT_EQ(manifest.entries[0].kind, res::ResourceKind::Bitmap);
  EXPECT_EQ(manifest.entries[0].id, 2793);
  EXPECT_EQ(manifest.entries[0].path, "skins/marker dots.png");
  EXPECT_EQ(manifest.entries[1].kind, res::ResourceKind::Icon);
  EXPECT_EQ(manifest.entries[1].path, "icon.png");
  EXPECT_EQ(manifest.entries[2].id, 65535);
}

TEST(ManifestTest, ReportsTheFirstMalformedLine) {
  struct Case {
    const char* text;
    int line;
  };
  const Case cases[] = {
      {"bitmap 1 a.png\nsound 2 b.wav", 2},   // unknown kind
      {"bitmap 65536 a.png", 1},              // id too large
      {"bitmap -1 a.png", 1},                 // negative id
      {"bitmap 12x a.png", 1},                // not a number
      {"\n\nicon 5", 3},                      // no path
      {"bitmap 7 a.png\nbitmap 7 b.png", 2},  // duplicate
  };
  for (const Case& c : cases) {
    const res::Manifest manifest = res::ParseManifest(c.text);
    ASSERT_TRUE(manifest.error) << c.text;
    EXPECT_EQ(manifest.error->line, c.line) << c.text;
  }
  EXPECT_FALSE(res::ParseManifest("bitmap 7 a.png\ndialog 7 a.dlg").error);
}

}  // namespace

// What the generator writes: the same bytes every run, the same bytes as
// the committed resources, and a manifest and templates the resource
// parsers accept with the values the program relies on.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <array>
#include <iterator>
#include <set>

#include <unistd.h>

#include "resources/resource_ids.h"
#include "platform/res/dialog_template.h"
#include "platform/res/manifest.h"
#include "tools/skingen/artwork.h"

namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::set<fs::path> FilesUnder(const fs::path& root) {
  std::set<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), root));
  return files;
}

class GeneratedTree : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    out_ = fs::temp_directory_path() / ("roadtally-skingen-" + std::to_string(::getpid()));
    std::string error;
    ASSERT_TRUE(skingen::WriteResources(out_.string(), error)) << error;
  }
  static void TearDownTestSuite() { fs::remove_all(out_); }

  static fs::path out_;
};

fs::path GeneratedTree::out_;

TEST(Generator, DrawsTheSameBytesEveryRun) {
  const skingen::ArtworkList first = skingen::DrawAllBitmaps();
  skingen::ArtworkList second = skingen::DrawAllBitmaps();
  ASSERT_EQ(first.size(), second.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    res::Image a = first[i].image;
    EXPECT_EQ(res::EncodePng(a.View()), res::EncodePng(second[i].image.View())) << first[i].id;
  }
}

TEST_F(GeneratedTree, CommittedResourcesAreExactlyWhatItWrites) {
  const fs::path committed = fs::path(ROADTALLY_SOURCE_DIR) / "resources";
  const std::set<fs::path> written = FilesUnder(out_);
  EXPECT_EQ(written.size(), 25u + 1u + 7u + 2u);  // bitmaps, icon, dialogs, manifest, sheet
  for (const fs::path& file : written)
    EXPECT_TRUE(Bytes(out_ / file) == Bytes(committed / file))
        << file << " differs: run make skins";
}

TEST_F(GeneratedTree, ManifestNamesEveryFileOnce) {
  const res::Manifest manifest = res::ParseManifest(Bytes(out_ / "manifest.txt"));
  ASSERT_FALSE(manifest.error.has_value()) << manifest.error->message;
  std::set<std::string> paths;
  for (const res::ManifestEntry& entry : manifest.entries) {
    EXPECT_TRUE(fs::exists(out_ / entry.path)) << entry.path;
    EXPECT_TRUE(paths.insert(entry.path).second) << entry.path;
  }
  EXPECT_EQ(manifest.entries.size(), 25u + 1u + 7u);
}

TEST_F(GeneratedTree, EmptyTemplatesAreBarePopups) {
  for (int id = IDD_ENTRY; id <= IDD_MESSAGE_BOX; ++id) {
    const auto dialog =
        res::ParseDialogTemplate(Bytes(out_ / "dialogs" / (std::to_string(id) + ".dlg")));
    ASSERT_TRUE(dialog.has_value()) << id;
    EXPECT_EQ(dialog->style, 0x80000040u) << id;
    EXPECT_EQ(dialog->cx, 187);
    EXPECT_EQ(dialog->cy, 98);
    EXPECT_EQ(dialog->pointSize, 10);
    EXPECT_EQ(dialog->fontFace, L"System");
    EXPECT_TRUE(dialog->caption.empty());
    EXPECT_TRUE(dialog->items.empty());
  }
}

TEST_F(GeneratedTree, AboutBoxHoldsIconTextsAndOk) {
  const auto about = res::ParseDialogTemplate(Bytes(out_ / "dialogs" / "100.dlg"));
  ASSERT_TRUE(about.has_value());
  EXPECT_EQ(about->cx, 235);
  EXPECT_EQ(about->cy, 55);
  EXPECT_EQ(about->fontFace, L"MS Sans Serif");
  EXPECT_EQ(about->pointSize, 8);
  EXPECT_EQ(about->caption, L"About Roadtally");
  EXPECT_EQ(about->style & 0x00C00000u, 0x00C00000u);  // WS_CAPTION
  ASSERT_EQ(about->items.size(), 4u);
  EXPECT_EQ(about->items[0].className, L"ICON");
  EXPECT_EQ(about->items[0].text, L"128");
  EXPECT_EQ(about->items[0].x, 11);
  EXPECT_EQ(about->items[0].y, 17);
  EXPECT_EQ(about->items[1].text, L"Roadtally Version 1.0");
  EXPECT_EQ(about->items[1].x, 40);
  EXPECT_EQ(about->items[1].y, 10);
  EXPECT_EQ(about->items[2].y, 25);
  const res::DialogItem& ok = about->items[3];
  EXPECT_EQ(ok.className, L"BUTTON");
  EXPECT_EQ(ok.id, 1);
  EXPECT_EQ(ok.text, L"OK");
  EXPECT_EQ((std::array{ok.x, ok.y, ok.cx, ok.cy}), (std::array{178, 7, 50, 14}));
}

}  // namespace

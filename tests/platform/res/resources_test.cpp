#include "platform/res/resources.h"

#include <gtest/gtest.h>

namespace {

TEST(ResourcesTest, FindsEmbeddedBytesByKindAndId) {
  const auto png = res::FindResource(res::ResourceKind::Bitmap, 300);
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png[1], 'P');
  EXPECT_TRUE(res::FindResource(res::ResourceKind::Icon, 300).empty());
  EXPECT_TRUE(res::FindResource(res::ResourceKind::Bitmap, 999).empty());
}

TEST(ResourcesTest, DialogTemplatesAreParsedOnLookup) {
  const auto about = res::FindDialogTemplate(100);
  ASSERT_TRUE(about);
  EXPECT_EQ(about->caption, L"\uC815\uBCF4 Roadtally");
  ASSERT_EQ(about->items.size(), 3u);
  EXPECT_EQ(about->items[2].text, L"\uD655  \uC778");
  EXPECT_FALSE(res::FindDialogTemplate(101));  // malformed
  EXPECT_FALSE(res::FindDialogTemplate(102));  // missing
}

}  // namespace

#include "platform/res/dialog_template.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kMinimal[] = "style 0x80C80080\nsize 160 120\nfont 9 Gulim\n";

TEST(DialogTemplateTest, ParsesEveryDirective) {
  const auto dialog = res::ParseDialogTemplate(
      "# about\nstyle 0x80C80080\nsize 140 57\nposition 10 -20\nfont 9 Gulim Che\n"
      "caption 정보 Roadtally\n"
      "control ICON 2 11 17 20 20 0x00000000 128\n"
      "control STATIC -1 40 10 119 8 0x50020000 Roadtally  1.0\n"
      "control BUTTON 1 113 41 50 14 0x50010001\n");
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->style, 0x80C80080u);
  EXPECT_EQ(dialog->cx, 140);
  EXPECT_EQ(dialog->cy, 57);
  EXPECT_EQ(dialog->x, 10);
  EXPECT_EQ(dialog->y, -20);
  EXPECT_EQ(dialog->pointSize, 9);
  EXPECT_EQ(dialog->fontFace, L"Gulim Che");
  EXPECT_EQ(dialog->caption, L"\uC815\uBCF4 Roadtally");
  ASSERT_EQ(dialog->items.size(), 3u);
  EXPECT_EQ(dialog->items[0].className, L"ICON");
  EXPECT_EQ(dialog->items[0].text, L"128");
  EXPECT_EQ(dialog->items[1].id, -1);
  EXPECT_EQ(dialog->items[1].cx, 119);
  EXPECT_EQ(dialog->items[1].style, 0x50020000u);
  EXPECT_EQ(dialog->items[1].text, L"Roadtally  1.0");  // inner spaces kept
  EXPECT_EQ(dialog->items[2].text, L"");
}

TEST(DialogTemplateTest, OptionalDirectivesDefault) {
  const auto dialog = res::ParseDialogTemplate(kMinimal);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->x, 0);
  EXPECT_TRUE(dialog->caption.empty());
  EXPECT_TRUE(dialog->items.empty());
}

TEST(DialogTemplateTest, RejectsMalformedTemplates) {
  const std::string base = kMinimal;
  const std::string bad[] = {
      "size 160 120\nfont 9 Gulim\n",             // no style
      "style 0x1\nfont 9 Gulim\n",                // no size
      "style 0x1\nsize 1 1\n",                    // no font
      base + "style 0x2\n",                       // repeated
      "style 1\nsize 1 1\nfont 9 G\n",            // style without 0x
      "style 0x123456789\nsize 1 1\nfont 9 G\n",  // too many digits
      "style 0xZZ\nsize 1 1\nfont 9 G\n",
      "style 0x1\nsize 1\nfont 9 G\n",      // one number
      "style 0x1\nsize 1 1 1\nfont 9 G\n",  // three numbers
      "style 0x1\nsize -1 1\nfont 9 G\n",
      "style 0x1\nsize 1 1\nfont 0 G\n",
      "style 0x1\nsize 1 1\nfont 9\n",                    // no face
      base + "colour red\n",                              // unknown directive
      base + "control EDIT 1 0 0 10 10 0x0 x\n",          // unknown class
      base + "control STATIC 1 0 0 10 10 x\n",            // style missing
      base + "control STATIC 1 0 0 10 -10 0x0 x\n",       // negative size
      base + "control STATIC 1 0 0 10\n",                 // cut short
      base + "control STATIC 99999999999 0 0 1 1 0x0\n",  // id overflows
      base + "caption \xC3\x28\n",                        // invalid UTF-8
      base + "caption \xED\xA0\x80\n",                    // encoded surrogate
      base + "caption \xC0\xAF\n",                        // overlong
  };
  for (const std::string& text : bad) EXPECT_FALSE(res::ParseDialogTemplate(text)) << text;
}

}  // namespace

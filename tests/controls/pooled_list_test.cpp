#include "controls/pooled_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Elements that own memory: ASan reports any that Clear or the destructor
// leaves behind.
TEST(PooledList, HandsOutEachBlockInMemoryOrderLinksInAddingOrderAndStartsAfreshAfterClear) {
  CPooledList<std::wstring> list(100);
  std::vector<CPooledList<std::wstring>::Node*> nodes;
  for (int i = 0; i < 250; ++i) nodes.push_back(list.AddTail(std::wstring(30, L'a' + i % 26)));
  EXPECT_EQ(list.GetCount(), 250);
  EXPECT_EQ(list.GetBlockCount(), 3u);
  for (int i = 1; i < 250; ++i) {
    if (i % 100 != 0) {
      EXPECT_EQ(nodes[i], nodes[i - 1] + 1) << "node " << i;
    }
    EXPECT_EQ(nodes[i]->prev, nodes[i - 1]) << "node " << i;
  }
  EXPECT_EQ(nodes[249]->next->next, nodes[0]);  // closed through the sentinel
  EXPECT_EQ(nodes[0]->prev, nodes[249]->next);
  EXPECT_EQ(list.At(137), std::wstring(30, L'a' + 137 % 26));
  int walked = 0;
  for (const std::wstring& text : list) EXPECT_EQ(text[0], L'a' + walked++ % 26);
  EXPECT_EQ(walked, 250);

  list.Clear();
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_EQ(list.GetBlockCount(), 0u);
  EXPECT_TRUE(list.begin() == list.end());
  for (int i = 0; i < 101; ++i) list.AddTail(std::to_wstring(i));
  EXPECT_EQ(list.GetBlockCount(), 2u);  // the first block's free nodes served 100
  EXPECT_EQ(list.At(0), L"0");
  EXPECT_EQ(list.At(100), L"100");
}

}  // namespace

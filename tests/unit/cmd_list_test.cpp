#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "toolbox/cmd_list.h"

namespace {

struct Item : CCmdNode {
  explicit Item(int v) : value(v) {}
  int value;
};

class CmdList : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 10; ++i) items.push_back(std::make_unique<Item>(i));
  }
  Item* It(int i) { return items[static_cast<size_t>(i)].get(); }
  // The values first to last by the cursor, and last to first by the links.
  std::vector<int> Forward() {
    std::vector<int> v;
    for (CCmdNode* n = list.GetFirst(); n; n = list.GetNext()) v.push_back(static_cast<Item*>(n)->value);
    return v;
  }
  std::vector<int> Backward() {
    std::vector<int> v;
    for (int k = list.GetCount(); k >= 1; --k) v.push_back(static_cast<Item*>(list.GetAt(k, false))->value);
    return v;
  }
  static std::vector<int> Reversed(std::vector<int> v) { return {v.rbegin(), v.rend()}; }

  CCmdList list;
  std::vector<std::unique_ptr<Item>> items;
};

TEST_F(CmdList, EmptyListAnswersNullEverywhere) {
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_EQ(list.GetFirst(), nullptr);
  EXPECT_EQ(list.GetNext(), nullptr);
  EXPECT_EQ(list.GetAt(1, true), nullptr);
  EXPECT_EQ(list.GetAt(0, false), nullptr);
  EXPECT_EQ(list.Remove(1), nullptr);
  EXPECT_EQ(list.RemoveFirst(), nullptr);
  list.Append(nullptr);
  list.InsertAfter(nullptr, 0);
  EXPECT_EQ(list.GetCount(), 0);
}

TEST_F(CmdList, AppendAndInsertAtEveryPosition) {
  list.Append(It(1));
  list.Append(It(3));
  list.InsertAfter(It(0), 0);   // front
  list.InsertAfter(It(2), 2);   // between 1 and 3
  list.InsertAfter(It(4), 4);   // after the last
  list.InsertBefore(It(5), 1);  // before the first = after 0
  EXPECT_EQ(Forward(), (std::vector<int>{5, 0, 1, 2, 3, 4}));
  EXPECT_EQ(Backward(), Reversed(Forward()));
  EXPECT_EQ(list.GetCount(), 6);
  // Out of range does nothing.
  list.InsertAfter(It(6), 7);
  list.InsertAfter(It(6), -1);
  list.InsertBefore(It(6), 0);
  EXPECT_EQ(list.GetCount(), 6);
  EXPECT_EQ(It(6)->m_pNext, nullptr);
}

TEST_F(CmdList, PositionsFromBothEndsAndTheCursor) {
  for (int i = 0; i < 7; ++i) list.Append(It(i));
  // Every position, whichever end the walk starts from.
  for (int k = 1; k <= 7; ++k) EXPECT_EQ(list.GetAt(k, false), It(k - 1)) << k;
  EXPECT_EQ(list.GetAt(8, false), nullptr);
  EXPECT_EQ(list.GetAt(-3, false), nullptr);

  // Positioning moves the cursor; next goes on from there.
  EXPECT_EQ(list.GetAt(5, true), It(4));
  EXPECT_EQ(list.GetNext(), It(5));
  EXPECT_EQ(list.GetNext(), It(6));
  EXPECT_EQ(list.GetNext(), nullptr);
  EXPECT_EQ(list.Cursor(), It(6));  // stays on the last element
  EXPECT_EQ(list.GetNext(), nullptr);

  // A failed lookup with the cursor moved puts it on the sentinel.
  EXPECT_EQ(list.GetAt(99, true), nullptr);
  EXPECT_TRUE(list.CursorAtSentinel());
  EXPECT_EQ(list.GetNext(), nullptr);
  // Without moving, the cursor stays.
  list.GetAt(2, true);
  list.GetAt(99, false);
  EXPECT_EQ(list.Cursor(), It(1));
}

TEST_F(CmdList, RemovalUnlinksAndCounts) {
  for (int i = 0; i < 5; ++i) list.Append(It(i));
  CCmdNode* n = list.Remove(3);
  EXPECT_EQ(n, It(2));
  EXPECT_EQ(n->m_pNext, nullptr);
  EXPECT_EQ(n->m_pPrev, nullptr);
  EXPECT_EQ(list.RemoveFirst(), It(0));
  EXPECT_EQ(list.Remove(list.GetCount()), It(4));
  EXPECT_EQ(Forward(), (std::vector<int>{1, 3}));
  EXPECT_EQ(Backward(), (std::vector<int>{3, 1}));

  list.GetAt(1, true);
  EXPECT_EQ(list.Remove(7), nullptr);  // out of range: cursor to the sentinel
  EXPECT_TRUE(list.CursorAtSentinel());
  EXPECT_EQ(list.GetCount(), 2);

  // A removed element can go back in, anywhere.
  list.InsertAfter(It(2), 1);
  EXPECT_EQ(Forward(), (std::vector<int>{1, 2, 3}));
  while (list.RemoveFirst()) {
  }
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_EQ(list.GetFirst(), nullptr);
  list.Append(It(9));
  EXPECT_EQ(Forward(), (std::vector<int>{9}));
  EXPECT_EQ(list.IndexOf(It(9)), 1);
  EXPECT_EQ(list.IndexOf(It(1)), 0);
}
}  // namespace

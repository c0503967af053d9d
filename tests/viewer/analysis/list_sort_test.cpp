#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "viewer/logic/ListSort.h"

namespace {

struct Item {
  int key;
  char tag;
};

std::string Tags(const std::vector<Item>& items) {
  std::string tags;
  for (const Item& i : items) tags += i.tag;
  return tags;
}

int ByKey(const Item& a, const Item& b) { return a.key < b.key ? -1 : a.key > b.key ? 1 : 0; }

// Orders traced by hand through the list sort (pivot at (L + R) div 2, the scans, the swap,
// L..j before i..R); a stable sort would keep the tags of equal keys in input order.
TEST(ListSort, EqualKeysEndWhereTheQuicksortPutsThem) {
  struct {
    std::vector<Item> items;
    const char* ascending;
  } cases[] = {
      {{{1, 'a'}, {1, 'b'}, {1, 'c'}}, "cba"},
      {{{2, 'x'}, {1, 'a'}, {1, 'b'}}, "bax"},
      {{{1, 'a'}, {1, 'b'}, {2, 'c'}, {1, 'd'}}, "dbac"},
      {{{2, 'a'}, {1, 'b'}, {2, 'c'}, {3, 'd'}}, "bcad"},
      {{{1, 'a'}}, "a"},
      {{}, ""},
  };
  for (auto& c : cases) {
    std::vector<Item> items = c.items;
    viewer::ListSort(items, ByKey);
    EXPECT_EQ(c.ascending, Tags(items)) << Tags(c.items);
  }
}

TEST(ListSort, DescendingComparisonOfTheSameRows) {
  std::vector<Item> items = {{2, 'a'}, {1, 'b'}, {2, 'c'}, {3, 'd'}};
  viewer::ListSort(items, [](const Item& a, const Item& b) { return -ByKey(a, b); });
  EXPECT_EQ("dcab", Tags(items));
}

TEST(ListSort, SortsAnyInputIntoOrderKeepingEveryItem) {
  std::mt19937 random(7);
  for (int size : {2, 3, 5, 18, 19, 100, 1000}) {
    for (int range : {2, 5, 1000}) {
      std::vector<Item> items;
      for (int i = 0; i < size; ++i) {
        items.push_back({static_cast<int>(random() % range), static_cast<char>('A' + i % 50)});
      }
      std::vector<Item> sorted = items;
      viewer::ListSort(sorted, ByKey);
      ASSERT_TRUE(std::is_sorted(sorted.begin(), sorted.end(),
                                 [](const Item& a, const Item& b) { return a.key < b.key; }))
          << size << " " << range;
      auto multiset = [](std::vector<Item> v) {
        std::vector<std::pair<int, char>> pairs;
        for (const Item& i : v) pairs.push_back({i.key, i.tag});
        std::sort(pairs.begin(), pairs.end());
        return pairs;
      };
      EXPECT_EQ(multiset(items), multiset(sorted)) << size << " " << range;
    }
  }
}

}  // namespace

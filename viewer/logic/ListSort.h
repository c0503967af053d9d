// The platform library's list sort, on which the analysis tables' row sorts rely: a
// quicksort that is not stable, so rows with equal keys end in the order this exact
// procedure gives them (not the order of std::sort).
#pragma once
#include <utility>
#include <vector>

namespace viewer {

namespace detail {

template <class Item, class Compare>
void QuickSort(std::vector<const Item*>& list, int left, int right, Compare& compare) {
  int i = 0;
  do {
    i = left;
    int j = right;
    const Item* pivot = list[(left + right) / 2];
    do {
      while (compare(*list[i], *pivot) < 0) ++i;
      while (compare(*list[j], *pivot) > 0) --j;
      if (i <= j) {
        std::swap(list[i], list[j]);
        ++i;
        --j;
      }
    } while (i <= j);
    if (left < j) QuickSort(list, left, j, compare);
    left = i;
  } while (i < right);
}

}  // namespace detail

// Sorts the items with compare(a, b) (negative, 0 or positive as a sorts before, with or
// after b): for a range L to R the pivot is the entry at (L + R) div 2; i starts at L and j
// at R; i moves up while its entry compares below the pivot, j down while its entry compares
// above it; when i <= j the two are swapped and both move one step; this repeats until
// i > j; then L to j is sorted the same way, then i to R. The comparison must be a total
// order (every comparison here is), or the scans could leave the list.
template <class Item, class Compare>
void ListSort(std::vector<Item>& items, Compare compare) {
  if (items.size() < 2) return;
  std::vector<const Item*> list;
  list.reserve(items.size());
  for (const Item& item : items) list.push_back(&item);
  detail::QuickSort(list, 0, static_cast<int>(list.size()) - 1, compare);
  std::vector<Item> sorted;
  sorted.reserve(items.size());
  for (const Item* item : list) sorted.push_back(std::move(*const_cast<Item*>(item)));
  items = std::move(sorted);
}

}  // namespace viewer

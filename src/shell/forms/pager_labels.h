#pragma once

#include <vector>

namespace cpe {

// The labels of the page-number bar: page numbers from 1, and kPagerEllipsis for "...".
inline constexpr int kPagerEllipsis = -1;
inline constexpr int kPagerMaxButtons = 7;

// At most seven labels for `count` pages with `current` shown: all pages when they fit, else the
// first and last page around a window of the current one, gaps shown as ellipses.
std::vector<int> PagerLabels(int count, int current);

// A label can be chosen when it is a page other than the current one.
bool PagerSelectable(int label, int current);

} // namespace cpe

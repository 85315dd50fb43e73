#pragma once
// The bounds every page uses for data sets, points and groups; one function each so a page never
// spells a limit twice.

namespace pages {

// Data sets, simple plots, group plots and pies: index 0..GetMaxDataSets()-1.
constexpr int GetMaxDataSets() {
    return 32;
}
// Points of one data set.
constexpr int GetMaxDataPoints() {
    return 1000000;
}
// Groups of a group data set and slices of a pie: index 0..GetMaxGroups()-1.
constexpr int GetMaxGroups() {
    return 16;
}

constexpr int ClampIndex(int index, int count) {
    return index < 0 ? 0 : (index >= count ? count - 1 : index);
}

} // namespace pages

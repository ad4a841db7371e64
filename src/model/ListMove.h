// Moving one element of an owning list to another index.
#pragma once

#include <algorithm>
#include <vector>

// The element at `from` goes to `index` (clamped to the list), the others keeping their order.
template <class T> void MoveInList(std::vector<T>& list, int from, int index) {
    const int last = static_cast<int>(list.size()) - 1;
    const auto at = list.begin() + from;
    const auto to = list.begin() + std::clamp(index, 0, last);
    if (to < at)
        std::rotate(to, at, at + 1);
    else
        std::rotate(at, at + 1, to + 1);
}

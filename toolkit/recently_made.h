// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A few things that are costly to make, kept by what they were made from: the one used
// last is kept longest, so something that takes turns among a few contents makes each once.
#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

template <class Key, class Value, std::size_t Kept>
class RecentlyMade {
public:
    template <class Make>
    const Value& Get(const Key& key, Make&& make) {
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (!(entries_[i].first == key)) continue;
            const auto at = entries_.begin() + static_cast<std::ptrdiff_t>(i);
            std::rotate(at, at + 1, entries_.end());
            return entries_.back().second;
        }
        if (entries_.size() == Kept) entries_.erase(entries_.begin());
        entries_.emplace_back(key, make());
        return entries_.back().second;
    }

private:
    std::vector<std::pair<Key, Value>> entries_;
};

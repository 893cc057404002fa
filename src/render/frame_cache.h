// FrameCache: things made on demand and kept while they are asked for frame after frame. At the
// end of each frame whatever that frame did not ask for is let go, so the cache never holds more
// than one frame's worth, however long the program runs.
#pragma once

#include <cstddef>
#include <map>
#include <utility>

template <class Key, class Value>
class FrameCache {
public:
    // The value kept for the key, or the one `make` makes for it now.
    template <class Make>
    const Value& get(const Key& key, Make make) {
        auto found = entries_.find(key);
        if (found == entries_.end()) found = entries_.emplace(key, Entry{make(), false}).first;
        found->second.asked = true;
        return found->second.value;
    }

    void end_frame() {
        for (auto entry = entries_.begin(); entry != entries_.end();) {
            if (entry->second.asked) {
                entry->second.asked = false;
                ++entry;
            } else {
                entry = entries_.erase(entry);
            }
        }
    }

    std::size_t size() const { return entries_.size(); }

private:
    struct Entry {
        Value value;
        bool asked;
    };
    std::map<Key, Entry> entries_;
};

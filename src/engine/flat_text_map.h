#pragma once
// A map from texts to values for lookups in the hot loops of the word pipeline: open addressing
// over the texts' 64-bit hashes, so that looking up a text that is not there (the usual case for
// a word list) rarely compares characters and never follows a chain of nodes.

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/text_helpers.h"

namespace lexorim {

// A 64-bit hash of the code units, mixed so that its low bits can choose a slot of an open table.
inline uint64_t HashOfUnits(TextView text) {
    uint64_t h = 0xcbf29ce484222325ULL;
    for (const char16_t c : text) {
        h ^= c;
        h *= 0x100000001b3ULL;
    }
    h ^= h >> 31;
    h *= 0x9e3779b97f4a7c15ULL;
    return h ^ (h >> 29);
}

template <typename Value>
class FlatTextMap {
  public:
    // Adds the key with the value unless the key is there; the value held and whether it was
    // added.
    std::pair<Value*, bool> TryEmplace(Text key, Value value) {
        const uint64_t hash = HashOfUnits(key);
        if (const size_t held = PositionOf(key, hash); held != kNowhere)
            return {&items_[held].value, false};
        if ((items_.size() + 1) * 2 > slots_.size())
            Grow();
        items_.push_back({hash, std::move(key), std::move(value)});
        Place(hash, items_.size() - 1);
        return {&items_.back().value, true};
    }

    const Value* Find(TextView key) const {
        const size_t position = PositionOf(key, HashOfUnits(key));
        return position == kNowhere ? nullptr : &items_[position].value;
    }
    bool Contains(TextView key) const { return Find(key) != nullptr; }
    size_t size() const { return items_.size(); }

  private:
    struct Item {
        uint64_t hash = 0;
        Text key;
        Value value;
    };

    static constexpr size_t kNowhere = static_cast<size_t>(-1);

    size_t PositionOf(TextView key, uint64_t hash) const {
        if (slots_.empty())
            return kNowhere;
        const size_t mask = slots_.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const uint32_t slot = slots_[i];
            if (slot == 0)
                return kNowhere;
            const Item& item = items_[slot - 1];
            if (item.hash == hash && item.key == key)
                return slot - 1;
        }
    }

    // A slot holds the item's position plus one; 0 is free.
    void Place(uint64_t hash, size_t position) {
        const size_t mask = slots_.size() - 1;
        size_t i = hash & mask;
        while (slots_[i] != 0)
            i = (i + 1) & mask;
        slots_[i] = static_cast<uint32_t>(position + 1);
    }

    void Grow() {
        slots_.assign(std::max<size_t>(64, slots_.size() * 2), 0);
        for (size_t k = 0; k < items_.size(); ++k)
            Place(items_[k].hash, k);
    }

    std::vector<Item> items_;
    std::vector<uint32_t> slots_;
};

// A set of views of texts kept elsewhere (which must outlive it), found as in FlatTextMap.
class FlatTextViewSet {
  public:
    // Adds the view unless an equal text is there; whether it was added.
    bool Insert(TextView text) {
        if ((items_.size() + 1) * 2 > slots_.size())
            Grow();
        const uint64_t hash = HashOfUnits(text);
        const size_t mask = slots_.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const uint32_t slot = slots_[i];
            if (slot == 0) {
                items_.push_back({hash, text});
                slots_[i] = static_cast<uint32_t>(items_.size());
                return true;
            }
            const Item& item = items_[slot - 1];
            if (item.hash == hash && item.text == text)
                return false;
        }
    }

  private:
    struct Item {
        uint64_t hash = 0;
        TextView text;
    };

    void Grow() {
        slots_.assign(std::max<size_t>(64, slots_.size() * 2), 0);
        const size_t mask = slots_.size() - 1;
        for (size_t k = 0; k < items_.size(); ++k) {
            size_t i = items_[k].hash & mask;
            while (slots_[i] != 0)
                i = (i + 1) & mask;
            slots_[i] = static_cast<uint32_t>(k + 1);
        }
    }

    std::vector<Item> items_;
    std::vector<uint32_t> slots_;
};

}  // namespace lexorim

#pragma once

#include <atomic>
#include <cstdint>

namespace sentari {

// Where the picks are in their walk through the non-empty lines: each cycle visits the
// slots 0 .. domain-1 in the order of a permutation keyed by salt and cycle, and a slot is a
// line's entry, counting around the lines deleted since the cycle began (holes). Lines added
// meanwhile take the slots after the last one and are visited once the permutation is done,
// so they join the cycle. Kept in the cache file, where every process shares it, and handed
// on to the index of the file's next version.
struct PickOrder {
    std::uint64_t salt = 0;
    std::uint64_t cycle = 0;
    std::uint64_t position = 0; // the next place of the walk to take
    std::uint64_t domain = 0;   // a power of two; 0 before the first cycle
    std::uint64_t holeCount = 0;
    static constexpr std::uint64_t MaxHoles = 7;
    std::uint64_t holes[MaxHoles] = {}; // slots of deleted lines, ascending
    std::uint64_t base = 0;             // slots in use when the cycle began

    // The slot at that place (below domain) of the cycle's permutation.
    static std::uint64_t slotAt(std::uint64_t place, std::uint64_t domain, std::uint64_t salt,
                                std::uint64_t cycle);
    // The entry at that slot, counting around the holes; -1 for a deleted line's slot.
    std::int64_t entryOfSlot(std::uint64_t slot);
    // The first of `lines` entries the cycle would give; -1 when none.
    std::int64_t firstEntry(std::int64_t lines) const;
    // The line of that entry is being deleted: the walk goes on around its slot.
    void noteRemoved(std::int64_t entry);
};

// The order lies in the mapped cache file that every picking process shares: its fields are
// read and written with relaxed atomics.
template <class T> T loadShared(T& field)
{
    return std::atomic_ref<T>(field).load(std::memory_order_relaxed);
}
template <class T> void storeShared(T& field, T value)
{
    std::atomic_ref<T>(field).store(value, std::memory_order_relaxed);
}

} // namespace sentari

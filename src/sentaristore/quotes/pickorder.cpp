#include "pickorder.h"

#include <algorithm>
#include <bit>

namespace sentari {

namespace {

std::uint64_t mix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

// A one-to-one map of [0, domain), a power of two, chosen by the key: rounds of a multiply by
// an odd number, an add and an xor with a right shift, each one-to-one on the domain's bits.
std::uint64_t permute(std::uint64_t x, std::uint64_t domain, std::uint64_t key)
{
    const std::uint64_t mask = domain - 1;
    const int shift = std::countr_zero(domain) / 2 + 1;
    for (int round = 0; round < 4; ++round) {
        key = mix(key);
        x = (x * (key | 1)) & mask;
        x = (x + (key >> 32)) & mask;
        x ^= x >> shift;
    }
    return x;
}

// The permutation's key for one cycle of an order.
std::uint64_t cycleKey(std::uint64_t salt, std::uint64_t cycle)
{
    return mix(salt ^ mix(cycle));
}

} // namespace

std::uint64_t PickOrder::slotAt(std::uint64_t place, std::uint64_t domain, std::uint64_t salt,
                                std::uint64_t cycle)
{
    return permute(place, domain, cycleKey(salt, cycle));
}

std::int64_t PickOrder::entryOfSlot(std::uint64_t slot)
{
    const std::uint64_t count = std::min(loadShared(holeCount), MaxHoles);
    std::uint64_t below = 0;
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t hole = loadShared(holes[i]);
        if (hole == slot)
            return -1;
        below += hole < slot ? 1 : 0;
    }
    return static_cast<std::int64_t>(slot - below);
}

std::int64_t PickOrder::firstEntry(std::int64_t lines) const
{
    const std::uint64_t key = cycleKey(salt, cycle);
    for (std::uint64_t p = 0; p < domain; ++p) {
        const std::uint64_t slot = permute(p, domain, key);
        if (slot < static_cast<std::uint64_t>(lines))
            return static_cast<std::int64_t>(slot);
    }
    return -1;
}

void PickOrder::noteRemoved(std::int64_t entry)
{
    auto slot = static_cast<std::uint64_t>(entry);
    const std::uint64_t count = std::min(loadShared(holeCount), MaxHoles);
    std::uint64_t seen[MaxHoles];
    for (std::uint64_t i = 0; i < count; ++i)
        seen[i] = loadShared(holes[i]);
    for (std::uint64_t i = 0; i < count; ++i)
        slot += seen[i] <= slot ? 1 : 0; // ascending: each hole below pushes the slot on
    if (count == MaxHoles) {
        // Too many to follow: a new cycle begins at the next pick.
        // Past the added lines' walk too.
        storeShared(position, loadShared(domain) + (std::uint64_t{1} << 62));
        return;
    }
    std::uint64_t at = count;
    while (at > 0 && seen[at - 1] > slot) {
        storeShared(holes[at], seen[at - 1]);
        --at;
    }
    storeShared(holes[at], slot);
    storeShared(holeCount, count + 1);
}

} // namespace sentari

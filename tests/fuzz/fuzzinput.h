#pragma once

// Shared by the harnesses: a failed property aborts, so libFuzzer keeps the input as a
// finding, and a reader that takes the fuzzer's bytes apart without ever running out.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__,        \
                         #condition);                                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace sentari::fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size)
    {
    }

    // 0 once the bytes are used up.
    std::uint8_t byte()
    {
        if (rest_.empty())
            return 0;
        const auto b = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    // A length byte, then up to that many bytes.
    std::string_view counted()
    {
        const std::size_t n = byte();
        const auto taken = rest_.substr(0, n);
        rest_.remove_prefix(taken.size());
        return taken;
    }
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};

} // namespace sentari::fuzz

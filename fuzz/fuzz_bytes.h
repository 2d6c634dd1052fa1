#pragma once

// Arbitrary fuzz input taken apart into the choices and texts a target needs.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class FuzzBytes {
public:
    FuzzBytes(const std::uint8_t* data, std::size_t size)
        : rest(reinterpret_cast<const char*>(data), size)
    {
    }

    std::uint8_t byte()
    {
        if (rest.empty())
            return 0;
        const auto value = static_cast<std::uint8_t>(rest.front());
        rest.remove_prefix(1);
        return value;
    }
    bool flag() { return (byte() & 1) != 0; }
    // The bytes up to the next `end` (which is dropped), or all that are left.
    std::string_view text(char end = '\n')
    {
        const std::size_t at = rest.find(end);
        const std::string_view taken = rest.substr(0, at);
        rest.remove_prefix(at == std::string_view::npos ? rest.size() : at + 1);
        return taken;
    }
    std::string_view left() const { return rest; }

private:
    std::string_view rest;
};

// Stops the run: libFuzzer keeps the input that broke a promise.
inline void require(bool holds)
{
    if (!holds)
        __builtin_trap();
}

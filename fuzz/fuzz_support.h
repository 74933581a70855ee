// What every fuzzer shares: failing a property, and cutting the input into texts.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace amorist::fuzz {

// libFuzzer treats an abort as a crash and keeps the input that caused it, which is all a broken
// property needs to be reproduced.
[[noreturn]] inline void Fail(const char* property) {
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

inline void Require(bool holds, const char* property) {
    if (!holds)
        Fail(property);
}

// The first N-1 line breaks separate N texts; the last text keeps the rest of the input, line
// breaks included, and texts the input does not reach are empty. Seeds stay readable this way:
// "1975\nMarch\n7" is a year, a month and a day.
template <std::size_t N>
std::array<std::string_view, N> Fields(const std::uint8_t* data, std::size_t size) {
    std::array<std::string_view, N> fields{};
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (std::size_t i = 0; i + 1 < N; ++i) {
        const std::size_t end = rest.find('\n');
        if (end == std::string_view::npos) {
            fields[i] = rest;
            return fields;
        }
        fields[i] = rest.substr(0, end);
        rest.remove_prefix(end + 1);
    }
    fields[N - 1] = rest;
    return fields;
}

}  // namespace amorist::fuzz

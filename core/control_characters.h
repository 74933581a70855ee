// The characters a terminal acts on rather than shows. No text from outside
// reaches a terminal raw with one in it, and no settings file of ours holds one.
#pragma once

namespace amorist {

// The C0 controls, DEL and the C1 controls (U+0080 to U+009F).
constexpr bool IsControlCharacter(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

}  // namespace amorist

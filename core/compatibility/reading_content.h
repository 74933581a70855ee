// What a reading shows for a compatibility number: swatch, colour, word, paragraph.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace amorist {

struct Rgb {
    std::uint8_t red, green, blue;
};

// In English; where a reading is shown, the three texts are translated in the
// context "reading".
struct Category {
    std::string_view colourName;
    std::string_view word;
    std::string_view paragraph;
};

// Swatch picture n (1 to 12) has colour kSwatchColours[n - 1].
extern const std::array<Rgb, 12> kSwatchColours;

// The category for number n, tested in the order 1; 2 or 12; 3 or 11; ... 7.
// nullptr when no category holds n.
const Category* CategoryFor(int n);

// CompatibilityNumber as a whole number; nullopt when the text does not read.
std::optional<int> NumberFromText(std::string_view text);

}  // namespace amorist

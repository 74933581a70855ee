// Turns an ordered pair of signs into a compatibility number from 1 to 12.
#pragma once

#include <string_view>

namespace amorist {

class modRomanticCompatibility {
public:
    // Sets CompatibilityNumber when "first-second" is one of the 144 sign-pair
    // keys (exact, case-sensitive); leaves it as it was otherwise.
    void FindCompatibilityNumber(std::string_view first, std::string_view second);

    // "1" to "12", or empty while no pair has matched yet.
    std::string_view CompatibilityNumber() const { return number_; }

private:
    std::string_view number_;
};

}  // namespace amorist

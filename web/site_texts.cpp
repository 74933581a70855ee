// Writes what the site's assembly (make_site.py) takes from the core, so that
// the script restates none of it:
//   amorist-site-texts OUT_DIR CATALOGUE...
// OUT_DIR/months.txt holds the English month names, one a line, and
// OUT_DIR/<name of each CATALOGUE> the cut of it the page's core fetches.
// Built with the web edition and run by node at build time.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "core/ephemeris/zodiac.h"
#include "translations/hashed_catalogue.h"

namespace {

// The contexts of the texts the core translates: the reading, its dates and signs,
// amorist-cli's refusal lines, which the page keeps to the letter, and refer-a-friend's checks.
constexpr std::string_view kCoreContexts[] = {"zodiac",        "reading",     "birth_data_check",
                                              "program_state", "amorist-cli", "modTellAFriend"};

bool Fail(const std::string& message) {
    std::cerr << "amorist-site-texts: " << message << '\n';
    return false;
}

bool Write(const std::filesystem::path& path, std::string_view data) {
    std::ofstream out(path, std::ios::binary);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    out.close();
    return out ? true : Fail(path.string() + ": cannot write");
}

bool WriteCut(const std::filesystem::path& folder, const std::filesystem::path& catalogue) {
    std::ifstream in(catalogue, std::ios::binary);
    const std::string data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in)
        return Fail(catalogue.string() + ": cannot read");
    std::string error;
    const std::optional<std::string> cut = amorist::HashedCatalogue(data, kCoreContexts, error);
    if (!cut)
        return Fail(catalogue.string() + ": " + error);
    return Write(folder / catalogue.filename(), *cut);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Fail("usage: amorist-site-texts OUT_DIR CATALOGUE...") ? 0 : 2;
    const std::filesystem::path folder(argv[1]);
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    std::string months;
    for (std::string_view month : amorist::kMonthNames)
        months.append(month).append(1, '\n');
    bool written = Write(folder / "months.txt", months);
    for (int i = 2; i < argc; ++i)
        written = WriteCut(folder, argv[i]) && written;
    return written ? 0 : 1;
}

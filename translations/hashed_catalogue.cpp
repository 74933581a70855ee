#include "translations/hashed_catalogue.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <vector>

#include "translations/catalogue.h"
#include "translations/catalogue_format.h"

namespace amorist {
using namespace catalogue_format;

std::optional<std::string> HashedCatalogue(std::string_view catalogue,
                                           std::span<const std::string_view> contexts,
                                           std::string& error) {
    const std::vector<std::string_view> records = Split(catalogue, kRecordSeparator);
    if (!Catalogue::Read(catalogue) || Split(records.front(), kFieldSeparator).size() != 3) {
        error = "not a catalogue with its sources spelled out";
        return std::nullopt;
    }
    std::string cut(records.front());
    cut.append(1, kFieldSeparator).append("sources-hashed");
    std::set<std::tuple<std::string_view, std::string, std::string_view>> seen;
    for (std::size_t i = 1; i < records.size(); ++i) {
        std::vector<std::string_view> fields = Split(records[i], kFieldSeparator);
        if (std::find(contexts.begin(), contexts.end(), fields[0]) == contexts.end())
            continue;
        const std::string hash = Catalogue::SourceHash(fields[1]);
        if (!seen.emplace(fields[0], hash, fields[2]).second) {
            error =
                "two sources of context '" + std::string(fields[0]) + "' share the hash " + hash;
            return std::nullopt;
        }
        cut.append(1, kRecordSeparator).append(fields[0]).append(1, kFieldSeparator).append(hash);
        for (std::size_t field = 2; field < fields.size(); ++field)
            cut.append(1, kFieldSeparator).append(fields[field]);
    }
    return cut;
}

}  // namespace amorist

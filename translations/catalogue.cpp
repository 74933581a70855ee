#include "translations/catalogue.h"
#include "translations/catalogue_format.h"

#include <cstdint>

namespace amorist {
using namespace catalogue_format;

std::optional<Catalogue> Catalogue::Read(std::string_view data) {
    Catalogue catalogue;
    catalogue.data_ = std::make_shared<const std::string>(data);
    const std::vector<std::string_view> records = Split(*catalogue.data_, kRecordSeparator);
    const std::vector<std::string_view> header = Split(records.front(), kFieldSeparator);
    if (header.size() < 3 || header.size() > 4 || header[0] != "amorist-catalogue" ||
        header[1].empty())
        return std::nullopt;
    if (header.size() == 4) {
        if (header[3] != "sources-hashed")
            return std::nullopt;
        catalogue.sourcesHashed_ = true;
    }
    catalogue.code_ = header[1];
    if (header[2] == "one-is-1") {
        catalogue.rule_ = PluralRule::OneIs1;
    } else if (header[2] == "one-below-2") {
        catalogue.rule_ = PluralRule::OneBelow2;
    } else {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < records.size(); ++i) {
        std::vector<std::string_view> fields = Split(records[i], kFieldSeparator);
        if (fields.size() < 4)
            return std::nullopt;
        const Key key{fields[0], fields[1], fields[2]};
        fields.erase(fields.begin(), fields.begin() + 3);
        catalogue.entries_.insert_or_assign(key, std::move(fields));
    }
    return catalogue;
}

// FNV-1a over the source's bytes, as eight hexadecimal digits.
std::string Catalogue::SourceHash(std::string_view source) {
    std::uint32_t hash = 2166136261u;
    for (unsigned char byte : source)
        hash = (hash ^ byte) * 16777619u;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex(8, '0');
    for (int i = 7; i >= 0; --i, hash >>= 4)
        hex[static_cast<std::size_t>(i)] = kHex[hash & 0xF];
    return hex;
}

std::optional<std::string_view> Catalogue::Find(std::string_view context, std::string_view source,
                                                std::string_view comment, int n) const {
    const std::string hashed = sourcesHashed_ ? SourceHash(source) : std::string();
    const std::string_view key = sourcesHashed_ ? std::string_view(hashed) : source;
    auto entry = entries_.find(Key{context, key, comment});
    if (entry == entries_.end() && !comment.empty())
        entry = entries_.find(Key{context, key, {}});
    if (entry == entries_.end())
        return std::nullopt;
    const std::vector<std::string_view>& forms = entry->second;
    std::size_t form = 0;
    if (n >= 0) {
        const bool one = rule_ == PluralRule::OneIs1 ? n == 1 : n < 2;
        form = one ? 0 : 1;
    }
    // As in Qt, a form the entry lacks (a plain entry asked for its plural) finds nothing.
    if (form >= forms.size() || forms[form].empty())
        return std::nullopt;
    return forms[form];
}

std::string_view Catalogue::Translate(std::string_view context, std::string_view source,
                                      std::string_view comment, int n) const {
    return Find(context, source, comment, n).value_or(source);
}

}  // namespace amorist

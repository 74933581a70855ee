// The program's translations without Qt: what translations/make_catalogues.py
// writes from the .ts files at build time, read back and looked up the way
// QTranslator looks up a .qm file.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace amorist {

class Catalogue {
public:
    // A catalogue as the generator writes it; nullopt for anything else.
    static std::optional<Catalogue> Read(std::string_view data);

    // The language the catalogue translates into: "de".
    std::string_view code() const { return code_; }

    // A catalogue may name each source by SourceHash(source) instead of
    // spelling it out ("sources-hashed" in its header), which keeps long
    // sources out of what a web page fetches.
    static std::string SourceHash(std::string_view source);

    // The translation of source in context, with the form for n where the
    // translation has numerus forms; nullopt when the catalogue has none, and
    // the caller shows the source. A comment that finds nothing falls back to
    // the entry without one, as in Qt.
    std::optional<std::string_view> Find(std::string_view context, std::string_view source,
                                         std::string_view comment = {}, int n = -1) const;

    // Find, or the source itself.
    std::string_view Translate(std::string_view context, std::string_view source,
                               std::string_view comment = {}, int n = -1) const;

private:
    enum class PluralRule { OneIs1, OneBelow2 };
    using Key = std::tuple<std::string_view, std::string_view, std::string_view>;

    Catalogue() = default;

    std::shared_ptr<const std::string> data_;  // the views below point into it
    std::string_view code_;
    PluralRule rule_ = PluralRule::OneIs1;
    bool sourcesHashed_ = false;
    std::map<Key, std::vector<std::string_view>, std::less<>> entries_;
};

// The catalogue of a language built into the program, as the generator wrote
// it: empty for a language without one.
std::string_view EmbeddedCatalogue(std::string_view code);

}  // namespace amorist

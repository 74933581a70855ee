// The cut of a catalogue a web page fetches: only what its core translates,
// with each source named by its hash, which keeps the long paragraphs' English
// out of every download.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace amorist {

// The entries of catalogue whose context is one of contexts, each source
// replaced by Catalogue::SourceHash(source), under a header that says so;
// Catalogue::Read reads it back. nullopt, with the reason in error, for data
// that is no catalogue of spelled-out sources, and when two kept sources of
// one context share a hash, which would leave one of them untranslated.
std::optional<std::string> HashedCatalogue(std::string_view catalogue,
                                           std::span<const std::string_view> contexts,
                                           std::string& error);

}  // namespace amorist

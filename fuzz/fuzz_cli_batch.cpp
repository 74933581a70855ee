// amorist-cli batch with any input. However the input arrives in pieces, the output is the same;
// each good line gives exactly what the reading command gives for its four fields, in the
// language the input picks; every bad line is reported as one printable "line N:" line on stderr.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/commands.h"
#include "reading/language.h"
#include "cli/output.h"
#include "reading/text_output.h"
#include "translations/translated_languages.h"
#include "fuzz/fuzz_support.h"

namespace {

using amorist::cli::Batch;
using amorist::reading::Language;
using amorist::cli::LineSplitter;
using amorist::cli::Output;
using amorist::fuzz::Require;

struct Printed {
    std::string out, err;
    bool badLine = false;
};

Printed RunBatch(std::string_view input, bool json, std::size_t piece, const Language& language) {
    Printed printed;
    Output out(printed.out), err(printed.err);
    Batch batch(json, out, err, language);
    for (std::size_t next = 0; next < input.size(); next += piece)
        batch.Feed(input.substr(next, piece));
    batch.Finish();
    out.Flush();
    printed.badLine = batch.hadBadLine();
    return printed;
}

// What reading --json prints, line by line, for the lines batch takes as couples.
std::string ReadingsOf(std::string_view input, std::string_view lang) {
    std::string expected;
    LineSplitter lines;
    std::string scratch(input.size(), '\0');
    auto reading = [&](const LineSplitter::Line& line) {
        if (line.tooLong || line.text.find_first_not_of(" \t") == std::string_view::npos)
            return;
        const auto fields = amorist::cli::SplitCsvCouple(line.text, scratch.data());
        const auto& a = fields.args;
        // A command line cannot carry a NUL, so the reading command never sees one.
        if (fields.fault != amorist::cli::CsvFault::None ||
            std::string_view(line.text).find('\0') != std::string_view::npos)
            return;
        const std::vector<std::string> args = {"reading",
                                               "--json",
                                               "--lang",
                                               std::string(lang),
                                               "--",
                                               std::string(a.name),
                                               std::string(a.date),
                                               std::string(a.partnerName),
                                               std::string(a.partnerDate)};
        std::string err;
        Output out(expected), errors(err);
        amorist::cli::Run(args, {-1, out, errors, 80});
    };
    lines.Feed(input, reading);
    lines.Finish(reading);
    return expected;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // Small pieces of a size the input chooses, as a slow pipe would deliver them.
    const std::size_t piece = size == 0 ? 1 : 1 + data[0] % 16;

    const Printed csv = RunBatch(input, false, size + 1, Language::English());
    const Printed csvInPieces = RunBatch(input, false, piece, Language::English());
    Require(csv.out == csvInPieces.out && csv.err == csvInPieces.err,
            "the pieces the input comes in change nothing");
    Require(csv.out.starts_with("name,date,mars,venus,"), "CSV output starts with its header");
    Require(amorist::reading::IsValidUtf8(csv.out) && amorist::reading::IsValidUtf8(csv.err),
            "output and messages are UTF-8 whatever the input");
    Require(csv.badLine == !csv.err.empty(), "a bad line is reported, and only a bad line");
    for (std::size_t at = 0; at < csv.err.size();) {
        const std::size_t end = csv.err.find('\n', at);
        Require(end != std::string::npos, "every message ends its line");
        const std::string_view line = std::string_view(csv.err).substr(at, end - at);
        Require(line.starts_with("amorist-cli: line "), "a message names its line");
        for (char c : line)
            Require(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F,
                    "a message holds no control character");
        at = end + 1;
    }

    // English or one of the translations.
    const std::size_t choice = size < 2 ? 0 : data[1] % (amorist::kTranslatedLanguages.size() + 1);
    const std::string_view lang = choice == 0 ? "en" : amorist::kTranslatedLanguages[choice - 1];
    // Refusals speak the language of the output, so JSON is held to CSV in the same language.
    const Printed json = RunBatch(input, true, piece, *Language::Named(lang));
    const Printed csvInLanguage = RunBatch(input, false, piece, *Language::Named(lang));
    Require(json.err == csvInLanguage.err, "JSON output refuses the same lines");
    if (input.find('\0') == std::string_view::npos) {
        Require(json.out == ReadingsOf(input, lang),
                "each JSON line is what the reading command prints");
    }
    return 0;
}

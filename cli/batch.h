// batch: readings for a stream of couples, one CSV line each, at the speed of
// the stream. Each good line costs no allocation: the 144 possible readings
// are written out once, and each line only adds the two people.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "reading/couple.h"
#include "reading/language.h"
#include "cli/output.h"

namespace amorist::cli {

// Cuts a byte stream, fed in pieces of any size, into lines ended by LF or
// CRLF (the last line may lack its end). A line longer than kLongestLine bytes
// is reported as too long, and no more than kLongestLine + 1 bytes of it are
// ever kept.
class LineSplitter {
public:
    static constexpr std::size_t kLongestLine = 64 * 1024;

    struct Line {
        std::uint64_t number;   // from 1
        std::string_view text;  // without its line end; empty when tooLong
        bool tooLong;
    };

    LineSplitter();

    // onLine(const Line&) runs for each line the piece completes.
    template <typename OnLine>
    void Feed(std::string_view piece, OnLine&& onLine);
    // The unended last line, if any.
    template <typename OnLine>
    void Finish(OnLine&& onLine);

private:
    template <typename OnLine>
    void Emit(std::string_view text, OnLine& onLine);

    std::string carry_;  // the start of a line the next piece ends
    bool skipping_ = false;
    std::uint64_t number_ = 0;
};

// The four fields of a couple's CSV line, or what is wrong with the line.
enum class CsvFault : std::uint8_t {
    None,
    FieldCount,
    UnclosedQuote,
    QuoteInBareField,
    TextAfterQuote,
};

struct CsvCouple {
    CoupleArgs args;
    std::size_t fieldCount = 0;
    CsvFault fault = CsvFault::None;
};

// RFC 4180 fields: a field that begins with a quote ends at the next lone
// quote, and "" inside it stands for one quote. Such a field's text is copied
// to scratch, which must hold line.size() bytes, when it holds a doubled quote.
CsvCouple SplitCsvCouple(std::string_view line, char* scratch);

std::string CsvFaultMessage(const CsvCouple& couple);

struct PairTexts;

// Writes the readings of good couples to out and a line per bad one to err,
// their colour names, categories and paragraphs in the language.
class Batch {
public:
    Batch(bool json, Output& out, Output& err, const Language& language = Language::English());
    ~Batch();

    void Feed(std::string_view piece);
    void Finish();
    bool HadBadLine() const { return hadBadLine_; }

private:
    void Start();
    void Take(const LineSplitter::Line& line);
    void Refuse(std::uint64_t number, std::string_view why);
    void WriteCouple(const Couple& couple);

    bool json_;
    // Every reading a couple can have, written out once per language.
    std::shared_ptr<const PairTexts> texts_;
    Output& out_;
    Output& err_;
    LineSplitter lines_;
    std::string scratch_;
    std::string text_;  // the output line being made
    std::string yourDate_, partnersDate_;
    bool started_ = false;
    bool hadBadLine_ = false;
};

// batch as the command line runs it: FILE, or in when the path is empty or
// "-". The exit status; a read error is reported on err.
int RunBatch(std::string_view path, int in, bool json, const Language& language, Output& out,
             Output& err);

// ---- implementation of the templates ----

template <typename OnLine>
void LineSplitter::Emit(std::string_view text, OnLine& onLine) {
    if (!text.empty() && text.back() == '\r')
        text.remove_suffix(1);
    const bool tooLong = text.size() > kLongestLine;
    onLine(Line{++number_, tooLong ? std::string_view() : text, tooLong});
}

template <typename OnLine>
void LineSplitter::Feed(std::string_view piece, OnLine&& onLine) {
    // One byte more than a line may hold, for the CR of a CRLF.
    constexpr std::size_t kKept = kLongestLine + 1;
    while (!piece.empty()) {
        const std::size_t end = piece.find('\n');
        if (end == std::string_view::npos) {
            if (!skipping_ && carry_.size() + piece.size() > kKept) {
                skipping_ = true;
                carry_.clear();
            }
            if (!skipping_)
                carry_.append(piece);
            return;
        }
        const std::string_view rest = piece.substr(0, end);
        piece.remove_prefix(end + 1);
        if (skipping_ || carry_.size() + rest.size() > kKept) {
            skipping_ = false;
            carry_.clear();
            onLine(Line{++number_, {}, true});
        } else if (!carry_.empty()) {
            carry_.append(rest);
            Emit(carry_, onLine);
            carry_.clear();
        } else {
            Emit(rest, onLine);
        }
    }
}

template <typename OnLine>
void LineSplitter::Finish(OnLine&& onLine) {
    if (skipping_) {
        onLine(Line{++number_, {}, true});
    } else if (!carry_.empty()) {
        Emit(carry_, onLine);
    }
    skipping_ = false;
    carry_.clear();
}

}  // namespace amorist::cli

// batch: readings for a stream of couples, one CSV line each, at the speed of
// the stream. Each good line costs no allocation: the 144 possible readings
// are written out once, and each line only adds the two people.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "reading/couple.h"
#include "reading/language.h"
#include "cli/output.h"

namespace amorist::cli {

// amorist-cli speaks the reading library's words: languages, couples, dates, output forms.
using namespace amorist::reading;

// The header line batch skips on its input and writes on its CSV output.
inline constexpr std::string_view kCsvInputHeader = "name,date,partner_name,partner_date";
inline constexpr std::string_view kCsvOutputHeader =
    "name,date,mars,venus,partner_name,partner_date,partner_mars,partner_venus,"
    "number1,category1,number2,category2";

// Cuts a byte stream, fed in pieces of any size, into CSV records as
// spreadsheets write them: a byte-order mark at the very start is dropped,
// CR, LF and CRLF each end a line, and a quoted field may run over lines
// (RFC 4180). A record longer than kLongestLine bytes is reported as too
// long. A quote still open when the record reaches that length or the input
// ends makes the record bad, and reading resumes on the line after its first
// line. Each byte is looked at a bounded number of times, whatever the input.
class LineSplitter {
public:
    static constexpr std::size_t kLongestLine = 64 * 1024;

    struct Line {
        std::uint64_t number;   // the line the record starts on, from 1
        std::string_view text;  // without its line end; empty when tooLong or unclosedQuote
        bool tooLong;
        bool unclosedQuote = false;
    };

    LineSplitter();

    // onLine(const Line&) runs for each record the piece completes.
    template <typename OnLine>
    void Feed(std::string_view piece, OnLine&& onLine);
    // The unended last record, if any.
    template <typename OnLine>
    void Finish(OnLine&& onLine);

private:
    // Where the record is, as far as quotes go.
    enum class Field : std::uint8_t { Start, Bare, Quoted, QuoteInQuoted };
    static Field Next(Field field, char c) {
        switch (field) {
            case Field::Start:
                return c == '"' ? Field::Quoted : c == ',' ? Field::Start : Field::Bare;
            case Field::Bare:
                return c == ',' ? Field::Start : Field::Bare;
            case Field::Quoted:
                return c == '"' ? Field::QuoteInQuoted : Field::Quoted;
            case Field::QuoteInQuoted:
                break;
        }
        return c == '"' ? Field::Quoted : c == ',' ? Field::Start : Field::Bare;
    }

    // A line after the first of a record whose quote is open, as a record of
    // its own would read it: where it starts and ends in carry_, and whether
    // its quotes would be closed at its end. Should the open quote never
    // close, these lines are what reading goes on with, without being read
    // again: a line whose own quotes are open at its end is from there on in
    // the very state the record was, so it follows the record's course.
    struct InnerLine {
        std::size_t start;
        std::size_t end = std::string::npos;  // npos while the line goes on
        std::uint64_t number;
        bool closes = false;
    };

    template <typename OnLine>
    void Scan(std::string_view bytes, OnLine& onLine);
    // Whether every field of line that opens a quote closes it on the line.
    static bool QuotesCloseOn(std::string_view line);
    // Reports the record as unclosed and goes on with its later lines as
    // records of their own; false when the record has a single line.
    template <typename OnLine>
    bool GiveUpQuote(OnLine& onLine);
    void StartRecord();
    // The record read so far, carry_ from head_ on.
    std::size_t CarriedSize() const { return carry_.size() - head_; }
    void DropBefore(std::size_t offset);

    std::string carry_;  // the start of a record the next piece goes on with
    std::size_t head_ = 0;  // where the record starts in carry_
    std::vector<InnerLine> inner_;  // from firstInner_ on: the record's later lines
    std::size_t firstInner_ = 0;
    Field field_ = Field::Start;
    Field innerField_ = Field::Start;  // of the last inner line, read on its own
    bool skipping_ = false;      // the rest of an overlong line
    bool skipReported_ = false;  // ... already reported for its unclosed quote
    bool afterCr_ = false;       // an LF now ends no line
    std::size_t markSeen_ = 0;   // bytes of a byte-order mark at the start
    bool started_ = false;
    std::uint64_t lineEnds_ = 0;  // the lines ended so far
    std::uint64_t recordLine_ = 1;
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

std::string CsvFaultMessage(const CsvCouple& couple, const Language& language = Language::English());

struct PairTexts;

// Writes the readings of good couples to out and a line per bad one to err,
// their colour names, categories and paragraphs in the language.
class Batch {
public:
    Batch(bool json, Output& out, Output& err, const Language& language = Language::English());
    ~Batch();

    void Feed(std::string_view piece);
    void Finish();
    bool hadBadLine() const { return hadBadLine_; }

private:
    void Start();
    void Take(const LineSplitter::Line& line);
    void Refuse(std::uint64_t number, std::string_view why);
    void WriteCouple(const Couple& couple);

    bool json_;
    Language language_;  // of the messages about bad lines
    // Every reading a couple can have, written out before the first line.
    std::unique_ptr<const PairTexts> texts_;
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
void LineSplitter::Feed(std::string_view piece, OnLine&& onLine) {
    static constexpr std::string_view kMark = "\xEF\xBB\xBF";
    while (!started_ && !piece.empty()) {
        if (piece.front() != kMark[markSeen_]) {
            started_ = true;
            Scan(kMark.substr(0, markSeen_), onLine);  // not a mark after all
            break;
        }
        piece.remove_prefix(1);
        started_ = ++markSeen_ == kMark.size();
    }
    if (started_)
        Scan(piece, onLine);
}

template <typename OnLine>
bool LineSplitter::GiveUpQuote(OnLine& onLine) {
    onLine(Line{recordLine_, {}, false, true});
    while (firstInner_ < inner_.size()) {
        const InnerLine line = inner_[firstInner_++];
        if (line.end != std::string::npos && line.closes) {
            const std::string_view text(carry_.data() + line.start, line.end - line.start);
            onLine(Line{line.number, text, false});
            continue;
        }
        // The first line that does not close on its own: the record reading
        // goes on with. The last line, still going, goes on as read on its own.
        recordLine_ = line.number;
        if (line.end == std::string::npos) {
            field_ = innerField_;
            inner_.clear();
            firstInner_ = 0;
        }
        DropBefore(line.start);
        return true;
    }
    return false;
}

template <typename OnLine>
void LineSplitter::Scan(std::string_view bytes, OnLine& onLine) {
    std::size_t from = 0;      // the record's bytes in this piece start here
    std::size_t lineFeed = 0;  // the first LF from `at` on, bytes.size() for none
    bool lineFeedKnown = false;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        // Most records are one line whose quotes, if any, close on it. Such a
        // record is found by a few searches instead of byte by byte; any other
        // is left to the loop below. The next LF is looked for once and kept,
        // and the other searches end within the record's first line, so each
        // byte is still looked at a bounded number of times.
        if (from == at && carry_.empty() && inner_.empty() && field_ == Field::Start && !afterCr_ &&
            !skipping_) {
            if (!lineFeedKnown || lineFeed < at) {
                lineFeed = std::min(bytes.find('\n', at), bytes.size());
                lineFeedKnown = true;
            }
            std::string_view line = bytes.substr(at, lineFeed - at);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);  // CRLF
            if (lineFeed < bytes.size() && line.size() <= kLongestLine &&
                line.find('\r') == std::string_view::npos && QuotesCloseOn(line)) {
                ++lineEnds_;
                onLine(Line{recordLine_, line, false});
                StartRecord();
                at = lineFeed;
                from = at + 1;
                continue;
            }
        }
        // Within a line, the bytes up to the next line end, comma or (in a
        // quoted field) quote change nothing, as long as the record stays
        // within its length: they are passed over in a tight loop.
        if (!afterCr_ && firstInner_ == inner_.size() &&
            (skipping_ || field_ == Field::Bare || field_ == Field::Quoted)) {
            const std::size_t stop =
                skipping_ ? bytes.size()
                          : std::min(bytes.size(), from + kLongestLine + head_ - carry_.size());
            const char mark = field_ == Field::Quoted && !skipping_ ? '"' : ',';
            while (at < stop && bytes[at] != mark && bytes[at] != '\n' && bytes[at] != '\r')
                ++at;
            if (at == bytes.size())
                break;
        }
        const char c = bytes[at];
        if (afterCr_) {
            afterCr_ = false;
            if (c == '\n') {
                // The LF of a CRLF that ended a record starts no new one.
                if (from == at && !skipping_ && carry_.empty())
                    ++from;
                else if (!skipping_ && firstInner_ < inner_.size() &&
                         inner_.back().start == carry_.size() + at - from)
                    ++inner_.back().start;  // nor does it start an inner line
                continue;
            }
        }
        const bool lineEnd = c == '\n' || c == '\r';
        if (lineEnd) {
            afterCr_ = c == '\r';
            ++lineEnds_;
        }
        if (skipping_) {
            if (lineEnd) {
                if (!skipReported_)
                    onLine(Line{recordLine_, {}, true});
                StartRecord();
                from = at + 1;
            }
            continue;
        }
        if (lineEnd && field_ != Field::Quoted) {
            std::string_view text = bytes.substr(from, at - from);
            if (!carry_.empty())
                text = std::string_view(carry_.append(text)).substr(head_);
            onLine(Line{recordLine_, text, false});
            StartRecord();
            from = at + 1;
            continue;
        }
        const std::size_t position = carry_.size() + at - from;
        if (lineEnd) {
            if (firstInner_ < inner_.size()) {
                inner_.back().end = position;
                inner_.back().closes = innerField_ != Field::Quoted;
            }
            inner_.push_back({position + 1, std::string::npos, lineEnds_ + 1});
            innerField_ = Field::Start;
        } else if (firstInner_ < inner_.size()) {
            innerField_ = Next(innerField_, c);
        }
        field_ = Next(field_, c);
        if (position + 1 - head_ <= kLongestLine)
            continue;
        carry_.append(bytes.substr(from, at + 1 - from));
        from = at + 1;
        if (field_ == Field::Quoted && GiveUpQuote(onLine))
            continue;
        skipReported_ = field_ == Field::Quoted;
        skipping_ = true;
        carry_.clear();
        head_ = 0;
    }
    if (!skipping_)
        carry_.append(bytes.substr(from));
}

template <typename OnLine>
void LineSplitter::Finish(OnLine&& onLine) {
    if (!started_)
        Scan(std::string_view("\xEF\xBB\xBF").substr(0, markSeen_), onLine);
    started_ = true;
    while (!skipping_ && field_ == Field::Quoted && GiveUpQuote(onLine)) {
    }
    if (skipping_ && !skipReported_)
        onLine(Line{recordLine_, {}, true});
    else if (!skipping_ && field_ != Field::Quoted && CarriedSize() > 0)
        onLine(Line{recordLine_, std::string_view(carry_).substr(head_), false});
    StartRecord();
}

}  // namespace amorist::cli

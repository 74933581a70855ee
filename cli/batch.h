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
// long, and no more than that is ever kept of it. A quote still open when the
// record reaches that length or the input ends makes the record bad, and
// reading resumes on the line after its first line.
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

    template <typename OnLine>
    void Run(std::string_view bytes, OnLine& onLine);
    template <typename OnLine>
    void Scan(std::string_view bytes, OnLine& onLine);
    // Reports the record as unclosed and sends reading back to its second
    // line, followed by rest; false when the record has a single line.
    template <typename OnLine>
    bool GiveUpQuote(std::string_view rest, OnLine& onLine);
    void StartRecord();

    std::string carry_;   // the start of a record the next piece goes on with
    std::string replay_;  // what is to be read again after an unclosed quote
    std::size_t secondLine_ = std::string::npos;  // in carry_
    Field field_ = Field::Start;
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
            Run(kMark.substr(0, markSeen_), onLine);  // not a mark after all
            break;
        }
        piece.remove_prefix(1);
        started_ = ++markSeen_ == kMark.size();
    }
    if (started_)
        Run(piece, onLine);
}

template <typename OnLine>
void LineSplitter::Run(std::string_view bytes, OnLine& onLine) {
    Scan(bytes, onLine);
    while (!replay_.empty()) {
        const std::string again = std::move(replay_);
        replay_.clear();
        Scan(again, onLine);
    }
}

template <typename OnLine>
bool LineSplitter::GiveUpQuote(std::string_view rest, OnLine& onLine) {
    onLine(Line{recordLine_, {}, false, true});
    if (secondLine_ == std::string::npos)
        return false;
    afterCr_ = carry_[secondLine_ - 1] == '\r';
    replay_.assign(carry_, secondLine_).append(rest);
    lineEnds_ = recordLine_;
    StartRecord();
    return true;
}

template <typename OnLine>
void LineSplitter::Scan(std::string_view bytes, OnLine& onLine) {
    std::size_t from = 0;  // the record's bytes in this piece start here
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const char c = bytes[at];
        if (afterCr_) {
            afterCr_ = false;
            if (c == '\n') {
                // The LF of a CRLF that ended a record starts no new one.
                if (from == at && !skipping_ && carry_.empty())
                    ++from;
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
                text = carry_.append(text);
            onLine(Line{recordLine_, text, false});
            StartRecord();
            from = at + 1;
            continue;
        }
        if (lineEnd && secondLine_ == std::string::npos)
            secondLine_ = carry_.size() + at - from + 1;
        switch (field_) {
            case Field::Start:
                field_ = c == '"' ? Field::Quoted : c == ',' ? Field::Start : Field::Bare;
                break;
            case Field::Bare:
                field_ = c == ',' ? Field::Start : Field::Bare;
                break;
            case Field::Quoted:
                field_ = c == '"' ? Field::QuoteInQuoted : Field::Quoted;
                break;
            case Field::QuoteInQuoted:
                field_ = c == '"' ? Field::Quoted : c == ',' ? Field::Start : Field::Bare;
                break;
        }
        if (carry_.size() + at + 1 - from <= kLongestLine)
            continue;
        carry_.append(bytes.substr(from, at + 1 - from));
        if (field_ == Field::Quoted && GiveUpQuote(bytes.substr(at + 1), onLine))
            return;
        skipReported_ = field_ == Field::Quoted;
        skipping_ = true;
        carry_.clear();
    }
    if (!skipping_)
        carry_.append(bytes.substr(from));
}

template <typename OnLine>
void LineSplitter::Finish(OnLine&& onLine) {
    if (!started_)
        Run(std::string_view("\xEF\xBB\xBF").substr(0, markSeen_), onLine);
    started_ = true;
    while (!skipping_ && field_ == Field::Quoted && GiveUpQuote({}, onLine))
        Run({}, onLine);
    if (skipping_ && !skipReported_)
        onLine(Line{recordLine_, {}, true});
    else if (!skipping_ && field_ != Field::Quoted && !carry_.empty())
        onLine(Line{recordLine_, carry_, false});
    StartRecord();
}

}  // namespace amorist::cli

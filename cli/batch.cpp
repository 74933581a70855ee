#include "cli/batch.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <memory>

#include "cli/commands.h"
#include "reading/reading_format.h"
#include "reading/text_output.h"
#include "core/compatibility/modRomanticCompatibility.h"
#include "core/ephemeris/sign_table.h"

namespace amorist::cli {
namespace {

Sign SignOn(const SignTable& table, CalendarDate date) {
    return SignOnDay(EntryFor(table, date.year, date.monthIndex), date.day);
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

LineSplitter::LineSplitter() {
    carry_.reserve(kLongestLine + 1);
}

void LineSplitter::StartRecord() {
    carry_.clear();
    head_ = 0;
    inner_.clear();
    firstInner_ = 0;
    field_ = Field::Start;
    skipping_ = false;
    skipReported_ = false;
    recordLine_ = lineEnds_ + 1;
}

// What lies before the record is dropped only once it outgrows the record,
// so each byte is moved a bounded number of times.
void LineSplitter::DropBefore(std::size_t offset) {
    head_ = offset;
    if (head_ == carry_.size()) {
        carry_.clear();
        head_ = 0;
        return;
    }
    if (head_ > kLongestLine) {
        carry_.erase(0, head_);
        for (std::size_t k = firstInner_; k < inner_.size(); ++k) {
            inner_[k].start -= head_;
            if (inner_[k].end != std::string::npos)
                inner_[k].end -= head_;
        }
        head_ = 0;
    }
    if (firstInner_ > inner_.size() / 2) {
        inner_.erase(inner_.begin(), inner_.begin() + static_cast<std::ptrdiff_t>(firstInner_));
        firstInner_ = 0;
    }
}

bool LineSplitter::QuotesCloseOn(std::string_view line) {
    // A quote outside a quoted field opens one only where a field begins; in
    // the middle of a bare field it is the field's business, not the record's.
    for (std::size_t quote = line.find('"'); quote != std::string_view::npos;
         quote = line.find('"', quote + 1)) {
        if (quote > 0 && line[quote - 1] != ',')
            continue;
        for (;;) {  // to the closing quote, past each doubled one
            quote = line.find('"', quote + 1);
            if (quote == std::string_view::npos)
                return false;
            if (quote + 1 == line.size() || line[quote + 1] != '"')
                break;
            ++quote;
        }
    }
    return true;
}

CsvCouple SplitCsvCouple(std::string_view line, char* scratch) {
    CsvCouple couple;
    std::string_view* fields[4] = {&couple.args.name, &couple.args.date, &couple.args.partnerName,
                                   &couple.args.partnerDate};
    std::size_t at = 0;
    for (;;) {
        std::string_view field;
        if (at < line.size() && line[at] == '"') {
            const std::size_t start = ++at;
            char* copy = nullptr;  // set once the field holds a doubled quote
            std::size_t copied = 0;
            for (;;) {
                const std::size_t quote = line.find('"', at);
                if (quote == std::string_view::npos) {
                    couple.fault = CsvFault::UnclosedQuote;
                    return couple;
                }
                const bool doubled = quote + 1 < line.size() && line[quote + 1] == '"';
                if (doubled && copy == nullptr)
                    copy = scratch;
                if (copy != nullptr) {
                    line.copy(copy + copied, quote - at + (doubled ? 1 : 0), at);
                    copied += quote - at + (doubled ? 1 : 0);
                }
                at = quote + (doubled ? 2 : 1);
                if (!doubled) {
                    field = copy != nullptr ? std::string_view(copy, copied)
                                            : line.substr(start, quote - start);
                    break;
                }
            }
            scratch += copied;
            if (at < line.size() && line[at] != ',') {
                couple.fault = CsvFault::TextAfterQuote;
                return couple;
            }
        } else {
            const std::size_t end = std::min(line.find(',', at), line.size());
            field = line.substr(at, end - at);
            if (field.find('"') != std::string_view::npos) {
                couple.fault = CsvFault::QuoteInBareField;
                return couple;
            }
            at = end;
        }
        if (couple.fieldCount < 4)
            *fields[couple.fieldCount] = field;
        ++couple.fieldCount;
        if (at >= line.size())
            break;
        ++at;  // the comma
    }
    if (couple.fieldCount != 4)
        couple.fault = CsvFault::FieldCount;
    return couple;
}

namespace {

// What batch says about a bad line, translated by the language of --lang.
struct BadLinePhrases {
    //: A bad line of batch's CSV input: %1 is its line number, %2 says what is wrong with it
    const char* line = QT_TRANSLATE_NOOP("amorist-cli batch", "line %1: %2");
    //: %1 is the header that names the four fields; %2 how many fields the line has
    const char* fieldCount =
        QT_TRANSLATE_NOOP("amorist-cli batch", "expected 4 fields, %1, found %2");
    //: %1 is the longest record in bytes
    const char* unclosedQuote =
        QT_TRANSLATE_NOOP("amorist-cli batch",
                          "a quoted field is not closed within %1 bytes or by the end of the input");
    const char* quoteInBareField =
        QT_TRANSLATE_NOOP("amorist-cli batch",
                          "a field that does not begin with a quote holds one; quote the field "
                          "and double its quotes");
    const char* textAfterQuote =
        QT_TRANSLATE_NOOP("amorist-cli batch", "text follows the closing quote of a field");
    //: %1 is the longest record in bytes
    const char* tooLong = QT_TRANSLATE_NOOP("amorist-cli batch", "longer than %1 bytes");
};

// What batch says when its input cannot be had at all.
struct InputPhrases {
    //: %1 is the input file's name, quoted; %2 the system's reason
    const char* cannotOpen = QT_TRANSLATE_NOOP("amorist-cli batch", "cannot open %1: %2");
    //: %1 is the input file's name, quoted, or the words for standard input; %2 the reason
    const char* cannotRead = QT_TRANSLATE_NOOP("amorist-cli batch", "cannot read %1: %2");
    //: Batch's input when no FILE is given, as "cannot read %1" names it
    const char* standardInput = QT_TRANSLATE_NOOP("amorist-cli batch", "standard input");
};

std::string Say(const Language& language, const char* english,
                std::initializer_list<std::string_view> values = {}) {
    std::string said;
    AppendFilled(said, language.Translated("amorist-cli batch", english), values);
    return said;
}

}  // namespace

std::string CsvFaultMessage(const CsvCouple& couple, const Language& language) {
    const BadLinePhrases say;
    const std::string longest = std::to_string(LineSplitter::kLongestLine);
    switch (couple.fault) {
        case CsvFault::None:
        case CsvFault::FieldCount:
            break;
        case CsvFault::UnclosedQuote:
            return Say(language, say.unclosedQuote, {longest});
        case CsvFault::QuoteInBareField:
            return Say(language, say.quoteInBareField);
        case CsvFault::TextAfterQuote:
            return Say(language, say.textAfterQuote);
    }
    return Say(language, say.fieldCount,
               {kCsvInputHeader, std::to_string(couple.fieldCount)});
}

// Every reading a couple can have, written once by the same code as the
// reading command's: index first sign * 12 + second sign.
struct PairText {
    std::string json;  // the reading's JSON object
    std::string csv;   // ,number,category
};

std::size_t PairIndex(Sign first, Sign second) {
    return static_cast<std::size_t>(first) * 12 + static_cast<std::size_t>(second);
}

struct PairTexts {
    std::array<PairText, 144> pairs;
    // A person's Mars and Venus signs as their CSV line shows them: ,mars,venus
    std::array<std::string, 144> csvSigns;

    const PairText& Of(Sign first, Sign second) const { return pairs[PairIndex(first, second)]; }
    const std::string& CsvSigns(Sign mars, Sign venus) const {
        return csvSigns[PairIndex(mars, venus)];
    }
};

namespace {

std::unique_ptr<const PairTexts> WritePairTexts(const Language& language) {
    auto texts = std::make_unique<PairTexts>();
    modRomanticCompatibility compatibility;
    for (std::size_t first = 0; first < 12; ++first) {
        for (std::size_t second = 0; second < 12; ++second) {
            const ReadingResult reading =
                ReadingForPair(compatibility, kZodiacSigns[first], kZodiacSigns[second]);
            PairText& text = texts->pairs[first * 12 + second];
            AppendJsonReading(text.json, reading, language);
            text.csv = ',';
            if (reading.number)
                text.csv += std::to_string(*reading.number);
            text.csv += ',';
            if (const Category* category = language.Shown(reading.category))
                AppendCsvField(text.csv, category->word);
            texts->csvSigns[first * 12 + second]
                .append(",")
                .append(kZodiacSigns[first])
                .append(",")
                .append(kZodiacSigns[second]);
        }
    }
    return texts;
}

}  // namespace

Batch::Batch(bool json, Output& out, Output& err, const Language& language)
    : json_(json), language_(language), texts_(WritePairTexts(language)), out_(out), err_(err) {
    scratch_.resize(LineSplitter::kLongestLine + 1);
    text_.reserve(4096);
    yourDate_.reserve(32);
    partnersDate_.reserve(32);
}

Batch::~Batch() = default;

// The CSV header comes with the first input, so input that cannot be read
// gives no output at all.
void Batch::Start() {
    if (!started_ && !json_) {
        out_.Write(kCsvOutputHeader);
        out_.Write("\n");
    }
    started_ = true;
}

void Batch::Feed(std::string_view piece) {
    Start();
    lines_.Feed(piece, [this](const LineSplitter::Line& line) { Take(line); });
}

void Batch::Finish() {
    Start();
    lines_.Finish([this](const LineSplitter::Line& line) { Take(line); });
}

void Batch::Refuse(std::uint64_t number, std::string_view why) {
    hadBadLine_ = true;
    err_.Report(Say(language_, BadLinePhrases{}.line, {std::to_string(number), why}));
}

void Batch::Take(const LineSplitter::Line& line) {
    if (line.tooLong) {
        Refuse(line.number, Say(language_, BadLinePhrases{}.tooLong,
                                {std::to_string(LineSplitter::kLongestLine)}));
        return;
    }
    if (line.unclosedQuote) {
        CsvCouple unclosed;
        unclosed.fault = CsvFault::UnclosedQuote;
        Refuse(line.number, CsvFaultMessage(unclosed, language_));
        return;
    }
    if (IsBlank(line.text) || (line.number == 1 && line.text == kCsvInputHeader))
        return;
    const CsvCouple fields = SplitCsvCouple(line.text, scratch_.data());
    if (fields.fault != CsvFault::None) {
        Refuse(line.number, CsvFaultMessage(fields, language_));
        return;
    }
    const CheckedCouple checked = CheckCouple(fields.args, language_);
    if (!checked.ok()) {
        Refuse(line.number, checked.error);
        return;
    }
    WriteCouple(checked.couple);
}

void Batch::WriteCouple(const Couple& couple) {
    const Sign yourMars = SignOn(kMarsTable, couple.date);
    const Sign yourVenus = SignOn(kVenusTable, couple.date);
    const Sign partnersMars = SignOn(kMarsTable, couple.partnerDate);
    const Sign partnersVenus = SignOn(kVenusTable, couple.partnerDate);
    const PairText& one = texts_->Of(yourMars, partnersVenus);
    const PairText& two = texts_->Of(yourVenus, partnersMars);

    text_.clear();
    if (json_) {
        yourDate_.clear();
        AppendShownDate(yourDate_, couple.date);
        partnersDate_.clear();
        AppendShownDate(partnersDate_, couple.partnerDate);
        AppendJsonCouple(
            text_, {couple.name, couple.date, yourDate_, SignName(yourMars), SignName(yourVenus)},
            {couple.partnerName, couple.partnerDate, partnersDate_, SignName(partnersMars),
             SignName(partnersVenus)},
            one.json, two.json);
    } else {
        AppendCsvField(text_, couple.name);
        text_ += ',';
        AppendIsoDate(text_, couple.date);
        text_.append(texts_->CsvSigns(yourMars, yourVenus)) += ',';
        AppendCsvField(text_, couple.partnerName);
        text_ += ',';
        AppendIsoDate(text_, couple.partnerDate);
        text_.append(texts_->CsvSigns(partnersMars, partnersVenus));
        text_.append(one.csv).append(two.csv) += '\n';
    }
    out_.Write(text_);
}

int RunBatch(std::string_view path, int in, bool json, const Language& language, Output& out,
             Output& err) {
    const InputPhrases say;
    const bool named = !path.empty() && path != "-";
    const std::string shown = named ? QuoteForMessage(path, language.dateFaults().quoted)
                                    : Say(language, say.standardInput);
    int fd = in;
    if (named) {
        fd = open(std::string(path).c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            const int code = errno;
            err.Report(Say(language, say.cannotOpen, {shown, std::strerror(code)}));
            return kExitSystemError;
        }
    }
    Batch batch(json, out, err, language);
    constexpr std::size_t kPiece = 128 * 1024;
    const std::unique_ptr<char[]> buffer(new char[kPiece]);
    int status = kExitOk;
    while (!out.failed()) {
        // What is done goes out before the program waits for more, so a
        // couple typed at a terminal is answered at once.
        out.Flush();
        const ssize_t got = read(fd, buffer.get(), kPiece);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int code = errno;
            err.Report(Say(language, say.cannotRead, {shown, std::strerror(code)}));
            status = kExitSystemError;
            break;
        }
        if (got == 0) {
            batch.Finish();
            break;
        }
        batch.Feed({buffer.get(), static_cast<std::size_t>(got)});
    }
    if (named)
        close(fd);
    if (status == kExitOk && batch.hadBadLine())
        status = kExitBadInput;
    return status;
}

}  // namespace amorist::cli

#include "reading/birth_date.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

#include "core/compatibility/birth_data_check.h"
#include "reading/text_output.h"
#include "core/ephemeris/zodiac.h"

namespace amorist::reading {
namespace {

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

// Where piece first occurs in text from `from` on, in any letter case.
std::size_t FindIgnoringCase(std::string_view text, std::string_view piece, std::size_t from) {
    for (std::size_t at = from; at + piece.size() <= text.size(); ++at) {
        if (EqualIgnoringCase(text.substr(at, piece.size()), piece))
            return at;
    }
    return std::string_view::npos;
}

// A month name as matching compares it: lower-case, its accents dropped,
// whether written as accented letters (U+00C0 to U+00FF) or as combining marks
// (U+0300 to U+036F), each letter remembering its accent. With umlautsAsE, ä,
// ö and ü become ae, oe and ue, as German writes them without the dots.
// Longer names than any month's do not fit, and match nothing.
class FoldedName {
public:
    FoldedName(std::string_view text, bool umlautsAsE) {
        // Each letter U+00C0 to U+00FF without its accent; 0 for those that
        // have no plain letter (Æ, ×, ß, ...). Then its accent: grave, acute,
        // circumflex, tilde, diaeresis, ring or Cedilla; 0 for none.
        static constexpr char kPlain[] =
            "aaaaaa\0ceeeeiiii\0nooooo\0ouuuuy\0\0aaaaaa\0ceeeeiiii\0nooooo\0ouuuuy\0y";
        static constexpr char kAccent[] =
            "gactdr0Cgacdgacd0tgactd00gacda00gactdr0Cgacdgacd0tgactd00gacda0d";
        static_assert(sizeof kPlain == 64 + 1 && sizeof kAccent == 64 + 1);
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
            if (byte == 0xC3 && next >= 0x80 && next <= 0xBF) {
                const char plain = kPlain[next - 0x80];
                if (plain == 0) {
                    Put(text[i]);
                    Put(text[i + 1]);
                } else {
                    Put(plain, kAccent[next - 0x80]);
                    if (umlautsAsE && IsUmlaut(plain, kAccent[next - 0x80]))
                        Put('e');
                }
                ++i;
            } else if ((byte == 0xCC && next >= 0x80 && next <= 0xBF) ||
                       (byte == 0xCD && next >= 0x80 && next <= 0xAF)) {
                // A combining accent, on the letter before it.
                if (size_ > 0 && fits_ && accents_[size_ - 1] == '0')
                    accents_[size_ - 1] = CombiningAccent(byte, next);
                if (umlautsAsE && size_ > 0 && fits_ && IsUmlaut(text_[size_ - 1], accents_[size_ - 1]))
                    Put('e');
                ++i;
            } else {
                Put(AsciiLower(text[i]));
            }
        }
    }

    // The same letters, and no accent typed that the name does not have:
    // "Fevrier" reads as février, "Mârz" not as März.
    bool IsWrittenAs(const FoldedName& name) const {
        if (!fits_ || !name.fits_ || View() != name.View())
            return false;
        for (std::size_t i = 0; i < size_; ++i) {
            if (accents_[i] != '0' && accents_[i] != name.accents_[i])
                return false;
        }
        return true;
    }

private:
    static bool IsUmlaut(char plain, char accent) {
        return accent == 'd' && (plain == 'a' || plain == 'o' || plain == 'u');
    }
    static char CombiningAccent(unsigned char byte, unsigned char next) {
        if (byte != 0xCC)
            return '?';
        switch (next) {
            case 0x80: return 'g';
            case 0x81: return 'a';
            case 0x82: return 'c';
            case 0x83: return 't';
            case 0x88: return 'd';
            case 0x8A: return 'r';
            case 0xA7: return 'C';
            default: return '?';
        }
    }
    void Put(char c, char accent = '0') {
        if (size_ < sizeof text_) {
            accents_[size_] = accent;
            text_[size_++] = c;
        } else {
            fits_ = false;
        }
    }
    std::string_view View() const { return {text_, size_}; }

    char text_[24];
    char accents_[24];
    std::size_t size_ = 0;
    bool fits_ = true;
};

std::optional<int> MonthFromName(std::string_view text, std::span<const DateSpelling> spellings) {
    for (int i = 0; i < 12; ++i) {
        if (EqualIgnoringCase(kMonthNames[i], text))
            return i;
    }
    // ae, oe and ue stand for ä, ö and ü, and only where the name has one.
    const FoldedName typed(text, false), typedWithE(text, true);
    for (const DateSpelling& spelling : spellings) {
        for (int i = 0; i < 12; ++i) {
            const std::string& name = spelling.months[static_cast<std::size_t>(i)];
            if (typed.IsWrittenAs(FoldedName(name, false)) ||
                typedWithE.IsWrittenAs(FoldedName(name, true)))
                return i;
        }
    }
    return std::nullopt;
}

// The three pieces of a date as written, before they are read.
struct DateParts {
    std::string_view day, month, year;
};

// text cut as form writes a date: %n the day's digits, %2 the year's, %1 the
// month name, which runs to the text that follows it in form. The text
// between them must be form's, in any letter case.
std::optional<DateParts> SplitByForm(std::string_view text, std::string_view form) {
    DateParts parts;
    int found = 0;
    std::size_t at = 0;
    std::size_t from = 0;
    for (;;) {
        const std::size_t mark = form.find('%', from);
        const std::string_view between = form.substr(from, mark - from);
        if (!EqualIgnoringCase(text.substr(at, between.size()), between))
            return std::nullopt;
        at += between.size();
        if (mark == std::string_view::npos || mark + 1 >= form.size())
            break;
        const char which = form[mark + 1];
        from = mark + 2;
        std::size_t end = text.find_first_not_of("0123456789", at);
        if (which == '1') {
            const std::size_t nextMark = form.find('%', from);
            const std::string_view after = form.substr(from, nextMark - from);
            if (!after.empty()) {
                end = FindIgnoringCase(text, after, at);
            } else {
                end = nextMark == std::string_view::npos ? text.size()
                                                         : text.find_first_of("0123456789", at);
            }
        }
        end = std::min(end, text.size());
        std::string_view* part = which == 'n'   ? &parts.day
                                 : which == '1' ? &parts.month
                                 : which == '2' ? &parts.year
                                                : nullptr;
        if (part == nullptr)
            return std::nullopt;
        *part = text.substr(at, end - at);
        ++found;
        at = end;
    }
    if (found != 3 || at != text.size())
        return std::nullopt;
    return parts;
}

DateReading Refuse(DateFault fault, std::string_view part = {}) {
    DateReading reading;
    reading.fault = fault;
    reading.part = part;
    return reading;
}

// A day or a year as read from its digits, and as typed, for a refusal to quote.
struct Number {
    int value;
    std::string_view text;
};

// A text of at most `longest` decimal digits and nothing else (no sign, no
// spaces), read once for its value. It comes back with its text: an optional
// int, put together in memory and read back as one register, held up the
// processor on every date a batch reads.
std::optional<Number> ReadNumber(std::string_view text, std::size_t longest) {
    if (text.size() > longest)
        return std::nullopt;
    unsigned value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return Number{static_cast<int>(value), text};
}

DateReading Assemble(Number day, int monthIndex, Number year) {
    if (year.value < kFirstTableYear || year.value > kLastTableYear)
        return Refuse(DateFault::YearOutOfRange, year.text);
    if (day.value < 1 || day.value > 31)
        return Refuse(DateFault::DayOutOfRange, day.text);
    DateReading reading;
    reading.date = {year.value, monthIndex, day.value};
    return reading;
}

DateReading ReadParts(const DateParts& parts, std::span<const DateSpelling> spellings) {
    const std::optional<Number> day = ReadNumber(parts.day, 2);
    const std::optional<Number> year = ReadNumber(parts.year, 4);
    if (!day || !year || year->text.size() != 4)
        return Refuse(DateFault::NotADate);
    const std::optional<int> monthIndex = MonthFromName(parts.month, spellings);
    if (!monthIndex)
        return Refuse(DateFault::NotAMonthName, parts.month);
    return Assemble(*day, *monthIndex, *year);
}

DateReading ReadSlashed(std::string_view text, std::span<const DateSpelling> spellings) {
    const std::size_t first = text.find('/');
    const std::size_t second = text.find('/', first + 1);
    if (second == std::string_view::npos)
        return Refuse(DateFault::NotADate);
    return ReadParts({text.substr(0, first), text.substr(first + 1, second - first - 1),
                      text.substr(second + 1)},
                     spellings);
}

DateReading ReadIso(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return Refuse(DateFault::NotADate);
    const std::optional<Number> year = ReadNumber(text.substr(0, 4), 4);
    const std::optional<Number> month = ReadNumber(text.substr(5, 2), 2);
    const std::optional<Number> day = ReadNumber(text.substr(8, 2), 2);
    if (!year || !month || !day)
        return Refuse(DateFault::NotADate);
    if (month->value < 1 || month->value > 12)
        return Refuse(DateFault::MonthOutOfRange, month->text);
    return Assemble(*day, month->value - 1, *year);
}

// Writes the last Width decimal digits of n, leading zeros included, at `at`;
// gives where they end. A fixed width lets the compiler unroll the loop.
template <int Width>
char* PutDigits(char* at, int n) {
    auto rest = static_cast<unsigned>(n);  // divided by 10 without a sign to mind
    for (int k = Width - 1; k >= 0; --k) {
        at[k] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    }
    return at + Width;
}

// A form no other day shares ("1er mars") reads the 1st alone, never
// "7er mars"; the form of the other days reads the 1st as well ("1 mars").
bool IsFirstDaysOwnForm(const DateSpelling& spelling, std::size_t form) {
    const auto& forms = spelling.forms;
    return form == 0 && std::find(forms.begin() + 1, forms.end(), forms[0]) == forms.end();
}

}  // namespace

DateReading ReadBirthDate(std::string_view text, std::span<const DateSpelling> spellings) {
    DateReading reading =
        text.find('/') != std::string_view::npos ? ReadSlashed(text, spellings) : ReadIso(text);
    // A form of a translation; one that fits but names no month says so.
    for (const DateSpelling& spelling : spellings) {
        for (std::size_t day = 0; day < spelling.forms.size() && !reading.ok(); ++day) {
            if (day > 0 && spelling.forms[day] == spelling.forms[day - 1])
                continue;
            const std::optional<DateParts> parts = SplitByForm(text, spelling.forms[day]);
            if (!parts)
                continue;
            DateReading inForm = ReadParts(*parts, spellings);
            if (inForm.ok() && inForm.date.day != 1 && IsFirstDaysOwnForm(spelling, day))
                inForm = Refuse(DateFault::NotADate);
            if (inForm.ok() || reading.fault == DateFault::NotADate)
                reading = inForm;
        }
    }
    return reading;
}

DateReading ReadCalendarDay(std::string_view text, std::span<const DateSpelling> spellings) {
    const DateReading reading = ReadBirthDate(text, spellings);
    if (reading.ok() && reading.date.day > DaysInMonth(reading.date.year, reading.date.monthIndex))
        return Refuse(DateFault::NotACalendarDay);
    return reading;
}

std::string DateFaultReason(const DateReading& reading, const DateFaultPhrases& say) {
    std::string reason;
    switch (reading.fault) {
        case DateFault::None:
        case DateFault::NotADate:
            break;
        case DateFault::NotAMonthName:
            AppendFilled(reason, say.notAMonthName, {QuoteForMessage(reading.part, say.quoted)});
            return reason;
        case DateFault::MonthOutOfRange:
            AppendFilled(reason, say.monthOutOfRange, {reading.part});
            return reason;
        case DateFault::YearOutOfRange:
            AppendFilled(
                reason, say.yearOutOfRange,
                {reading.part, std::to_string(kFirstTableYear), std::to_string(kLastTableYear)});
            return reason;
        case DateFault::DayOutOfRange:
            AppendFilled(reason, say.dayOutOfRange, {reading.part});
            return reason;
        case DateFault::NotACalendarDay:
            return std::string(say.notACalendarDay);
    }
    return std::string(say.notADate);
}

void AppendIsoDate(std::string& out, CalendarDate date) {
    char text[10];
    char* end = PutDigits<4>(text, date.year);
    *end++ = '-';
    end = PutDigits<2>(end, date.monthIndex + 1);
    *end++ = '-';
    PutDigits<2>(end, date.day);
    out.append(text, sizeof text);
}

void AppendShownDate(std::string& out, CalendarDate date) {
    // Made up whole and appended once: batch writes two for every couple.
    const std::string_view month = kMonthNames[date.monthIndex];
    char text[2 + 1 + 9 + 1 + 4];
    char* end = date.day < 10 ? PutDigits<1>(text, date.day) : PutDigits<2>(text, date.day);
    *end++ = '/';
    end = std::copy(month.begin(), month.end(), end);
    *end++ = '/';
    end = PutDigits<4>(end, date.year);
    out.append(text, static_cast<std::size_t>(end - text));
}

}  // namespace amorist::reading

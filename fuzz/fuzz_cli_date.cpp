// amorist-cli's date reader, in every language's forms, and its escaping with any command-line
// text. A date either reads as a day the tables cover, the same in both spellings, or is refused
// with one short printable line; every escaped text is valid UTF-8 a terminal shows as it is.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "reading/birth_date.h"
#include "reading/couple.h"
#include "reading/language.h"
#include "reading/text_output.h"
#include "core/compatibility/birth_data_check.h"
#include "core/ephemeris/zodiac.h"
#include "fuzz/fuzz_support.h"

namespace {

using amorist::reading::CalendarDate;
using amorist::reading::DateReading;
using amorist::fuzz::Require;

bool SameDate(CalendarDate a, CalendarDate b) {
    return a.year == b.year && a.monthIndex == b.monthIndex && a.day == b.day;
}

// Nothing a terminal would act on: no C0 or C1 control, no DEL, nothing that is not UTF-8.
void CheckShowable(std::string_view text, const char* property) {
    Require(amorist::reading::IsValidUtf8(text), property);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        Require(byte >= 0x20 && byte != 0x7F, property);
        Require(!(byte == 0xC2 && i + 1 < text.size() &&
                  static_cast<unsigned char>(text[i + 1]) < 0xA0),
                property);
    }
}

void CheckMessageLine(std::string_view line) {
    Require(!line.empty(), "a refused date says why");
    Require(line.size() < 400, "an error line stays short however long the input is");
    CheckShowable(line, "an error line holds nothing a terminal acts on");
}

void CheckReading(const DateReading& reading, std::string_view text) {
    if (!reading.ok()) {
        CheckMessageLine(amorist::reading::DateError("date", text, reading));
        return;
    }
    const CalendarDate date = reading.date;
    Require(date.year >= amorist::kFirstTableYear && date.year <= amorist::kLastTableYear,
            "an accepted year lies in the tables");
    Require(date.day >= 1 && date.day <= 31, "an accepted day lies in 1 to 31");
    Require(date.monthIndex >= 0 && date.monthIndex <= 11, "an accepted month is one of twelve");

    // Both spellings of the same date read back as the same date.
    std::string iso, shown;
    amorist::reading::AppendIsoDate(iso, date);
    amorist::reading::AppendShownDate(shown, date);
    const DateReading isoReading = amorist::reading::ReadBirthDate(iso);
    Require(isoReading.ok() && SameDate(isoReading.date, date), "1975-03-07 reads back the same");
    const DateReading shownReading = amorist::reading::ReadBirthDate(shown);
    Require(shownReading.ok() && SameDate(shownReading.date, date),
            "7/March/1975 reads back the same");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    // Every translation's forms and month names as well.
    const auto spellings = amorist::reading::Language::EveryDateSpelling();
    const DateReading reading = amorist::reading::ReadBirthDate(text, spellings);
    CheckReading(reading, text);

    // The reader for ranges of days accepts a subset: dates that exist.
    const DateReading day = amorist::reading::ReadCalendarDay(text, spellings);
    CheckReading(day, text);
    if (day.ok()) {
        Require(reading.ok() && SameDate(day.date, reading.date),
                "a calendar day reads the same as a birth date");
        Require(day.date.day <= amorist::DaysInMonth(day.date.year, day.date.monthIndex),
                "a calendar day exists in its month");
    }

    const std::string quoted = amorist::reading::QuoteForMessage(text);
    Require(quoted.size() >= 2 && quoted.front() == '\'' && quoted.back() == '\'',
            "a quoted text is enclosed in single quotes");
    CheckMessageLine(quoted);
    std::string visible;
    amorist::reading::AppendVisible(visible, text);
    CheckShowable(visible, "text output holds nothing a terminal acts on");
    std::string csv;
    amorist::reading::AppendCsvField(csv, text);
    CheckShowable(csv, "CSV output holds nothing a terminal acts on");
    const std::string json = amorist::reading::JsonString(text);
    CheckShowable(json, "JSON output holds nothing a terminal acts on");
    // Short enough never to be cut (an escape shows at most four characters a byte), a text is
    // quoted exactly as it is shown; plain printable ASCII is shown unchanged.
    if (text.size() <= 15)
        Require(quoted == "'" + visible + "'", "a short text is quoted as it is shown");
    if (text.size() <= 60) {
        bool plain = true;
        for (char c : text)
            plain = plain && c >= 0x20 && c < 0x7F;
        if (plain)
            Require(quoted == "'" + std::string(text) + "'", "a short plain text is unchanged");
    }
    return 0;
}

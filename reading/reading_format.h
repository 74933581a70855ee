// How a reading is written out: JSON for scripts, text for people.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "reading/birth_date.h"
#include "reading/couple.h"
#include "reading/language.h"
#include "core/compatibility/program_state.h"

namespace amorist::reading {

struct PersonShown {
    std::string_view name;
    CalendarDate date;
    std::string_view dateShown;  // the windows' form in English, 7/March/1975
    ZodiacSign mars;
    ZodiacSign venus;
};

// Whether the reading has a number with a swatch colour, and that colour as #RRGGBB.
bool HasSwatch(const ReadingResult& reading);
std::string SwatchHex(int number);

// {"name": ..., "date": "1975-03-07", "date_shown": "7/March/1975", "mars": ..., "venus": ...}
void AppendJsonPerson(std::string& out, const PersonShown& person);

// {"pair": ..., "number": ..., "swatch": ..., "colour": ..., "category": ..., "paragraph": ...},
// with null for what the reading lacks. Only colour, category and paragraph are
// in the language; the pair keeps the signs' English names.
void AppendJsonReading(std::string& out, const ReadingResult& reading, const Language& language);

// The line reading --json prints, newline included, from the two readings'
// JSON. batch --json repeats it byte for byte.
void AppendJsonCouple(std::string& out, const PersonShown& you, const PersonShown& partner,
                      std::string_view readingOne, std::string_view readingTwo);

// A checked couple's reading, as the main window's request makes it.
struct CoupleReading {
    RequestResult result;
    ZodiacSign yourMars, yourVenus, partnerMars, partnerVenus;

    // Each person as shown, with views into result: keep the reading while they are used.
    PersonShown You(const Couple& couple) const;
    PersonShown Partner(const Couple& couple) const;
};

CoupleReading ReadCouple(const Couple& couple);

// The line reading --json prints for the couple, newline included.
std::string JsonCouple(const Couple& couple, const CoupleReading& reading,
                       const Language& language);

// The reading as text in the language, its paragraphs wrapped to width.
std::string PlainCouple(const PersonShown& you, const PersonShown& partner,
                        const RequestResult& result, std::size_t width, const Language& language);

}  // namespace amorist::reading

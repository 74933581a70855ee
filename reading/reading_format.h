// How a reading is written out: JSON for scripts, text for people.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "reading/birth_date.h"
#include "reading/language.h"
#include "core/compatibility/program_state.h"

namespace amorist::cli {

struct PersonShown {
    std::string_view name;
    CalendarDate date;
    std::string_view dateShown;  // the windows' form in English, 7/March/1975
    ZodiacSign mars;
    ZodiacSign venus;
};

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

// The reading as text in the language, its paragraphs wrapped to width.
std::string PlainCouple(const PersonShown& you, const PersonShown& partner,
                        const RequestResult& result, std::size_t width, const Language& language);

}  // namespace amorist::cli

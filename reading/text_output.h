// How text reaches a terminal or a script: escaping, JSON, CSV and paragraph wrapping.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace amorist::reading {

// Whether the text is well-formed UTF-8 (no overlong forms, surrogates or
// values past U+10FFFF).
bool IsValidUtf8(std::string_view text);

// Appends the text with everything a terminal could act on spelled out:
// C0 controls and DEL as \x1b, C1 controls (U+0080 to U+009F) as \u009b, and
// each byte that is not part of valid UTF-8 as \xff; and what would reorder
// or hide the rest of the line (bidirectional controls and marks, zero-width
// characters) as \u202e. All else is unchanged.
void AppendVisible(std::string& out, std::string_view text);

// The text as a CSV field: shown as AppendVisible shows it, except that
// reordering characters stay as they are (they are data), and quoted, with
// its quotes doubled, when it holds a comma or a quote.
void AppendCsvField(std::string& out, std::string_view text);

// The text as a JSON string literal, quotes included. Quotes, backslashes, C0
// and C1 controls and DEL are escaped; valid UTF-8 passes through unchanged,
// and each byte that is not part of a valid sequence becomes U+FFFD, so the
// result is valid JSON whatever the text holds.
void AppendJsonString(std::string& out, std::string_view text);
// The same without the quotes, for a writer whose fixed text holds them.
void AppendJsonEscaped(std::string& out, std::string_view text);
std::string JsonString(std::string_view text);

// The text quoted for an error line, shown as AppendVisible shows it so the
// message stays one line a terminal prints as it is, and cut short (ending in
// "...") when it is long. The form puts the quotes around %1: each language
// has its own ('%1', „%1“, « %1 »).
std::string QuoteForMessage(std::string_view text, std::string_view form = "'%1'");

// The text broken at spaces into lines of at most width characters (not
// bytes: "é" is one), each line ending in a newline. A word longer than width
// stands on a line of its own. A no-break space does not break a line.
std::string WrapText(std::string_view text, std::size_t width);

// The width to wrap paragraphs to: COLUMNS when it holds a positive number,
// else the width of the terminal on fd, else 80.
std::size_t TerminalWidth(const char* columns, int fd);

}  // namespace amorist::reading

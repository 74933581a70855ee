#include "reading/text_output.h"

#include <sys/ioctl.h>

#include <array>

#include "core/control_characters.h"
#include "core/translatable.h"
#include "core/ephemeris/reads_as_number.h"

namespace amorist::reading {
namespace {

constexpr std::size_t kDefaultWidth = 80;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the valid UTF-8 sequence starting at text[at], or 0 when the bytes
// there do not form one (stray continuation, overlong form, surrogate, beyond
// U+10FFFF, or cut short).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if (second < low || second > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (!IsContinuation(static_cast<unsigned char>(text[at + k])))
            return 0;
    }
    return length;
}

// One character of a text: how many bytes it takes, and whether it is one a
// terminal could act on (a C0 or C1 control, DEL), one that reorders or hides
// what follows it on the line, or no character at all.
enum class Kind { Plain, Control, C1, Reordering, Invalid };

// The bidirectional embeddings, overrides, isolates and marks and the
// zero-width characters: each would let a name rearrange the rest of its line.
constexpr bool IsReordering(char32_t c) {
    return c == 0x061C || (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2060 && c <= 0x2064) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

struct Step {
    std::size_t length;
    Kind kind;
};

// The code point of a valid two- or three-byte sequence.
char32_t CodeAt(std::string_view text, std::size_t at, std::size_t length) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    return length == 2 ? char32_t(byte(0) & 0x1F) << 6 | (byte(1) & 0x3F)
                       : char32_t(byte(0) & 0x0F) << 12 | char32_t(byte(1) & 0x3F) << 6 |
                             (byte(2) & 0x3F);
}

Step StepAt(std::string_view text, std::size_t at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x80)
        return {1, IsControlCharacter(byte) ? Kind::Control : Kind::Plain};
    const std::size_t length = Utf8SequenceLength(text, at);
    if (length == 0)
        return {1, Kind::Invalid};
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if (length == 2 && IsControlCharacter(char32_t(byte & 0x1F) << 6 | (second & 0x3F)))
        return {2, Kind::C1};
    const bool reordering = length <= 3 && IsReordering(CodeAt(text, at, length));
    return {length, reordering ? Kind::Reordering : Kind::Plain};
}

constexpr char kHex[] = "0123456789abcdef";

void AppendHex(std::string& out, std::string_view prefix, char value) {
    const auto byte = static_cast<unsigned char>(value);
    out.append(prefix);
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
}

// Printable ASCII, the bulk of most texts, is passed over without a closer
// look: a run of it is found with one table look-up a byte. In JSON, the quote
// and the backslash are not plain.
using PlainBytes = std::array<bool, 256>;
constexpr PlainBytes PrintableAsciiBut(std::string_view excepted) {
    PlainBytes plain{};
    for (int c = 0x20; c < 0x7F; ++c)
        plain[static_cast<std::size_t>(c)] =
            excepted.find(static_cast<char>(c)) == std::string_view::npos;
    return plain;
}
constexpr PlainBytes kPlainText = PrintableAsciiBut("");
constexpr PlainBytes kPlainJson = PrintableAsciiBut("\"\\");

// Where the run of plain bytes from `at` on ends.
std::size_t PlainRunEnd(std::string_view text, std::size_t at, const PlainBytes& plain) {
    while (at < text.size() && plain[static_cast<unsigned char>(text[at])])
        ++at;
    return at;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            ++at;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

namespace {

void AppendEscaped(std::string& out, std::string_view text, bool reorderingToo) {
    std::size_t plainFrom = 0;
    std::size_t at = 0;
    while ((at = PlainRunEnd(text, at, kPlainText)) < text.size()) {
        const Step step = StepAt(text, at);
        if (step.kind != Kind::Plain && (step.kind != Kind::Reordering || reorderingToo)) {
            out.append(text.substr(plainFrom, at - plainFrom));
            if (step.kind == Kind::C1) {
                AppendHex(out, "\\u00", text[at + 1]);
            } else if (step.kind == Kind::Reordering) {
                const char32_t code = CodeAt(text, at, step.length);
                AppendHex(out, "\\u", static_cast<char>(code >> 8));
                AppendHex(out, "", static_cast<char>(code & 0xFF));
            } else {
                AppendHex(out, "\\x", text[at]);
            }
            plainFrom = at + step.length;
        }
        at += step.length;
    }
    out.append(text.substr(plainFrom));
}

}  // namespace

void AppendVisible(std::string& out, std::string_view text) {
    AppendEscaped(out, text, true);
}

void AppendCsvField(std::string& out, std::string_view text) {
    // The data of a CSV field stays as it is; only what a terminal would act
    // on is spelled out.
    // Two searches for one character each: find_first_of would look for both at every byte.
    if (text.find(',') == std::string_view::npos && text.find('"') == std::string_view::npos) {
        AppendEscaped(out, text, false);
        return;
    }
    // A quote is a character of its own in UTF-8, so cutting at quotes never
    // splits a sequence.
    out += '"';
    for (std::size_t quote; (quote = text.find('"')) != std::string_view::npos;) {
        AppendEscaped(out, text.substr(0, quote), false);
        out += "\"\"";
        text.remove_prefix(quote + 1);
    }
    AppendEscaped(out, text, false);
    out += '"';
}

void AppendJsonEscaped(std::string& out, std::string_view text) {
    std::size_t plainFrom = 0;
    std::size_t at = 0;
    while ((at = PlainRunEnd(text, at, kPlainJson)) < text.size()) {
        const bool quoteOrBackslash = text[at] == '"' || text[at] == '\\';
        const Step step = StepAt(text, at);
        // Reordering characters are data here, as in CSV.
        if ((step.kind != Kind::Plain && step.kind != Kind::Reordering) || quoteOrBackslash) {
            out.append(text.substr(plainFrom, at - plainFrom));
            if (quoteOrBackslash) {
                out += '\\';
                out += text[at];
            } else if (step.kind == Kind::Invalid) {
                out += "\\ufffd";
            } else {
                AppendHex(out, "\\u00", text[at + step.length - 1]);
            }
            plainFrom = at + step.length;
        }
        at += step.length;
    }
    out.append(text.substr(plainFrom));
}

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    AppendJsonEscaped(out, text);
    out += '"';
}

std::string JsonString(std::string_view text) {
    std::string json;
    json.reserve(text.size() + 2);
    AppendJsonString(json, text);
    return json;
}

std::string QuoteForMessage(std::string_view text, std::string_view form) {
    // Counted as shown, so that a text of escapes is cut as short as a plain one.
    constexpr std::size_t kLongest = 60;
    std::size_t shown = 0;
    std::size_t end = 0;
    while (end < text.size()) {
        const Step step = StepAt(text, end);
        shown += step.kind == Kind::Plain ? step.length : step.kind == Kind::C1 ? 6 : 4;
        if (shown > kLongest)
            break;
        end += step.length;
    }
    std::string visible;
    AppendVisible(visible, text.substr(0, end));
    if (end < text.size())
        visible += "...";
    std::string quoted;
    AppendFilled(quoted, form, {visible});
    return quoted;
}

namespace {

// Characters, not bytes: each UTF-8 sequence counts once.
std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        count += IsContinuation(static_cast<unsigned char>(c)) ? 0 : 1;
    return count;
}

}  // namespace

std::string WrapText(std::string_view text, std::size_t width) {
    if (width == 0)
        width = 1;
    std::string wrapped;
    std::size_t lineLength = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        std::size_t end = text.find(' ', at);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view word = text.substr(at, end - at);
        const std::size_t wordLength = CharacterCount(word);
        if (lineLength > 0 && lineLength + 1 + wordLength > width) {
            wrapped += '\n';
            lineLength = 0;
        }
        if (lineLength > 0) {
            wrapped += ' ';
            ++lineLength;
        }
        wrapped.append(word);
        lineLength += wordLength;
        at = end;
    }
    if (!wrapped.empty())
        wrapped += '\n';
    return wrapped;
}

std::size_t TerminalWidth(const char* columns, int fd) {
    if (columns != nullptr) {
        const std::optional<int> fromEnv = ReadAsNumber(columns);
        if (fromEnv && *fromEnv > 0)
            return static_cast<std::size_t>(*fromEnv);
    }
    winsize size{};
    if (ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return kDefaultWidth;
}

}  // namespace amorist::reading

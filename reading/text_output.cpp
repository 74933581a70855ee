#include "reading/text_output.h"

#include <sys/ioctl.h>

#include "core/control_characters.h"
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
// terminal could act on (a C0 or C1 control, DEL) or no character at all.
enum class Kind { Plain, Control, C1, Invalid };

struct Step {
    std::size_t length;
    Kind kind;
};

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
    return {length, Kind::Plain};
}

constexpr char kHex[] = "0123456789abcdef";

void AppendHex(std::string& out, std::string_view prefix, char value) {
    const auto byte = static_cast<unsigned char>(value);
    out.append(prefix);
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
}

// Printable ASCII, the bulk of most texts, is passed over without a closer look.
bool IsPrintableAscii(char c) {
    return c >= 0x20 && c < 0x7F;
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

void AppendVisible(std::string& out, std::string_view text) {
    std::size_t plainFrom = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        if (IsPrintableAscii(text[at])) {
            ++at;
            continue;
        }
        const Step step = StepAt(text, at);
        if (step.kind != Kind::Plain) {
            out.append(text.substr(plainFrom, at - plainFrom));
            if (step.kind == Kind::C1) {
                AppendHex(out, "\\u00", text[at + 1]);
            } else {
                AppendHex(out, "\\x", text[at]);
            }
            plainFrom = at + step.length;
        }
        at += step.length;
    }
    out.append(text.substr(plainFrom));
}

void AppendCsvField(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"") == std::string_view::npos) {
        AppendVisible(out, text);
        return;
    }
    // A quote is a character of its own in UTF-8, so cutting at quotes never
    // splits a sequence.
    out += '"';
    for (std::size_t quote; (quote = text.find('"')) != std::string_view::npos;) {
        AppendVisible(out, text.substr(0, quote));
        out += "\"\"";
        text.remove_prefix(quote + 1);
    }
    AppendVisible(out, text);
    out += '"';
}

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    std::size_t plainFrom = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const bool quoteOrBackslash = text[at] == '"' || text[at] == '\\';
        if (IsPrintableAscii(text[at]) && !quoteOrBackslash) {
            ++at;
            continue;
        }
        const Step step = StepAt(text, at);
        if (step.kind != Kind::Plain || quoteOrBackslash) {
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
    out += '"';
}

std::string JsonString(std::string_view text) {
    std::string json;
    json.reserve(text.size() + 2);
    AppendJsonString(json, text);
    return json;
}

std::string QuoteForMessage(std::string_view text) {
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
    std::string quoted = "'";
    AppendVisible(quoted, text.substr(0, end));
    quoted += end < text.size() ? "...'" : "'";
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

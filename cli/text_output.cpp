#include "cli/text_output.h"

#include <sys/ioctl.h>

#include "core/ephemeris/reads_as_number.h"

namespace amorist::cli {
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

std::string JsonString(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string json;
    json.reserve(text.size() + 2);
    json += '"';
    std::size_t at = 0;
    while (at < text.size()) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte >= 0x80) {
            const std::size_t length = Utf8SequenceLength(text, at);
            if (length == 0) {
                json += "\\ufffd";
                ++at;
            } else {
                json.append(text.substr(at, length));
                at += length;
            }
            continue;
        }
        if (byte == '"') {
            json += "\\\"";
        } else if (byte == '\\') {
            json += "\\\\";
        } else if (byte < 0x20 || byte == 0x7F) {
            json += "\\u00";
            json += kHex[byte >> 4];
            json += kHex[byte & 0xF];
        } else {
            json += static_cast<char>(byte);
        }
        ++at;
    }
    json += '"';
    return json;
}

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
        if (lineLength > 0 && lineLength + 1 + word.size() > width) {
            wrapped += '\n';
            lineLength = 0;
        }
        if (lineLength > 0) {
            wrapped += ' ';
            ++lineLength;
        }
        wrapped.append(word);
        lineLength += word.size();
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

}  // namespace amorist::cli

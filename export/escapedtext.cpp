#include "export/escapedtext.h"

namespace {

char32_t codePointAt(std::string_view text, std::size_t at, std::size_t length)
{
    const auto byte
        = [&](std::size_t n) { return static_cast<char32_t>(static_cast<unsigned char>(text[n])); };
    if (length == 1)
        return byte(at);
    const char32_t leadBits = length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07;
    char32_t code = byte(at) & leadBits;
    for (std::size_t n = 1; n < length; ++n)
        code = (code << 6) | (byte(at + n) & 0x3F);
    return code;
}

ControlCharacter kindOf(char32_t code)
{
    if (code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x2028 || code == 0x2029)
        return ControlCharacter::Control;
    if ((code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069))
        return ControlCharacter::TextDirection;
    return ControlCharacter::None;
}

std::string hexEscape(char kind, char32_t value, int digits)
{
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    std::string text = {'\\', kind};
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        text += kDigits[(value >> shift) & 0xF];
    return text;
}

std::string escapeOf(char32_t code)
{
    switch (code) {
    case U'\n':
        return "\\n";
    case U'\r':
        return "\\r";
    case U'\t':
        return "\\t";
    case 0x1B:
        return "\\e";
    default:
        return code < 0x100 ? hexEscape('x', code, 2) : hexEscape('u', code, 4);
    }
}

} // namespace

std::size_t utf8SequenceLength(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t n) { return static_cast<unsigned char>(text[n]); };
    const unsigned char lead = byte(at);
    const std::size_t length = lead < 0x80 ? 1
        : lead >= 0xC2 && lead <= 0xDF     ? 2
        : lead >= 0xE0 && lead <= 0xEF     ? 3
        : lead >= 0xF0 && lead <= 0xF4     ? 4
                                           : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    for (std::size_t n = 1; n < length; ++n) {
        if ((byte(at + n) & 0xC0) != 0x80)
            return 0;
    }
    const unsigned char second = length > 1 ? byte(at + 1) : 0;
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90)
        || (lead == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

ControlCharacter firstControlCharacter(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8SequenceLength(text, at);
        if (length == 0) {
            ++at;
            continue;
        }
        const ControlCharacter kind = kindOf(codePointAt(text, at, length));
        if (kind != ControlCharacter::None)
            return kind;
        at += length;
    }
    return ControlCharacter::None;
}

std::string escapedControls(std::string_view text)
{
    std::string shown;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8SequenceLength(text, at);
        if (length == 0) {
            shown += hexEscape('x', static_cast<unsigned char>(text[at]), 2);
            ++at;
            continue;
        }
        const char32_t code = codePointAt(text, at, length);
        if (kindOf(code) == ControlCharacter::None)
            shown += text.substr(at, length);
        else
            shown += escapeOf(code);
        at += length;
    }
    return shown;
}

std::string quotedName(std::string_view text)
{
    return "\u00ab" + escapedControls(text) + "\u00bb";
}

#include "export/escapedtext.h"

#include <algorithm>

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
    if ((code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069) || code == 0x200E
        || code == 0x200F || code == 0x061C)
        return ControlCharacter::TextDirection;
    return ControlCharacter::None;
}

struct Range {
    char32_t first;
    char32_t last;
};

// The characters that leave no mark: spaces, fillers and blanks, and the
// formatting characters a text shows nothing of (Unicode's white space and
// default-ignorable characters, the Hangul fillers, the Braille blank).
constexpr Range kBlankRanges[] = {
    {0x0020, 0x0020},   {0x00A0, 0x00A0},   {0x00AD, 0x00AD}, {0x034F, 0x034F}, {0x061C, 0x061C},
    {0x115F, 0x1160},   {0x1680, 0x1680},   {0x17B4, 0x17B5}, {0x180B, 0x180F}, {0x2000, 0x200F},
    {0x202A, 0x202F},   {0x205F, 0x206F},   {0x2800, 0x2800}, {0x3000, 0x3000}, {0x3164, 0x3164},
    {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},   {0xFFA0, 0xFFA0}, {0xFFF0, 0xFFFB}, {0x1BCA0, 0x1BCA3},
    {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
};

bool drawsNothing(char32_t code)
{
    if (kindOf(code) != ControlCharacter::None)
        return true;
    for (const Range& range : kBlankRanges) {
        if (code >= range.first && code <= range.last)
            return true;
    }
    return false;
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

bool showsNothing(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8SequenceLength(text, at);
        if (length == 0 || !drawsNothing(codePointAt(text, at, length)))
            return false;
        at += length;
    }
    return true;
}

std::string quotedBlankName(std::string_view text)
{
    std::string shown;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8SequenceLength(text, at);
        const char32_t code = length == 0 ? U'?' : codePointAt(text, at, length);
        const std::size_t step = std::max<std::size_t>(length, 1);
        if (code != U' ' && kindOf(code) == ControlCharacter::None && drawsNothing(code))
            shown += code > 0xFFFF ? hexEscape('U', code, 8) : hexEscape('u', code, 4);
        else
            shown += escapedControls(text.substr(at, step)); // controls and stray bytes as everywhere
        at += step;
    }
    return "\u00ab" + shown + "\u00bb";
}

#include "view/strokeletters.h"

namespace {

// The labels' characters; the small letters r and s stand three quarters of
// the box high.
std::vector<Stroke> labelStrokes(char32_t letter)
{
    switch (letter) {
    case U'r':
        return {{{-0.3f, -0.25f}, {-0.3f, 0.5f}},
                {{-0.3f, 0.05f}, {-0.1f, -0.15f}, {0.15f, -0.25f}, {0.4f, -0.17f}}};
    case U's':
        return {{{0.35f, -0.15f},
                 {0.15f, -0.25f},
                 {-0.15f, -0.25f},
                 {-0.35f, -0.08f},
                 {-0.2f, 0.08f},
                 {0.2f, 0.2f},
                 {0.35f, 0.35f},
                 {0.15f, 0.5f},
                 {-0.15f, 0.5f},
                 {-0.38f, 0.38f}}};
    case U't':
        return {{{-0.1f, -0.5f}, {-0.1f, 0.38f}, {0.05f, 0.5f}, {0.35f, 0.45f}},
                {{-0.4f, -0.2f}, {0.3f, -0.2f}}};
    case U'2':
        return {{{-0.35f, -0.3f},
                 {-0.15f, -0.5f},
                 {0.15f, -0.5f},
                 {0.35f, -0.3f},
                 {0.35f, -0.1f},
                 {-0.38f, 0.5f},
                 {0.4f, 0.5f}}};
    case U'π':
        return {{{-0.45f, -0.12f}, {-0.25f, -0.2f}, {0.45f, -0.2f}},
                {{-0.15f, -0.2f}, {-0.25f, 0.5f}},
                {{0.18f, -0.2f}, {0.2f, 0.38f}, {0.35f, 0.5f}}};
    default:
        return {};
    }
}

} // namespace

std::vector<Stroke> letterStrokes(char32_t letter)
{
    switch (letter) {
    case U'X':
        return {{{-0.5f, -0.5f}, {0.5f, 0.5f}}, {{0.5f, -0.5f}, {-0.5f, 0.5f}}};
    case U'Y':
        return {{{-0.5f, -0.5f}, {0.0f, 0.0f}, {0.5f, -0.5f}}, {{0.0f, 0.0f}, {0.0f, 0.5f}}};
    case U'Z':
        return {{{-0.5f, -0.5f}, {0.5f, -0.5f}, {-0.5f, 0.5f}, {0.5f, 0.5f}}};
    default:
        return labelStrokes(letter);
    }
}

std::u32string lettersOf(std::string_view text)
{
    std::u32string letters;
    for (std::size_t n = 0; n < text.size(); ++n) {
        const auto byte = static_cast<unsigned char>(text[n]);
        if (byte >= 0xC0 && byte < 0xE0 && n + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[++n]);
            letters += static_cast<char32_t>((byte & 0x1Fu) << 6 | (next & 0x3Fu));
        } else {
            letters += static_cast<char32_t>(byte);
        }
    }
    return letters;
}

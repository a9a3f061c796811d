// Text shown inside a message: which characters are escaped, and how.

#include "export/escapedtext.h"

#include <gtest/gtest.h>

TEST(EscapedControls, ControlsSeparatorsAndDirectionControlsAreEscapedTheRestKept)
{
    const struct {
        const char* text;
        const char* shown;
        ControlCharacter kind;
    } rows[] = {
        {"gambar.png", "gambar.png", ControlCharacter::None},
        {"a\u00a0b\u2013c\u20ac\u00e9\u56fe\U0001F600", "a\u00a0b\u2013c\u20ac\u00e9\u56fe\U0001F600",
         ControlCharacter::None},
        // The marks reorder the neutral characters beside them ("gnp.\u200Fa").
        {"\u200e\u200f\u061c", "\\u200E\\u200F\\u061C", ControlCharacter::TextDirection},
        {"a\nb\rc\td\x1b", "a\\nb\\rc\\td\\e", ControlCharacter::Control},
        {"\x01\x7f", "\\x01\\x7F", ControlCharacter::Control},
        {"x\u0085\u009b", "x\\x85\\x9B", ControlCharacter::Control},
        {"\u2028\u2029", "\\u2028\\u2029", ControlCharacter::Control},
        {"\u202egnp.bmp", "\\u202Egnp.bmp", ControlCharacter::TextDirection},
        {"\u202a\u202b\u202c\u202d", "\\u202A\\u202B\\u202C\\u202D", ControlCharacter::TextDirection},
        {"\u2066\u2067\u2068\u2069", "\\u2066\\u2067\\u2068\\u2069", ControlCharacter::TextDirection},
        {"\u2066a\n", "\\u2066a\\n", ControlCharacter::TextDirection},
        // Bytes that are not UTF-8 are shown by their values, and count as
        // no character.
        {"\xff.png", "\\xFF.png", ControlCharacter::None},
        {"\xe2\x80", "\\xE2\\x80", ControlCharacter::None},
        {"\xc0\xae", "\\xC0\\xAE", ControlCharacter::None},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(escapedControls(row.text), row.shown);
        EXPECT_EQ(firstControlCharacter(row.text), row.kind);
    }
    EXPECT_EQ(quotedName("a\u202eb"), "\u00aba\\u202Eb\u00bb");
}

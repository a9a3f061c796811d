#pragma once
// The few pieces of JSON the page's binding writes by hand: a string with its
// escapes and a flag. Reading JSON is the page script's part.

#include <string>

inline std::string jsonString(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

inline std::string jsonFlag(bool flag)
{
    return flag ? "true" : "false";
}

#include "window/jsonwriter.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

std::string jsonString(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            quoted += "\\u00";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 0xF];
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

void JsonWriter::beforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_hasMembers.empty()) {
        if (m_hasMembers.back())
            m_text += ',';
        m_hasMembers.back() = true;
    }
}

JsonWriter& JsonWriter::open(char bracket)
{
    beforeValue();
    m_text += bracket;
    m_hasMembers.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::close(char bracket)
{
    m_text += bracket;
    m_hasMembers.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginObject()
{
    return open('{');
}

JsonWriter& JsonWriter::endObject()
{
    return close('}');
}

JsonWriter& JsonWriter::beginArray()
{
    return open('[');
}

JsonWriter& JsonWriter::endArray()
{
    return close(']');
}

JsonWriter& JsonWriter::key(std::string_view name)
{
    beforeValue();
    m_text += jsonString(name);
    m_text += ':';
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text)
{
    beforeValue();
    m_text += jsonString(text);
    return *this;
}

JsonWriter& JsonWriter::value(int number)
{
    beforeValue();
    m_text += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(double number)
{
    beforeValue();
    // Shortest form that reads back, with a decimal point whatever the locale.
    char digits[32];
#if defined(__cpp_lib_to_chars)
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    m_text.append(digits, end);
#else
    // A C++ library without floating-point to_chars (the WebAssembly
    // build's): the fewest significant digits that read back as the same
    // number; its locale is always "C".
    for (int precision = 1; precision <= 17; ++precision) {
        std::snprintf(digits, sizeof digits, "%.*g", precision, number);
        if (std::strtod(digits, nullptr) == number)
            break;
    }
    m_text += digits;
#endif
    return *this;
}

JsonWriter& JsonWriter::value(bool flag)
{
    beforeValue();
    m_text += flag ? "true" : "false";
    return *this;
}

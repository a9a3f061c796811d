#pragma once
// Writes JSON text, one value after another, with the commas and escapes
// done here: strings pass their UTF-8 through and write the control
// characters, the quote and the backslash as escapes. It checks nothing of
// the document's shape; the caller opens and closes what it writes.

#include <string>
#include <string_view>
#include <vector>

class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    // The next value is this member's.
    JsonWriter& key(std::string_view name);

    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(int number);
    JsonWriter& value(double number);
    JsonWriter& value(bool flag);

    template <class Value> JsonWriter& field(std::string_view name, const Value& member)
    {
        return key(name).value(member);
    }

    const std::string& text() const { return m_text; }

private:
    void beforeValue();
    JsonWriter& open(char bracket);
    JsonWriter& close(char bracket);

    std::string m_text;
    std::vector<bool> m_hasMembers; // one entry per open object or array
    bool m_afterKey = false;
};

// `text` as a JSON string, quotes included.
std::string jsonString(std::string_view text);

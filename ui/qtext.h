#pragma once
// The program keeps its texts as UTF-8 string views (captions, definitions,
// object names in the layout tables); the toolkit wants QString.

#include <QString>

#include <string_view>

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

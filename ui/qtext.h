#pragma once
// The program keeps its texts as UTF-8 string views (captions, definitions,
// object names in the layout tables) and the files it encodes as byte
// vectors; the toolkit wants QString and QByteArray.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string_view>
#include <vector>

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QByteArray toQByteArray(const std::vector<std::uint8_t>& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

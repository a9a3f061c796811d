#pragma once
// The program keeps its texts as UTF-8 string views (captions, definitions,
// object names in the layout tables) and the files it encodes as byte
// vectors; the toolkit wants QString and QByteArray.

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <cstdint>
#include <string_view>
#include <vector>

// As it is: a leading U+FEFF stays a character. The toolkit's fromUtf8 and
// fromStdString take it for a byte order mark and drop it, which would give
// a file another name than the one chosen.
inline QString toQString(std::string_view text)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

inline QByteArray toQByteArray(const std::vector<std::uint8_t>& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

#pragma once
// Whole texts between Qt strings and Windows-1252 bytes. Header only, so the code page itself
// stays free of Qt; its users link QtCore already.

#include "Windows1252.h"

#include <cstddef>
#include <cstdint>
#include <QByteArray>
#include <QString>
#include <QStringView>

namespace codepage {

// Characters the code page lacks become '?'.
inline QByteArray ToWindows1252(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        bytes.append(static_cast<char>(CharToWindows1252(ch.unicode()).value_or('?')));
    }
    return bytes;
}

inline QString FromWindows1252(const std::uint8_t* bytes, std::size_t count) {
    QString text;
    text.reserve(static_cast<qsizetype>(count));
    for (std::size_t i = 0; i < count; ++i) {
        text.append(QChar(Windows1252ToChar(bytes[i])));
    }
    return text;
}

} // namespace codepage

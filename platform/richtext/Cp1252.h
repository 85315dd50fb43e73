#pragma once
// The Western Windows code page, which RTF files name with \ansicpg1252 and which the log's
// plain-text export writes, in the terms of the RTF reader and writer.

#include "Windows1252Text.h"

#include <QByteArray>
#include <QChar>
#include <QString>

namespace richtext {

inline QChar Cp1252ToChar(unsigned char byte) {
    return QChar(codepage::Windows1252ToChar(byte));
}

// The byte for a character, or 0 when the code page has none for it.
inline unsigned char CharToCp1252(QChar ch) {
    return codepage::CharToWindows1252(ch.unicode()).value_or(0);
}

// Text as code-page bytes; characters the code page lacks become '?'.
inline QByteArray ToCp1252(const QString& text) {
    return codepage::ToWindows1252(text);
}

} // namespace richtext

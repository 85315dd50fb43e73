#pragma once
// The Western Windows code page, which RTF files name with \ansicpg1252 and which the log's
// plain-text export writes.

#include <QByteArray>
#include <QChar>
#include <QString>

namespace richtext {

QChar Cp1252ToChar(unsigned char byte);

// The byte for a character, or 0 when the code page has none for it.
unsigned char CharToCp1252(QChar ch);

// Text as code-page bytes; characters the code page lacks become '?'.
QByteArray ToCp1252(const QString& text);

} // namespace richtext

#pragma once
// Loads an RTF file's text, attributes and pictures into a document.

#include <QByteArray>
#include <QTextCharFormat>
#include <QTextDocument>

namespace richtext {

// Replaces the document's content with the RTF's. Text takes baseFormat (the log's font) with
// the file's bold, italic and underline. False, with the document unchanged, when the bytes are
// not RTF. Pictures that do not decode are left out.
bool ReadRtf(const QByteArray& data, QTextDocument& doc, const QTextCharFormat& baseFormat);

} // namespace richtext

#pragma once
// Loads an RTF file's text, attributes and pictures into a document.

#include <QByteArray>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace richtext {

// Replaces the document's content with the RTF's. Text takes baseFormat (the log's font) with
// the file's bold, italic and underline. False, with the document unchanged, when the bytes are
// not RTF. Pictures that do not decode are left out.
bool ReadRtf(const QByteArray& data, QTextDocument& doc, const QTextCharFormat& baseFormat);

// Inserts the RTF's content at the cursor as it reads it, without keeping the file's content
// aside; the last paragraph of the file joins the text after the cursor. False, with nothing
// inserted, when the bytes are not RTF.
bool InsertRtf(const QByteArray& data, QTextCursor& cursor, const QTextCharFormat& baseFormat);

} // namespace richtext

#pragma once
// The log's text without formatting, as the plain-text export writes it.

#include <QString>
#include <QTextDocument>

namespace richtext {

// The document's text with its lines joined by CR LF; pictures leave no character behind.
QString PlainText(const QTextDocument& doc);

} // namespace richtext

#pragma once
// Text with its character formats in a notation a test can compare in one assertion: each run as
// its "B", "I", "U" flags, a colon and its text ("U: 146.21 "), "|" between paragraphs.

#include <QString>
#include <QTextDocument>
#include <string>
#include <vector>

namespace testsupport {

std::string RunOf(bool bold, bool italic, bool underline, const QString& text);

// Pictures stand as "[pict]", or with their size as "[pict WxH]".
enum class PictureNotation { Plain, WithSize };
std::vector<std::string> RunsOf(const QTextDocument& doc, PictureNotation pictures);

} // namespace testsupport

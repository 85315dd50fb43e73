#pragma once
// What Copy puts on the clipboard for a part of the report log, as a rich-text box does: the plain
// text, the rich text with its attributes and pictures (RTF, in the log's own face), and the first
// picture of the part as an image, so a word processor pastes the formatted lines and a drawing
// program the graph.

#include "ReportLogText.h"

#include <memory>

class QMimeData;

// From line/column to line/column (exclusive), as ReportLogText::PlainText takes them.
std::unique_ptr<QMimeData> CopiedData(const ReportLogText& text, int fromLine, int fromColumn, int toLine,
                                      int toColumn);

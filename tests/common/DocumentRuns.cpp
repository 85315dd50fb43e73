#include "DocumentRuns.h"

#include <QTextBlock>

namespace testsupport {

std::string RunOf(bool bold, bool italic, bool underline, const QString& text) {
    std::string flags;
    flags += bold ? "B" : "";
    flags += italic ? "I" : "";
    flags += underline ? "U" : "";
    return flags + ":" + text.toStdString();
}

std::vector<std::string> RunsOf(const QTextDocument& doc, PictureNotation pictures) {
    std::vector<std::string> runs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block != doc.begin())
            runs.push_back("|");
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (!f.isImageFormat()) {
                runs.push_back(RunOf(f.fontWeight() > QFont::Normal, f.fontItalic(), f.fontUnderline(),
                                     it.fragment().text()));
            } else if (pictures == PictureNotation::Plain) {
                runs.push_back("[pict]");
            } else {
                const QTextImageFormat img = f.toImageFormat();
                runs.push_back("[pict " + std::to_string(qRound(img.width())) + "x" +
                               std::to_string(qRound(img.height())) + "]");
            }
        }
    }
    return runs;
}

} // namespace testsupport
